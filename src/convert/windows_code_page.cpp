// The code page's table from MultiByteToWideChar, a byte at a time.
#include <windows.h>

#include <array>

#include "convert/system_code_page.h"

namespace keyrill {

std::optional<CodePage> SystemCodePage(int number) {
  const auto page = static_cast<UINT>(number);
  if (page != CP_ACP && !IsValidCodePage(page)) return std::nullopt;
  std::array<char32_t, 256> characters{};
  for (int byte = 0; byte < 256; ++byte) {
    const char in = static_cast<char>(byte);
    wchar_t out[2] = {};
    // A byte that is one character gives one UTF-16 unit; a lead byte of a
    // double-byte code page, or a failure, gives none of its own.
    const int got = MultiByteToWideChar(page, 0, &in, 1, out, 2);
    characters[byte] = got == 1 && (out[0] < 0xD800 || out[0] > 0xDFFF)
                           ? static_cast<char32_t>(out[0])
                           : CodePage::Undefined(static_cast<unsigned char>(byte));
  }
  return CodePage(characters);
}

}  // namespace keyrill
