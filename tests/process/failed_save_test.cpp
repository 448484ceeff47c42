// Saves that the operating system makes fail must be reported as failed and must
// leave the records before them readable: a directory in the library's place, a
// library linked to /dev/full, a file size limit. Test side, POSIX (fork, setrlimit).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "support/code_pages.h"
#include "library/durable_append.h"
#include "library/library_file.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace keyrill {
namespace {

std::vector<std::string> Names(const std::string& library) {
  std::vector<std::string> names;
  ListTestNames(library, support::Cp1252(), [&](const char* name) { names.emplace_back(name); });
  return names;
}

std::string FirstLineOf(const std::string& library, const char* name) {
  TestFileReader reader(library, support::Cp1252());
  if (!FindTest(reader, name)) return "<not found>";
  char piece[256];
  reader.ReadPiece(piece, sizeof piece);
  return piece;
}

TEST(FailedSave, DirectoryNamedLikeTheLibrary) {
  support::TempDir dir;
  std::filesystem::create_directory(dir.Library());
  EXPECT_FALSE(AppendTest(dir.Library(), support::Cp1252(), "T", "text"));
  EXPECT_TRUE(Names(dir.Library()).empty());
  EXPECT_TRUE(std::filesystem::is_directory(dir.Library()));
}

// /dev/full takes no byte ("no space left"); read, it gives zeros without end, so
// a reader must not take it for a library either.
TEST(FailedSave, LibraryLinkedToDevFull) {
  ASSERT_TRUE(std::filesystem::exists("/dev/full"));
  const std::string record = "\r\n~T\r\ntext";
  EXPECT_FALSE(AppendDurably("/dev/full", record.data(), record.size()));

  support::TempDir dir;
  std::filesystem::create_symlink("/dev/full", dir.Library());
  EXPECT_FALSE(AppendTest(dir.Library(), support::Cp1252(), "T", "text"));
  EXPECT_TRUE(Names(dir.Library()).empty());
  TestFileReader reader(dir.Library(), support::Cp1252());
  EXPECT_FALSE(FindTest(reader, "T"));
}

// In a child process whose file size limit ends before (or inside) the new record:
// the write fails (EFBIG) or stops short, SIGXFSZ being ignored. Either way the
// append reports failure, no part of the new record stays, and the two records
// before it still read whole.
TEST(FailedSave, FileSizeLimit) {
  struct Case {
    const char* what;
    std::uintmax_t room;  // bytes the limit leaves after the existing file
  };
  const std::vector<Case> cases = {
      {"no room at all", 0},
      {"room for part of the header", 4},
      {"room for part of the text", 200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    support::TempDir dir;
    const std::string library = dir.Library();
    ASSERT_TRUE(AppendTest(library, support::Cp1252(), "One", "first\r\nsecond"));
    ASSERT_TRUE(AppendTest(library, support::Cp1252(), "Two", "third"));
    const std::uintmax_t size = std::filesystem::file_size(library);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{static_cast<rlim_t>(size + c.room), static_cast<rlim_t>(size + c.room)};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(2);
      _exit(AppendTest(library, support::Cp1252(), "Big", std::string(4096, 'b')) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the append was reported as saved";

    // Whatever part of the record got out is taken back: the file is as it was.
    EXPECT_EQ(std::filesystem::file_size(library), size);
    const std::vector<std::string> names = Names(library);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "One");
    EXPECT_EQ(names[1], "Two");
    EXPECT_EQ(FirstLineOf(library, "One"), "first\r");
    EXPECT_EQ(FirstLineOf(library, "Two"), "third");
  }
}

}  // namespace
}  // namespace keyrill
