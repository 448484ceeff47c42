// The Linux program's code page, apart from its toolkit: which Windows code page a
// locale picks, the tables iconv gives, and the shipped language libraries in the
// code page of their language. Test side, built only where the Qt layer is (the
// code it checks lives there and reads iconv).
#include "qt/locale_code_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fakes/fake_window.h"
#include "library/library_file.h"
#include "support/code_pages.h"
#include "support/files.h"
#include "unit/reader_view.h"

namespace keyrill::qt {
namespace {

TEST(LocaleCodePage, ChosenFromTheOverrideAndTheLocaleVariables) {
  struct Case {
    const char* override;
    const char* lcAll;
    const char* lcCtype;
    const char* lang;
    int codePage;
  };
  const std::vector<Case> cases = {
      {nullptr, nullptr, nullptr, nullptr, 1252},
      {nullptr, nullptr, nullptr, "C", 1252},
      {nullptr, nullptr, nullptr, "POSIX", 1252},
      {nullptr, nullptr, nullptr, "C.UTF-8", 1252},
      {nullptr, nullptr, nullptr, "en_GB.UTF-8", 1252},
      {nullptr, nullptr, nullptr, "fr_FR.UTF-8", 1252},
      {nullptr, nullptr, nullptr, "de_DE@euro", 1252},
      {nullptr, nullptr, nullptr, "pl_PL.UTF-8", 1250},
      {nullptr, nullptr, nullptr, "cs_CZ", 1250},
      {nullptr, nullptr, nullptr, "hu_HU.ISO-8859-2", 1250},
      {nullptr, nullptr, nullptr, "ru_RU.UTF-8", 1251},
      {nullptr, nullptr, nullptr, "uk_UA.KOI8-U", 1251},
      {nullptr, nullptr, nullptr, "sr_RS", 1251},
      {nullptr, nullptr, nullptr, "sr_RS@latin", 1250},
      {nullptr, nullptr, nullptr, "el_GR.UTF-8", 1253},
      {nullptr, nullptr, nullptr, "tr_TR.UTF-8", 1254},
      {nullptr, nullptr, nullptr, "lt_LT.UTF-8", 1257},
      {nullptr, nullptr, nullptr, "lv_LV", 1257},
      {nullptr, nullptr, nullptr, "et_EE.UTF-8", 1257},
      // Right to left, or combining marks: beyond one byte a cell.
      {nullptr, nullptr, nullptr, "he_IL.UTF-8", 1252},
      {nullptr, nullptr, nullptr, "ar_EG.UTF-8", 1252},
      {nullptr, nullptr, nullptr, "vi_VN", 1252},
      {nullptr, nullptr, nullptr, "ja_JP.UTF-8", 1252},
      // LC_ALL before LC_CTYPE before LANG; an empty one does not count.
      {nullptr, "el_GR.UTF-8", "ru_RU.UTF-8", "pl_PL.UTF-8", 1253},
      {nullptr, "", "ru_RU.UTF-8", "pl_PL.UTF-8", 1251},
      {nullptr, nullptr, "", "pl_PL.UTF-8", 1250},
      {nullptr, "C", "ru_RU.UTF-8", nullptr, 1252},
      // The variable wins when it names a code page the program runs in.
      {"1251", "de_DE.UTF-8", nullptr, nullptr, 1251},
      {"1257", nullptr, nullptr, "ru_RU.UTF-8", 1257},
      {"1255", nullptr, nullptr, "ru_RU.UTF-8", 1251},
      {"cyrillic", nullptr, nullptr, "tr_TR.UTF-8", 1254},
      {"", nullptr, nullptr, "el_GR", 1253},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.override ? c.override : "-") + " " + (c.lcAll ? c.lcAll : "-") +
                 " " + (c.lcCtype ? c.lcCtype : "-") + " " + (c.lang ? c.lang : "-"));
    EXPECT_EQ(ChooseCodePage(c.override, c.lcAll, c.lcCtype, c.lang), c.codePage);
  }
}

TEST(LocaleCodePage, TablesMapCharactersToBytesAndBack) {
  struct Case {
    int number;
    char32_t character;
    int byte;
  };
  const std::vector<Case> cases = {
      {1252, U'A', 0x41},      {1252, U'\u20AC', 0x80}, {1252, U'\u2019', 0x92},
      {1252, U'\u0178', 0x9F}, {1252, U'\u00E9', 0xE9}, {1252, U'\u00FF', 0xFF},
      {1252, U'\u0142', -1},   {1252, U'\u0080', -1},   {1252, U'\u2603', -1},
      {1252, U'\u009D', 0x9D}, {1250, U'\u0142', 0xB3}, {1250, U'\u015A', 0x8C},
      {1250, U'\u0151', 0xF5}, {1251, U'\u042F', 0xDF}, {1251, U'\u0451', 0xB8},
      {1251, U'\u20AC', 0x88}, {1251, U'\u00E9', -1},   {1253, U'\u03A9', 0xD9},
      {1253, U'\u03AC', 0xDC}, {1254, U'\u011F', 0xF0}, {1254, U'\u0130', 0xDD},
      {1257, U'\u0101', 0xE2}, {1257, U'\u0173', 0xF8}, {1257, U'\u017E', 0xFE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.number) + " U+" + std::to_string(c.character));
    const CodePage codePage = MakeCodePage(c.number);
    EXPECT_EQ(codePage.Byte(c.character), c.byte);
    if (c.byte >= 0) {
      EXPECT_EQ(codePage.Character(static_cast<unsigned char>(c.byte)), c.character);
    }
  }
}

// Each library of samples/languages, named as a locale names its language, in the
// code page a first start in that locale runs in: the whole file reads as the
// system's converter reads it (no "?" for a character the code page lacks), every
// name is whole and at most 47 bytes, and the first test types to a Report
// without an error.
TEST(LocaleCodePage, EveryLanguageLibraryReadsAndTypesInItsLocalesCodePage) {
  int libraries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KEYRILL_LANGUAGE_LIBRARIES)) {
    if (entry.path().extension() != ".tst") continue;
    ++libraries;
    const std::string path = entry.path().string();
    const std::string locale = entry.path().stem().string();
    SCOPED_TRACE(locale);
    const int number = CodePageForLocale(locale.c_str());
    const CodePage codePage = MakeCodePage(number);

    std::string lines = support::ReadFile(entry.path());
    for (std::size_t at = 0; (at = lines.find("\r\n", at)) != std::string::npos;)
      lines.erase(at, 1);  // CR LF reads as LF
    std::string expected;
    ASSERT_NO_THROW(expected = support::ToCodePage(lines, number))
        << "the library holds a character code page " << number << " lacks";
    EXPECT_EQ(LogicalView(path, codePage), expected);

    // Every line that starts with "~" names a test, and a text follows each name (a
    // line of a text starting with "~" would cut it).
    std::vector<std::string> headers;
    for (std::size_t at = 0; (at = expected.find("\n~", at)) != std::string::npos; ++at) {
      const std::size_t end = expected.find('\n', at + 1);
      headers.push_back(expected.substr(at + 2, end - at - 2));
      EXPECT_TRUE(end != std::string::npos && end + 1 < expected.size() &&
                  expected[end + 1] != '~' && expected[end + 1] != '\n')
          << "no text after " << headers.back();
    }
    std::vector<std::string> names;
    ListTestNames(path, codePage, [&](const char* name) { names.emplace_back(name); });
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names, headers);
    for (const std::string& header : headers) EXPECT_LE(header.size(), 47u) << header;

    fake::FakeWindow window({}, codePage);
    std::filesystem::copy_file(entry.path(), window.LibraryFile());
    window.Select(names.front());
    window.Type("\r");
    ASSERT_TRUE(window.program.TestRunning);
    for (const std::string& line : fake::TargetLines(window.program.lines)) window.Type(line);
    ASSERT_EQ(window.host.reports.size(), 1u);
    EXPECT_EQ(window.host.reports[0].errors, "0");
  }
  EXPECT_GE(libraries, 30);
}

}  // namespace
}  // namespace keyrill::qt
