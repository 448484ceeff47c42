// Libraries in UTF-8, as a Linux editor or a current Notepad writes them: which
// file is UTF-8, how it reads in the program's code page, the names and wrapping of
// seven languages, and appends that keep a file's encoding. Test side.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_window.h"
#include "library/library_file.h"
#include "program/code_page.h"
#include "support/code_pages.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "unit/reader_view.h"

namespace keyrill {
namespace {

using support::ReadFile;
using support::TempDir;
using support::ToCodePage;
using support::WindowsCodePage;
using support::WriteFile;

const std::string kBom = "\xEF\xBB\xBF";

std::vector<std::string> Names(const std::string& path, const CodePage& codePage) {
  std::vector<std::string> names;
  ListTestNames(path, codePage, [&](const char* name) { names.emplace_back(name); });
  return names;
}

// The way back from a character to its byte, on a table made for the purpose.
TEST(CodePage, FindsTheByteOfACharacter) {
  std::array<char32_t, 256> characters{};
  for (int byte = 0; byte < 256; ++byte) characters[byte] = 0x400 + static_cast<char32_t>(byte);
  for (int byte = 0; byte < 0x80; ++byte) characters[byte] = static_cast<char32_t>(byte);
  characters[0x90] = 0x2026;
  characters[0xA0] = 0x2026;  // a second byte for one character: the first wins
  characters[0xB0] = U'A';    // no character outside ASCII reads as an ASCII byte
  const CodePage codePage(characters);
  struct Case {
    char32_t character;
    int byte;
  };
  const std::vector<Case> cases = {
      {U'A', 0x41},   {0x00, 0x00},   {0x7F, 0x7F}, {0x480, 0x80}, {0x4FF, 0xFF},
      {0x2026, 0x90}, {0x4B0, -1},    {0x4A0, -1},  {0x3FF, -1},   {0x500, -1},
      {0xFFFD, -1},   {0x10FFFF, -1}, {0x80, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(codePage.Byte(c.character), c.byte) << static_cast<std::uint32_t>(c.character);
  EXPECT_EQ(codePage.Character(0xB0), U'A');
  EXPECT_EQ(CodePage::Undefined(0x81), 0x81u);
  EXPECT_EQ(CodePage::Undefined(0xAA), 0xF7AAu);
}

TEST(Utf8Library, TheReaderDecodesByTheFilesEncoding) {
  struct Case {
    const char* what;
    std::string raw;
    int codePage;
    std::string logical;
  };
  const std::vector<Case> cases = {
      {"the mark is left out", kBom + "caf\xC3\xA9", 1252, "caf\xE9"},
      {"the mark, then CR LF", kBom + "~a\r\nb", 1252, "~a\nb"},
      {"the mark alone", kBom, 1252, ""},
      {"UTF-8 without the mark", "caf\xC3\xA9\nx", 1252, "caf\xE9\nx"},
      {"a Windows-1252 file stays as it is", "caf\xE9", 1252, "caf\xE9"},
      {"good UTF-8 at first, then a code-page byte", "\xC3\xA9t\xE9", 1252, "\xC3\xA9t\xE9"},
      {"ASCII alone", "plain\r\ntext", 1252, "plain\ntext"},
      {"typographic punctuation",
       "\xE2\x80\x9Cq\xE2\x80\x9D \xE2\x80\x93 it\xE2\x80\x99s\xE2\x80\xA6", 1252,
       "\x93q\x94 \x96 it\x92s\x85"},
      {"Cyrillic in 1251", "\xD0\x9C\xD0\xB8\xD1\x80", 1251, "\xCC\xE8\xF0"},
      {"Cyrillic in 1252: characters it lacks", "\xD0\x9C\xD0\xB8\xD1\x80", 1252, "???"},
      {"Greek in 1253", "\xCE\xA9\xCE\xAC", 1253, "\xD9\xDC"},
      {"a character past the BMP",
       "a\xF0\x9F\x98\x80"
       "b",
       1252, "a?b"},
      {"a mark further on is a character like any", "a\xEF\xBB\xBF\xC3\xA9", 1252, "a?\xE9"},
      {"U+0081 is the byte 0x81", "\xC2\x81", 1252, "\x81"},
      {"broken sequences after the mark",
       kBom + "a\xC3"
              "b\xE2\x82\r\nc\x80\xFF",
       1252, "a?b?\nc??"},
      {"overlong form and surrogate after the mark", kBom + "\xC0\xAF\xED\xA0\x80", 1252, "?????"},
      {"a sequence cut by the end of the file", kBom + "a\xE2\x82", 1252, "a?"},
      {"a zero byte inside a sequence is skipped", std::string("caf\xC3\0\xA9", 6), 1252,
       "caf\xE9"},
      {"bytes behind the end mark do not count", std::string("\xC3\xA9\x1A\xFF", 4), 1252, "\xE9"},
      {"a lone CR before a character", "a\r\xC3\xA9", 1252, "a\r\xE9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectLogicalViews(c.raw, WindowsCodePage(c.codePage), c.logical);
  }
}

// The first character outside ASCII may come late, and the byte that rules UTF-8
// out later still: the whole file decides, across many chunks.
TEST(Utf8Library, TheWholeFileDecides) {
  const std::string ascii(200 * 1024, 'a');
  const std::string more(100 * 1024, 'b');
  struct Case {
    const char* what;
    std::string raw;
    std::string logical;
  };
  const std::vector<Case> cases = {
      {"good UTF-8 first, a code-page byte far behind", "\xC3\xA9" + ascii + "\xE9",
       "\xC3\xA9" + ascii + "\xE9"},
      {"late UTF-8, a code-page byte later", ascii + "\xC3\xA9" + more + "\xE9",
       ascii + "\xC3\xA9" + more + "\xE9"},
      {"late UTF-8 and nothing else", ascii + "\xC3\xA9" + more + "\xC3\xA0",
       ascii + "\xE9" + more + "\xE0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectLogicalViews(c.raw, support::Cp1252(), c.logical, {TestFileReader::kDefaultChunk, 4096});
  }
}

// The languages of the people who practise: English with typographic punctuation,
// French and German (1252), Polish (1250), Russian (1251), Greek (1253), Turkish
// (1254), each saved as an editor saves UTF-8: with or without the mark, CR LF or
// LF line ends. Every name lists and selects, every text wraps by characters and
// types to a Report without an error.
TEST(Utf8Library, SevenLanguagesListWrapAndType) {
  struct Language {
    const char* what;
    int codePage;
    std::string name;
    std::string text;
  };
  const std::vector<Language> languages = {
      {"English", 1252, "\xE2\x80\x9CQuotes\xE2\x80\x9D \xE2\x80\x93 and so on\xE2\x80\xA6",
       "\xE2\x80\x9CTyping,\xE2\x80\x9D she said \xE2\x80\x93 \xE2\x80\x9Cis a craft\xE2\x80\xA6"
       "\xE2\x80\x9D It\xE2\x80\x99s the writer\xE2\x80\x99s way to speak."},
      {"French", 1252, "Caf\xC3\xA9 cr\xC3\xA8me",
       "\xC2\xAB O\xC3\xB9 est le caf\xC3\xA9 ? \xC2\xBB demanda l\xE2\x80\x99\xC3\xA9l\xC3\xA8ve"
       " ; \xC3\xA0 c\xC3\xB4t\xC3\xA9, un gar\xC3\xA7on na\xC3\xAF"
       "f mangeait des "
       "cr\xC3\xAApes.\nC\xE2\x80\x99\xC3\xA9tait No\xC3\xABl."},
      {"German", 1252,
       "Stra\xC3\x9F"
       "e",
       "Der Stra\xC3\x9F"
       "enbahnfahrer gr\xC3\xBC\xC3\x9Ft h\xC3\xB6"
       "flich; \xC3\xBC"
       "ber "
       "\xC3\x84pfel und \xC3\x96l spricht er gern."},
      {"Polish", 1250, "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85",
       "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84, "
       "pchn\xC4\x85\xC4\x87 w t\xC4\x99 \xC5\x82\xC3\xB3"
       "d\xC5\xBA je\xC5\xBC"
       "a lub "
       "o\xC5\x9Bm skrzy\xC5\x84 fig."},
      {"Russian", 1251, "\xD0\xA1\xD1\x8A\xD0\xB5\xD1\x88\xD1\x8C \xD0\xB6\xD0\xB5",
       "\xD0\xA1\xD1\x8A\xD0\xB5\xD1\x88\xD1\x8C \xD0\xB6\xD0\xB5 \xD0\xB5\xD1\x89\xD1\x91 "
       "\xD1\x8D\xD1\x82\xD0\xB8\xD1\x85 \xD0\xBC\xD1\x8F\xD0\xB3\xD0\xBA\xD0\xB8\xD1\x85 "
       "\xD1\x84\xD1\x80\xD0\xB0\xD0\xBD\xD1\x86\xD1\x83\xD0\xB7\xD1\x81\xD0\xBA\xD0\xB8\xD1\x85 "
       "\xD0\xB1\xD1\x83\xD0\xBB\xD0\xBE\xD0\xBA, \xD0\xB4\xD0\xB0 \xD0\xB2\xD1\x8B\xD0\xBF"
       "\xD0\xB5\xD0\xB9 \xD1\x87\xD0\xB0\xD1\x8E."},
      {"Greek", 1253, "\xCE\x9E\xCE\xB5\xCF\x83\xCE\xBA\xCE\xB5\xCF\x80\xCE\xAC\xCE\xB6\xCF\x89",
       "\xCE\x9E\xCE\xB5\xCF\x83\xCE\xBA\xCE\xB5\xCF\x80\xCE\xAC\xCE\xB6\xCF\x89 \xCF\x84\xCE\xB7"
       "\xCE\xBD \xCF\x88\xCF\x85\xCF\x87\xCE\xBF\xCF\x86\xCE\xB8\xCF\x8C\xCF\x81\xCE\xB1 "
       "\xCE\xB2\xCE\xB4\xCE\xB5\xCE\xBB\xCF\x85\xCE\xB3\xCE\xBC\xCE\xAF\xCE\xB1, \xCE\xB3\xCF"
       "\x81\xCE\xAC\xCF\x86\xCE\xB5\xCE\xB9 \xCE\xBF \xCE\xB4\xCE\xAC\xCF\x83\xCE\xBA\xCE\xB1"
       "\xCE\xBB\xCE\xBF\xCF\x82."},
      {"Turkish", 1254,
       "\xC5\x9E"
       "of\xC3\xB6r",
       "Pijamal\xC4\xB1 hasta ya\xC4\x9F\xC4\xB1z \xC5\x9F"
       "of\xC3\xB6re \xC3\xA7"
       "abucak "
       "g\xC3\xBCvendi; \xC4\xB0stanbul\xE2\x80\x99"
       "da k\xC4\xB1\xC5\x9F."},
  };
  struct Saving {
    const char* what;
    bool mark;
    const char* lineEnd;
  };
  const std::vector<Saving> savings = {
      {"UTF-8, LF", false, "\n"},
      {"UTF-8, CR LF", false, "\r\n"},
      {"UTF-8 with the mark, LF", true, "\n"},
      {"UTF-8 with the mark, CR LF", true, "\r\n"},
  };
  const auto withLineEnds = [](const std::string& text, const std::string& lineEnd) {
    std::string out;
    for (const char c : text) {
      if (c == '\n') {
        out += lineEnd;
      } else {
        out += c;
      }
    }
    return out;
  };

  for (const Language& language : languages) {
    const CodePage& codePage = WindowsCodePage(language.codePage);
    const std::string name = ToCodePage(language.name, language.codePage);
    const std::string text = ToCodePage(language.text, language.codePage);

    // What the same library in the code page loads as: the oracle for wrapping.
    std::vector<std::string> expectedLines;
    {
      fake::FakeWindow window({}, codePage);
      WriteFile(window.LibraryFile().string(),
                "~" + name + "\r\n" + withLineEnds(text, "\r\n") + "\r\n~After\r\nx");
      window.Select(name);
      window.Type("\r");
      ASSERT_TRUE(window.program.TestRunning) << language.what;
      expectedLines = fake::TargetLines(window.program.lines);
    }
    ASSERT_GT(expectedLines.size(), 1u) << language.what << ": the text fills one line";

    for (const Saving& saving : savings) {
      SCOPED_TRACE(std::string(language.what) + ", " + saving.what);
      fake::FakeWindow window({}, codePage);
      const std::string path = window.LibraryFile().string();
      const std::string end = saving.lineEnd;
      WriteFile(path, (saving.mark ? kBom : "") + "~" + language.name + end +
                          withLineEnds(language.text, end) + end + "~After" + end + "x" + end);

      EXPECT_EQ(Names(path, codePage), (std::vector<std::string>{name, "After"}));

      window.Select(name);
      window.Type("\r");
      ASSERT_TRUE(window.program.TestRunning);
      const std::vector<std::string> lines = fake::TargetLines(window.program.lines);
      EXPECT_EQ(lines, expectedLines);
      // Wrapped by characters: the lines hold the code-page text whole, in order,
      // none longer than the line capacity allows.
      std::string joined;
      for (const std::string& line : lines) {
        EXPECT_LE(line.size(), static_cast<std::size_t>(window.program.layout.LineCapacity - 1));
        joined += line;
      }
      std::string unbroken = text;
      std::erase(unbroken, '\n');
      EXPECT_EQ(joined, unbroken);

      // Typed as the target shows it, the run reaches the Report without an error.
      for (const std::string& line : lines) window.Type(line);
      ASSERT_EQ(window.host.reports.size(), 1u);
      EXPECT_EQ(window.host.reports[0].errors, "0");
    }
  }
}

TEST(Utf8Library, ANameIsCutAtFortySevenCharactersNotBytes) {
  TempDir dir;
  std::string longName;
  for (int i = 0; i < 50; ++i) longName += "\xD0\xB6";  // 50 times Cyrillic zhe
  WriteFile(dir.Library(), "~" + longName + "\n" + "text\n~Next\nx");
  EXPECT_EQ(Names(dir.Library(), WindowsCodePage(1251)),
            (std::vector<std::string>{std::string(47, '\xE6'), "Next"}));
}

TEST(Utf8Library, AnAppendKeepsTheFilesEncoding) {
  struct Case {
    const char* what;
    std::optional<std::string> before;  // nullopt: no file
    int codePage;
    std::string name;  // code-page bytes, as the dialog hands them over
    std::string text;
    std::string appended;
  };
  const std::vector<Case> cases = {
      {"a missing library gets code-page bytes", std::nullopt, 1252, "Caf\xE9", "cr\xE8me",
       "\r\n~Caf\xE9\r\ncr\xE8me"},
      {"an empty library too", "", 1252, "Caf\xE9", "cr\xE8me", "\r\n~Caf\xE9\r\ncr\xE8me"},
      {"an ASCII library too", "\r\n~A\r\nb", 1252, "Caf\xE9", "cr\xE8me",
       "\r\n~Caf\xE9\r\ncr\xE8me"},
      {"a code-page library too", "\r\n~A\r\nd\xE9j\xE0", 1252, "Caf\xE9", "a\r\nb\xE8",
       "\r\n~Caf\xE9\r\na\r\r\nb\xE8"},
      {"a UTF-8 library gets UTF-8", "~A\nd\xC3\xA9j\xC3\xA0\n", 1252, "Caf\xE9",
       "\x93"
       "a\x94\r\nb\xE8",
       "\r\n~Caf\xC3\xA9\r\n\xE2\x80\x9C"
       "a\xE2\x80\x9D\r\r\nb\xC3\xA8"},
      {"so does the mark alone", kBom, 1252, "Caf\xE9", "x", "\r\n~Caf\xC3\xA9\r\nx"},
      {"and the mark before ASCII", kBom + "~A\r\nb", 1252, "B", "\xE9", "\r\n~B\r\n\xC3\xA9"},
      {"a Russian UTF-8 library in 1251", "~\xD0\xA2\n\xD1\x82", 1251, "\xD2\xE5\xF1\xF2",
       "\xEC\xE8\xF0", "\r\n~\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82\r\n\xD0\xBC\xD0\xB8\xD1\x80"},
      {"an undefined byte keeps its C1 character", kBom, 1252, "x", "\x81", "\r\n~x\r\n\xC2\x81"},
      {"code-page bytes that read as UTF-8 are written in UTF-8", "\r\n~A\r\nb", 1252, "\xC3\xA9",
       "x", "\r\n~\xC3\x83\xC2\xA9\r\nx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    if (c.before) WriteFile(dir.Library(), *c.before);
    const CodePage& codePage = WindowsCodePage(c.codePage);
    ASSERT_TRUE(AppendTest(dir.Library(), codePage, c.name, c.text));
    EXPECT_EQ(ReadFile(dir.Library()), c.before.value_or("") + c.appended);
    // And it reads back as the very bytes that were saved.
    const std::vector<std::string> names = Names(dir.Library(), codePage);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back(), c.name);
    TestFileReader reader(dir.Library(), codePage);
    ASSERT_TRUE(FindTest(reader, c.name.c_str()));
    char piece[64];
    reader.ReadPiece(piece, sizeof piece);
    std::string firstLine = c.text.substr(0, c.text.find("\r\n"));
    if (firstLine.size() < c.text.size()) firstLine += '\r';  // the text box's break
    EXPECT_EQ(std::string(piece), firstLine);
  }
}

}  // namespace
}  // namespace keyrill
