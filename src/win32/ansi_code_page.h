// The program's code page on Windows: the system's ANSI code page, the one every
// A function already speaks, with its table made once by MultiByteToWideChar.
// Platform side (Win32).
#pragma once

#include "program/code_page.h"

namespace keyrill::win32 {

CodePage AnsiCodePage();

}  // namespace keyrill::win32
