// The ANSI code page's table, a byte at a time from the system's converter.
// Platform side (Win32).
#include "win32/ansi_code_page.h"

#include <windows.h>

#include <array>

namespace keyrill::win32 {

CodePage AnsiCodePage() {
  std::array<char32_t, 256> characters{};
  for (int byte = 0; byte < 256; ++byte) {
    const char in = static_cast<char>(byte);
    wchar_t out[2] = {};
    // A byte that is one character gives one UTF-16 unit; a lead byte of a
    // double-byte code page, or a failure, gives none of its own.
    const int got = MultiByteToWideChar(CP_ACP, 0, &in, 1, out, 2);
    characters[byte] = got == 1 && (out[0] < 0xD800 || out[0] > 0xDFFF)
                           ? static_cast<char32_t>(out[0])
                           : CodePage::Undefined(static_cast<unsigned char>(byte));
  }
  return CodePage(characters);
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
