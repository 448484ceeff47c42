// The program's code page on Windows: the system's ANSI code page, the one every
// A function already speaks, with its table made once by MultiByteToWideChar.
// Platform side (Win32).
#pragma once

#include "program/code_page.h"

namespace keyrill::win32 {

CodePage AnsiCodePage();

// The GDI character set that draws the ANSI code page's bytes (ANSI_CHARSET on a
// Western system, RUSSIAN_CHARSET on a Cyrillic one, GREEK_CHARSET on a Greek one).
unsigned char AnsiCharset();

}  // namespace keyrill::win32
