// Checks of LoadTest: wrapping at spaces, the look-ahead, the carried word, the CRs
// that stay in display lines and the word-too-large stop. Test side.
#include "run/loader.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/code_pages.h"
#include "library/library_file.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace keyrill {
namespace {

using support::TempDir;
using support::WriteFile;

struct Loaded {
  LoadResult result;
  std::vector<std::string> lines;
  std::int32_t index;
};

// Loads name at the capacity and collects the display lines; frees them after.
Loaded Load(const std::string& library, const char* name, std::int32_t capacity) {
  auto lineBuffer = std::make_unique<char[]>(static_cast<std::size_t>(capacity));
  auto carryBuffer = std::make_unique<char[]>(static_cast<std::size_t>(capacity));
  LineList lines;
  Loaded loaded{};
  loaded.result =
      LoadTest(library, support::Cp1252(), name, capacity, lineBuffer.get(), carryBuffer.get(), lines);
  loaded.index = lines.Index();
  if (!lines.Empty()) {
    // Visit in ring order from the sentinel so lines made before a stop are seen too.
    for (const LineNode* node = lines.Sentinel()->next; node != lines.Sentinel();
         node = node->next) {
      loaded.lines.emplace_back(node->item->target.get());
      EXPECT_STREQ(node->item->typed.get(), "");
    }
  }
  lines.FreeLinePairs();
  lines.Clear();
  return loaded;
}

std::string Show(const std::vector<std::string>& lines) {
  std::string shown;
  for (const auto& line : lines) {
    shown += '[';
    for (const char c : line) shown += c == '\r' ? std::string("<CR>") : std::string(1, c);
    shown += ']';
  }
  return shown;
}

using Lines = std::vector<std::string>;

struct WrapCase {
  const char* what;
  std::string text;               // the Add Test box content, lines split by CR LF
  std::optional<Lines> expected;  // nullopt: the word-too-large stop
  Lines madeBeforeStop = {};
};

// LineCapacity 12: display lines of at most 11 characters. Every case is checked
// with another test after it and as the last test of the file.
TEST(LoadTest, WrapsAtCapacityTwelve) {
  const std::vector<WrapCase> cases = {
      {"two text lines", "one two\r\nthree", Lines{"one two\r", "three"}},
      {"wrap at spaces", "the cat sat on the mat", Lines{"the cat ", "sat on the ", "mat"}},
      {"double space kept at the break", "aaaa bbbb  cccc dddd", Lines{"aaaa bbbb  ", "cccc dddd"}},
      {"full piece ending in a space", "aaaaa bbbb  ccc", Lines{"aaaaa bbbb ", " ccc"}},
      {"word at the edge followed by a space is carried", "aaaaa bbbbb ccc",
       Lines{"aaaaa ", "bbbbb ccc"}},
      {"full line then its CR alone", "abcdefghijk\r\nnext", Lines{"abcdefghijk", "\r", "next"}},
      {"full single word", "abcdefghijk", Lines{"abcdefghijk"}},
      {"CR fills the line", "abcdefghij\r\nx", Lines{"abcdefghij\r", "x"}},
      {"eleven-letter word ending its line", "aa bcdefghijkl", Lines{"aa ", "bcdefghijkl"}},
      {"word too large", "abcdefghijklmnop", std::nullopt},
      {"full word followed by a space", "abcdefghijk lmn", std::nullopt},
      {"word too large after a line", "a bcdefghijklmnop", std::nullopt, Lines{"a "}},
      {"empty line between", "ab\r\n\r\ncd", Lines{"ab\r", "\r", "cd"}},
      {"line break at the end", "ab\r\n", Lines{"ab\r"}},
      {"line break at the start", "\r\nab", Lines{"\r", "ab"}},
      {"carried word begins with ~", "aaaa bbbb ~ccc", Lines{"aaaa bbbb "}},
      {"text line begins with ~", "ab\r\n~cd\r\nef", Lines{"ab\r"}},
  };
  for (const auto& c : cases) {
    for (const bool followed : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (followed ? " (followed)" : " (last)"));
      TempDir dir;
      ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "Other", "zz"));
      ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "T", c.text));
      if (followed) {
        ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "After", "more text"));
      }
      const Loaded got = Load(dir.Library(), "T", 12);
      if (c.expected) {
        EXPECT_EQ(got.result, LoadResult::Loaded);
        EXPECT_EQ(Show(got.lines), Show(*c.expected));
        EXPECT_EQ(got.index, 0);
      } else {
        EXPECT_EQ(got.result, LoadResult::WordTooLarge);
        EXPECT_EQ(Show(got.lines), Show(c.madeBeforeStop));
        EXPECT_EQ(got.index, -1);
      }
    }
  }
}

TEST(LoadTest, EmptyTextGivesOneEmptyLineOnlyWhenAnotherTestFollows) {
  TempDir dir;
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "Empty", ""));
  Loaded last = Load(dir.Library(), "Empty", 12);
  EXPECT_EQ(last.result, LoadResult::Loaded);
  EXPECT_TRUE(last.lines.empty());
  EXPECT_EQ(last.index, -1);

  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "After", "x"));
  Loaded followed = Load(dir.Library(), "Empty", 12);
  EXPECT_EQ(followed.result, LoadResult::Loaded);
  EXPECT_EQ(Show(followed.lines), Show(Lines{""}));
  EXPECT_EQ(followed.index, 0);
}

// A file written by a text editor: plain CR LF line ends, so no CR stays; one empty
// line between text lines is skipped by the look-ahead, two give one empty line.
TEST(LoadTest, HandMadeFileWithPlainLineEnds) {
  struct Case {
    std::string file;
    Lines expected;
  };
  const std::vector<Case> cases = {
      {"~T\r\nab\r\ncd", {"ab", "cd"}},
      {"~T\r\nab\r\n\r\ncd", {"ab", "cd"}},
      {"~T\r\nab\r\n\r\n\r\ncd", {"ab", "", "cd"}},
      {"~T\nab\ncd\n~U\nx", {"ab", "cd"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Show(Lines{c.file}));
    TempDir dir;
    WriteFile(dir.Library(), c.file);
    const Loaded got = Load(dir.Library(), "T", 12);
    EXPECT_EQ(got.result, LoadResult::Loaded);
    EXPECT_EQ(Show(got.lines), Show(c.expected));
  }
}

TEST(LoadTest, WorkedExampleAtCapacityThirtySix) {
  TempDir dir;
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "Fox",
                         "The quick brown fox jumps over the lazy dog.\r\nSecond line here."));
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "Next", "x"));
  const Loaded got = Load(dir.Library(), "Fox", 36);
  EXPECT_EQ(got.result, LoadResult::Loaded);
  EXPECT_EQ(Show(got.lines),
            Show(Lines{"The quick brown fox jumps over the ", "lazy dog.\r", "Second line here."}));
}

TEST(LoadTest, NameNotInLibraryLeavesTheListEmpty) {
  TempDir dir;
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "Here", "text"));
  for (const char* name : {"here", "Her", "", "Missing"}) {
    SCOPED_TRACE(name);
    const Loaded got = Load(dir.Library(), name, 12);
    EXPECT_EQ(got.result, LoadResult::NotFound);
    EXPECT_TRUE(got.lines.empty());
    EXPECT_EQ(got.index, -1);
  }
  // An empty name finds a test whose name is empty.
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "", "nameless"));
  const Loaded nameless = Load(dir.Library(), "", 12);
  EXPECT_EQ(nameless.result, LoadResult::Loaded);
  EXPECT_EQ(Show(nameless.lines), Show(Lines{"nameless"}));
}

TEST(LoadTest, MissingLibraryIsCreatedEmptyAndNothingLoads) {
  TempDir dir;
  const Loaded got = Load(dir.Library(), "T", 12);
  EXPECT_EQ(got.result, LoadResult::NotFound);
  EXPECT_TRUE(std::filesystem::exists(dir.Library()));
  EXPECT_EQ(std::filesystem::file_size(dir.Library()), 0u);
}

// The smallest window: one character a line. A full line is one character that is not
// a space, so a second character after it on its text line (other than the CR) stops.
TEST(LoadTest, CapacityTwoHoldsOneCharacterALine) {
  struct Case {
    std::string text;
    std::optional<Lines> expected;
  };
  const std::vector<Case> cases = {
      {"a", Lines{"a"}},     {" a", Lines{" ", "a"}}, {"a\r\nb", Lines{"a", "\r", "b"}},
      {"a b", std::nullopt}, {"ab", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Show(Lines{c.text}));
    TempDir dir;
    ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "T", c.text));
    const Loaded got = Load(dir.Library(), "T", 2);
    if (c.expected) {
      EXPECT_EQ(Show(got.lines), Show(*c.expected));
    } else {
      EXPECT_EQ(got.result, LoadResult::WordTooLarge);
    }
  }
}

}  // namespace
}  // namespace keyrill
