// The code page's table from iconv, a byte at a time.
#include <iconv.h>

#include <array>
#include <string>

#include "convert/system_code_page.h"

namespace keyrill {

std::optional<CodePage> SystemCodePage(int number) {
  const std::string name = "CP" + std::to_string(number);
  iconv_t converter = iconv_open("UTF-32LE", name.c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::array<char32_t, 256> characters{};
  for (int byte = 0; byte < 256; ++byte) {
    char in = static_cast<char>(byte);
    unsigned char out[8] = {};
    char* inPointer = &in;
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);  // a fresh state for each byte
    const std::size_t done = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    if (done == static_cast<std::size_t>(-1) || sizeof out - outLeft != 4) {
      characters[byte] = CodePage::Undefined(static_cast<unsigned char>(byte));
    } else {
      characters[byte] = out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
    }
  }
  iconv_close(converter);
  return CodePage(characters);
}

}  // namespace keyrill
