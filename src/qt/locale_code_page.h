// The program's code page on Linux: the Windows code page of the user's language,
// read from the locale (LC_ALL, LC_CTYPE, LANG) or named by KEYRILL_CODEPAGE, and
// its table made once by the system's converter (iconv). Platform side (Qt).
#pragma once

#include "program/code_page.h"

namespace keyrill::qt {

// The code pages the program runs in: one byte a character, written left to right.
inline constexpr int kSupportedCodePages[] = {1250, 1251, 1252, 1253, 1254, 1257};
inline constexpr int kDefaultCodePage = 1252;
inline constexpr const char* kCodePageVariable = "KEYRILL_CODEPAGE";

// The code page for a locale name such as "ru_RU.UTF-8", "sr_RS@latin" or "C":
// Central European 1250, Cyrillic 1251, Greek 1253, Turkish 1254, Baltic 1257,
// anything else (Western languages, C, POSIX, unknown, and the right-to-left or
// combining-mark languages of 1255, 1256 and 1258) 1252.
int CodePageForLocale(const char* locale);

// The choice from these variables' values (null when unset): override when it names
// a supported code page, else the first non-empty of LC_ALL, LC_CTYPE and LANG.
int ChooseCodePage(const char* override, const char* lcAll, const char* lcCtype, const char* lang);

// ChooseCodePage on the process's environment.
int CodePageFromEnvironment();

// The table of Windows code page number from iconv. Bytes iconv leaves undefined
// get CodePage::Undefined. Without a converter for it, Windows-1252's table; without
// that either, each byte its Latin-1 character.
CodePage MakeCodePage(int number);

}  // namespace keyrill::qt
