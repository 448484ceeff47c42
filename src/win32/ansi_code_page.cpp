// The ANSI code page's table from the system's converter, and its GDI charset.
// Platform side (Win32).
#include "win32/ansi_code_page.h"

#include <windows.h>

#include "convert/system_code_page.h"

namespace keyrill::win32 {

CodePage AnsiCodePage() {
  // The ANSI code page always has its converter.
  return SystemCodePage(CP_ACP).value();
}

unsigned char AnsiCharset() {
  CHARSETINFO info{};
  const auto codePage = static_cast<UINT_PTR>(GetACP());
  if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(codePage), &info, TCI_SRCCODEPAGE)) {
    return ANSI_CHARSET;
  }
  return static_cast<unsigned char>(info.ciCharset);
}

}  // namespace keyrill::win32
