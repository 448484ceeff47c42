// The durable append's short write, forced by a fault injected at the write: the
// append is told as failed and the file is byte for byte as before, on POSIX and
// on Windows alike. Test side.
#include "library/durable_append.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/code_pages.h"
#include "library/library_file.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace keyrill {
namespace {

using support::ReadFile;
using support::TempDir;

TEST(DurableAppend, AShortWriteIsTakenBackAndTold) {
  const std::string record = "\r\n~Third\r\nthe text of the third record";
  struct Case {
    const char* what;
    std::size_t limit;
  };
  const std::vector<Case> cases = {
      {"nothing written", 0},
      {"one byte", 1},
      {"part of the header", 4},
      {"all but the last byte", record.size() - 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string library = dir.Library();
    ASSERT_TRUE(AppendTest(library, support::Cp1252(), "One", "first\nsecond"));
    ASSERT_TRUE(AppendTest(library, support::Cp1252(), "Two", "third"));
    const std::string before = ReadFile(library);

    EXPECT_FALSE(AppendDurably(library, record.data(), record.size(), AppendFault{c.limit}));
    EXPECT_EQ(ReadFile(library), before);

    // The same record, saved again without the fault, follows the earlier ones at once.
    EXPECT_TRUE(AppendDurably(library, record.data(), record.size()));
    EXPECT_EQ(ReadFile(library), before + record);
  }
}

TEST(DurableAppend, AWholeWriteUnderTheLimitIsStored) {
  TempDir dir;
  const std::string record = "\r\n~A\r\nabc";
  EXPECT_TRUE(
      AppendDurably(dir.Library(), record.data(), record.size(), AppendFault{record.size()}));
  EXPECT_TRUE(AppendDurably(dir.Library(), "", 0, AppendFault{0}));
  EXPECT_EQ(ReadFile(dir.Library()), record);
}

}  // namespace
}  // namespace keyrill
