// Checks of the library's read handle: the text-mode translation, the piece rules
// and the sticky end flag, also where the raw bytes cross a chunk. Test side.
#include "library/text_mode_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/code_pages.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "unit/reader_view.h"

namespace keyrill {
namespace {

using support::ReadFile;
using support::TempDir;
using support::WriteFile;

TEST(TestFileReader, TranslatesTheRawBytes) {
  struct Case {
    const char* what;
    std::string raw;
    std::string logical;
  };
  const std::vector<Case> cases = {
      {"CR LF reads as LF", "a\r\nb", "a\nb"},
      {"lone CR stays", "a\rb", "a\rb"},
      {"CR as the last byte", "a\r", "a\r"},
      {"CR CR LF", "a\r\r\nb", "a\r\nb"},
      {"LF alone", "a\nb", "a\nb"},
      {"LF CR", "a\n\rb", "a\n\rb"},
      {"0x1A ends the file", std::string("ab\x1A\r\ncd", 7), "ab"},
      {"0x1A right after a CR", std::string("a\r\x1A\n", 4), "a\r"},
      {"zero bytes skipped", std::string("a\0b\0", 4), "ab"},
      {"zero between CR and LF", std::string("a\r\0\nb", 5), "a\nb"},
      {"0xFF is an ordinary byte", "a\xFF b", "a\xFF b"},
      {"empty file", "", ""},
      {"the example record", "\r\n~Short\r\nhello world\r\r\nsecond line",
       "\n~Short\nhello world\r\nsecond line"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectLogicalViews(c.raw, support::Cp1252(), c.logical);
  }
}

// One read after another on the same file: capacity, then the piece and end flag.
TEST(TestFileReader, PieceSemantics) {
  struct Read {
    std::int32_t capacity;
    std::string piece;
    bool atEnd;
  };
  struct Case {
    const char* what;
    std::string raw;
    std::vector<Read> reads;
  };
  const std::vector<Case> cases = {
      {"an LF ends the piece and is consumed", "ab\r\ncd", {{10, "ab", false}, {10, "cd", true}}},
      {"a full piece leaves the LF unread",
       "abc\ndef",
       {{4, "abc", false}, {4, "", false}, {4, "def", false}, {4, "", true}}},
      {"capacity 1 reads nothing", "ab", {{1, "", false}, {1, "", false}, {4, "ab", true}}},
      {"capacity 2 takes one character",
       "ab\nc",
       {{2, "a", false}, {2, "b", false}, {2, "", false}, {2, "c", false}, {2, "", true}}},
      {"a piece exactly reaching the end does not yet see it",
       "abc",
       {{4, "abc", false}, {4, "", true}}},
      {"the end flag stays set", "a", {{5, "a", true}, {5, "", true}, {1, "", true}}},
      {"empty lines read as empty pieces",
       "\n\r\n",
       {{5, "", false}, {5, "", false}, {5, "", true}}},
      {"a lone CR is stored", "a\rb\n", {{2, "a", false}, {2, "\r", false}, {9, "b", false}}},
      {"nothing after 0x1A",
       std::string("ab\x1A"
                   "cd\nef",
                   8),
       {{9, "ab", true}, {9, "", true}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteFile(dir.Library(), c.raw);
    TestFileReader reader(dir.Library(), support::Cp1252());
    for (std::size_t i = 0; i < c.reads.size(); ++i) {
      SCOPED_TRACE(i);
      std::vector<char> buffer(static_cast<std::size_t>(c.reads[i].capacity), '#');
      reader.ReadPiece(buffer.data(), c.reads[i].capacity);
      EXPECT_EQ(std::string(buffer.data()), c.reads[i].piece);
      EXPECT_EQ(reader.AtEnd(), c.reads[i].atEnd);
    }
  }
}

// The translation must not depend on where the reader's chunks fall: a CR LF split
// across two chunks, a zero byte or an end mark at a chunk's first byte.
TEST(TestFileReader, ChunkBoundariesChangeNothing) {
  constexpr std::size_t kChunk = 64 * 1024;
  struct Case {
    const char* what;
    std::string tail;  // placed so that its second byte starts a new chunk
    std::string logical;
  };
  const std::vector<Case> cases = {
      {"CR LF split", "\r\nz", "\nz"},
      {"CR then lone CR", "\r\rz", "\r\rz"},
      {"CR then zero then LF", std::string("\r\0\nz", 4), "\nz"},
      {"end mark first in a chunk", std::string("y\x1Az", 3), "y"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string lead(kChunk - 1, 'x');
    WriteFile(dir.Library(), lead + c.tail);
    EXPECT_EQ(LogicalView(dir.Library(), support::Cp1252()), lead + c.logical);
  }
}

TEST(TestFileReader, MissingFileIsCreatedEmptyAndReadsAsEnded) {
  TempDir dir;
  TestFileReader reader(dir.Library(), support::Cp1252());
  char piece[8] = "#######";
  reader.ReadPiece(piece, 8);
  EXPECT_STREQ(piece, "");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.Library()));
}

TEST(TestFileReader, ExistingFileIsNeverTruncated) {
  TempDir dir;
  WriteFile(dir.Library(), "keep\r\nme");
  { TestFileReader reader(dir.Library(), support::Cp1252()); }
  EXPECT_EQ(ReadFile(dir.Library()), "keep\r\nme");
}

// A library that cannot be read ends every scan at once instead of never.
TEST(TestFileReader, UnreadableLibraryReadsAsEnded) {
  struct Case {
    const char* what;
    bool makeDirectory;
    std::string path;
  };
  TempDir dir;
  std::filesystem::create_directory(dir.Library());
  const std::vector<Case> cases = {
      {"a directory named tests.tst", true, dir.Library()},
      {"a path through a missing directory", false, dir.File("missing/tests.tst")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TestFileReader reader(c.path, support::Cp1252());
    char piece[8];
    reader.ReadPiece(piece, 8);
    EXPECT_STREQ(piece, "");
    EXPECT_TRUE(reader.AtEnd());
  }
}

}  // namespace
}  // namespace keyrill
