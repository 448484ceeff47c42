// Checks of the library's operations: the exact bytes AppendTest writes, names as
// ReadNextTestName, FindTest and ListTestNames see them, the end mark, failed
// saves and a torn last record. Test side.
#include "library/library_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/code_pages.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace keyrill {
namespace {

using support::ReadFile;
using support::TempDir;
using support::WriteFile;

std::vector<std::string> Names(const std::string& path) {
  std::vector<std::string> names;
  ListTestNames(path, support::Cp1252(), [&](const char* name) { names.emplace_back(name); });
  return names;
}

// The logical text of the first test of that name: its lines joined by LF, up to
// the next header line or the end of the file. nullopt when it is not found.
std::optional<std::string> TextOf(const std::string& path, const std::string& name) {
  TestFileReader reader(path, support::Cp1252());
  if (!FindTest(reader, name.c_str())) return std::nullopt;
  std::string text;
  std::vector<char> piece(1 << 20);
  bool first = true;
  while (!reader.AtEnd()) {
    reader.ReadPiece(piece.data(), static_cast<std::int32_t>(piece.size()));
    if (piece[0] == '~' || (reader.AtEnd() && piece[0] == '\0')) break;
    if (!first) text += '\n';
    text += piece.data();
    first = false;
  }
  return text;
}

const std::string kExampleText = "hello world\r\nsecond line";
const std::string kExampleBytes = "\r\n~Short\r\nhello world\r\r\nsecond line";

TEST(AppendTest, WritesTheExampleRecordExactly) {
  TempDir dir;
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "Short", kExampleText));
  EXPECT_EQ(ReadFile(dir.Library()), kExampleBytes);
  EXPECT_EQ(ReadFile(dir.Library()).size(), 35u);

  // Read back: an empty line, the header, a line ending in CR, a line without.
  TestFileReader reader(dir.Library(), support::Cp1252());
  std::vector<std::string> lines;
  char piece[64];
  while (!reader.AtEnd()) {
    reader.ReadPiece(piece, 64);
    lines.emplace_back(piece);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"", "~Short", "hello world\r", "second line"}));
}

TEST(AppendTest, RecordsFollowEachOtherAsTheTextBoxGaveThem) {
  struct Case {
    const char* what;
    std::string text;
    std::string bytes;     // the record's bytes after its header line
    std::string readBack;  // the first test's text read back, a second test after it
  };
  const std::vector<Case> cases = {
      {"plain two lines", kExampleText, "hello world\r\r\nsecond line",
       "hello world\r\nsecond line"},
      {"ends with a line break", "ab\r\n", "ab\r\r\n", "ab\r\n"},
      {"an empty line inside", "ab\r\n\r\ncd", "ab\r\r\n\r\r\ncd", "ab\r\n\r\ncd"},
      {"a lone LF is still translated", "ab\ncd", "ab\r\ncd", "ab\ncd"},
      {"a lone CR is written unchanged", "ab\rcd", "ab\rcd", "ab\rcd"},
      {"the end mark is left out",
       "a\x1A"
       "b\x1A",
       "ab", "ab"},
      {"empty", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "First", c.text));
    ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "Second", "x"));
    EXPECT_EQ(ReadFile(dir.Library()), "\r\n~First\r\n" + c.bytes + "\r\n~Second\r\nx");
    EXPECT_EQ(TextOf(dir.Library(), "First"), c.readBack);
    EXPECT_EQ(TextOf(dir.Library(), "Second"), "x");
  }
}

TEST(AppendTest, NameIsOneLineOfAtMost47Bytes) {
  struct Case {
    const char* what;
    std::string name;
    std::string stored;
  };
  const std::string k47(47, 'n');
  const std::vector<Case> cases = {
      {"plain", "Name", "Name"},
      {"47 bytes kept whole", k47, k47},
      {"cut to 47", k47 + "xyz", k47},
      {"line breaks left out", "a\r\nb\nc\rd", "abcd"},
      {"zero bytes left out", std::string("a\0b\0c", 5), "abc"},
      {"cut after leaving out", "\r\n" + k47 + "x", k47},
      {"empty", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), c.name, "t"));
    EXPECT_EQ(ReadFile(dir.Library()), "\r\n~" + c.stored + "\r\nt");
    EXPECT_EQ(Names(dir.Library()), std::vector<std::string>{c.stored});
  }
}

TEST(ListTestNames, ListsEveryNameInFileOrder) {
  TempDir dir;
  const std::string k47(47, 'L');
  const std::string k46(46, 'M');
  const std::vector<std::pair<std::string, std::string>> tests = {
      {"a", "first a"},  {"A", "upper"},    {"a", "second a"}, {"", "nameless"},
      {k47, "after 47"}, {k46, "after 46"}, {"a b", "spaced"},
  };
  for (const auto& [name, text] : tests)
    ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), name, text));
  EXPECT_EQ(Names(dir.Library()), (std::vector<std::string>{"a", "A", "a", "", k47, k46, "a b"}));

  // FindTest stops at the first of a name and leaves the reader on its first line.
  struct Find {
    std::string name;
    std::optional<std::string> text;
  };
  const std::vector<Find> finds = {
      {"a", "first a"},
      {"A", "upper"},
      {"", "nameless"},
      {k47, "after 47"},
      {k46, "after 46"},
      {"a b", "spaced"},
      {"b", std::nullopt},
      {k47 + "L", std::nullopt},
      {k46.substr(1), std::nullopt},
      {"a ", std::nullopt},
  };
  for (const auto& f : finds) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(TextOf(dir.Library(), f.name), f.text);
  }
}

TEST(ListTestNames, MissingLibraryListsNothingAndIsCreated) {
  TempDir dir;
  EXPECT_TRUE(Names(dir.Library()).empty());
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.Library()));
  EXPECT_EQ(TextOf(dir.Library(), ""), std::nullopt);
}

// Files that AppendTest does not make but a reader meets: a "~" inside text, long
// header lines, a header with nothing after it.
TEST(ListTestNames, ReadsHandMadeFiles) {
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> names;
  };
  const std::string line60 = std::string(47, 'x') + "~" + "abcdefghijkl";
  const std::string k47(47, 'n');
  const std::vector<Case> cases = {
      {"a text line beginning with ~", "\r\n~T\r\none\r\n~Extra\r\ntwo", {"T", "Extra"}},
      {"a ~ at position 47 of a text line",
       "\r\n~T\r\n" + line60 + "\r\nend",
       {"T", "abcdefghijkl"}},
      {"a ~ at position 46 is text", "\r\n~T\r\n" + std::string(46, 'x') + "~abc\r\nend", {"T"}},
      {"a header line longer than 47 is cut", "~" + k47 + "tail\nx", {k47}},
      {"a header of 94 characters", "~" + std::string(94, 'h') + "\nx", {std::string(47, 'h')}},
      {"lines before the first header are skipped", "junk\n~\nnope\n~T\nx", {"", "T"}},
      {"the last line as a header is not found", "~A\nx\n~B", {"A"}},
      {"a last header of 46 characters", "~A\nx\n~" + std::string(46, 'b'), {"A"}},
      {"a last header of 47 characters", "~A\nx\n~" + k47, {"A"}},
      {"a last header of 60 characters", "~A\nx\n~" + std::string(60, 'c'), {"A"}},
      {"a header ended by LF at the end", "~A\n", {"A"}},
      {"the end mark hides what follows", std::string("~A\nx\n\x1A\r\n~B\r\ny"), {"A"}},
      {"an end mark inside a name",
       std::string("~A\x1A"
                   "B\nx"),
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteFile(dir.Library(), c.file);
    EXPECT_EQ(Names(dir.Library()), c.names);
  }
}

// A test appended behind an end mark could never be read: the append is refused
// and the file stays as it was.
TEST(AppendTest, RefusesToWriteBehindAnEndMark) {
  TempDir dir;
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "A", "a"));
  const std::string before = ReadFile(dir.Library()) + "\x1A";
  WriteFile(dir.Library(), before);
  EXPECT_FALSE(AppendTest(dir.Library(), support::Cp1252(), "B", "b"));
  EXPECT_EQ(ReadFile(dir.Library()), before);
  EXPECT_EQ(Names(dir.Library()), std::vector<std::string>{"A"});

  // The end mark far from the start, past the first 64 KiB.
  TempDir far;
  WriteFile(far.Library(), "\r\n~A\r\n" + std::string(200 * 1024, 'a') + "\x1A");
  EXPECT_FALSE(AppendTest(far.Library(), support::Cp1252(), "B", "b"));

  // Nor is a test stored under a name the end mark would cut.
  TempDir none;
  EXPECT_FALSE(AppendTest(none.Library(), support::Cp1252(), "B\x1A", "b"));
  EXPECT_FALSE(std::filesystem::exists(none.Library()));
}

TEST(AppendTest, ReportsAFileThatCannotBeWritten) {
  struct Case {
    const char* what;
    std::string relative;
    bool makeDirectory;
  };
  const std::vector<Case> cases = {
      {"a directory named tests.tst", "tests.tst", true},
      {"a path through a missing directory", "missing/tests.tst", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    if (c.makeDirectory) std::filesystem::create_directory(dir.File(c.relative));
    EXPECT_FALSE(AppendTest(dir.File(c.relative), support::Cp1252(), "T", "text"));
    EXPECT_TRUE(Names(dir.File(c.relative)).empty());
  }
}

// The file cut anywhere inside its last record, or with garbage behind it, never
// harms the records before it.
TEST(AppendTest, TornLastRecordLeavesEarlierRecordsWhole) {
  TempDir dir;
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "One", "first text\r\nline two"));
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "Two", "second"));
  const std::string whole = ReadFile(dir.Library());
  ASSERT_TRUE(AppendTest(dir.Library(), support::Cp1252(), "Three", "third text\r\n\r\nend"));
  const std::string all = ReadFile(dir.Library());

  std::vector<std::string> damaged;
  for (std::size_t cut = whole.size(); cut <= all.size(); ++cut) {
    damaged.push_back(all.substr(0, cut));
  }
  for (const std::string& garbage :
       {std::string("\r"), std::string("\n~"), std::string("~x\r\n"), std::string("\0\0\0", 3),
        std::string("\x1A"), std::string("\r\n~One\r\nimpostor"), std::string("\xFF\xFE\r")}) {
    damaged.push_back(all + garbage);
  }
  for (const std::string& file : damaged) {
    SCOPED_TRACE(file.size());
    WriteFile(dir.Library(), file);
    const std::vector<std::string> names = Names(dir.Library());
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(names[0], "One");
    EXPECT_EQ(names[1], "Two");
    EXPECT_EQ(TextOf(dir.Library(), "One"), "first text\r\nline two");
    const std::optional<std::string> two = TextOf(dir.Library(), "Two");
    ASSERT_TRUE(two.has_value());
    // The cut can only ever lengthen the second text by a CR it ends in.
    EXPECT_TRUE(*two == "second" || *two == "second\r") << *two;
  }
}

}  // namespace
}  // namespace keyrill
