// The locale's Windows code page and its table from iconv. Platform side (Qt).
#include "qt/locale_code_page.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "convert/system_code_page.h"

namespace keyrill::qt {
namespace {

struct LanguageCodePage {
  const char* language;  // the ISO 639 code a locale name starts with
  int codePage;
};

// The languages Windows writes in a code page other than 1252, as its own locales
// assign them; a Serbian, Uzbek or Azeri locale names its script with "@latin" or
// "@cyrillic".
constexpr LanguageCodePage kLanguages[] = {
    {"bs", 1250}, {"cs", 1250}, {"hr", 1250}, {"hu", 1250}, {"pl", 1250}, {"ro", 1250},
    {"sk", 1250}, {"sl", 1250}, {"sq", 1250}, {"ba", 1251}, {"be", 1251}, {"bg", 1251},
    {"kk", 1251}, {"ky", 1251}, {"mk", 1251}, {"mn", 1251}, {"ru", 1251}, {"sr", 1251},
    {"tg", 1251}, {"tt", 1251}, {"uk", 1251}, {"el", 1253}, {"az", 1254}, {"tr", 1254},
    {"uz", 1254}, {"et", 1257}, {"lt", 1257}, {"lv", 1257},
};

bool Empty(const char* value) {
  return value == nullptr || *value == '\0';
}

}  // namespace

int CodePageForLocale(const char* locale) {
  if (Empty(locale)) return kDefaultCodePage;
  const std::string_view name(locale);
  const std::string_view language = name.substr(0, name.find_first_of("_.@"));
  const std::size_t at = name.find('@');
  const std::string_view modifier = at == std::string_view::npos ? "" : name.substr(at + 1);
  int codePage = kDefaultCodePage;
  for (const LanguageCodePage& entry : kLanguages) {
    if (language == entry.language) codePage = entry.codePage;
  }
  if (language == "sr" && modifier == "latin") return 1250;
  if ((language == "az" || language == "uz") && modifier == "cyrillic") return 1251;
  return codePage;
}

int ChooseCodePage(const char* override, const char* lcAll, const char* lcCtype, const char* lang) {
  if (!Empty(override)) {
    const int asked = std::atoi(override);
    for (const int supported : kSupportedCodePages) {
      if (asked == supported) return asked;
    }
  }
  if (!Empty(lcAll)) return CodePageForLocale(lcAll);
  if (!Empty(lcCtype)) return CodePageForLocale(lcCtype);
  return CodePageForLocale(lang);
}

int CodePageFromEnvironment() {
  return ChooseCodePage(std::getenv(kCodePageVariable), std::getenv("LC_ALL"),
                        std::getenv("LC_CTYPE"), std::getenv("LANG"));
}

CodePage MakeCodePage(int number) {
  if (std::optional<CodePage> table = SystemCodePage(number)) return *table;
  if (number != kDefaultCodePage) return MakeCodePage(kDefaultCodePage);
  std::array<char32_t, 256> latin1{};
  for (std::size_t byte = 0; byte < latin1.size(); ++byte)
    latin1[byte] = static_cast<char32_t>(byte);
  return CodePage(latin1);
}

}  // namespace keyrill::qt
