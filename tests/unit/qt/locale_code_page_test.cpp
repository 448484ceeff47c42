// The Linux program's code page, apart from its toolkit: which Windows code page a
// locale picks and the tables iconv gives. Test side, built only where the Qt layer
// is (the code it checks lives there and reads iconv).
#include "qt/locale_code_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace keyrill::qt
