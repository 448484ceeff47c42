// Code-page tables from the system's converter, cached per number. Test side.
#include "support/code_pages.h"

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace keyrill::support {
namespace {

#ifdef _WIN32
std::array<char32_t, 256> Characters(int number) {
  std::array<char32_t, 256> characters{};
  for (int byte = 0; byte < 256; ++byte) {
    const char in = static_cast<char>(byte);
    wchar_t out[2] = {};
    const int got = MultiByteToWideChar(static_cast<UINT>(number), 0, &in, 1, out, 2);
    if (got == 0) throw std::runtime_error("no converter for code page " + std::to_string(number));
    // As the program's own table: a lone surrogate is no character of its own.
    characters[byte] = got == 1 && (out[0] < 0xD800 || out[0] > 0xDFFF)
                           ? static_cast<char32_t>(out[0])
                           : CodePage::Undefined(static_cast<unsigned char>(byte));
  }
  return characters;
}
#else
std::array<char32_t, 256> Characters(int number) {
  const std::string name = "CP" + std::to_string(number);
  iconv_t converter = iconv_open("UTF-32LE", name.c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("no converter for " + name);
  }
  std::array<char32_t, 256> characters{};
  for (int byte = 0; byte < 256; ++byte) {
    char in = static_cast<char>(byte);
    unsigned char out[8] = {};
    char* inPointer = &in;
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    const std::size_t done = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    if (done == static_cast<std::size_t>(-1) || sizeof out - outLeft != 4) {
      characters[byte] = CodePage::Undefined(static_cast<unsigned char>(byte));
    } else {
      characters[byte] = static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
    }
  }
  iconv_close(converter);
  return characters;
}
#endif

}  // namespace

#ifdef _WIN32
std::string ToCodePage(std::string_view utf8, int number) {
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), size)));
  std::string bytes(wide.size() * 2 + 1, '\0');
  BOOL defaulted = FALSE;
  bytes.resize(static_cast<std::size_t>(
      WideCharToMultiByte(static_cast<UINT>(number), 0, wide.data(), static_cast<int>(wide.size()),
                          bytes.data(), static_cast<int>(bytes.size()), nullptr, &defaulted)));
  if (defaulted) throw std::runtime_error("a character without a byte");
  return bytes;
}
#else
std::string ToCodePage(std::string_view utf8, int number) {
  const std::string name = "CP" + std::to_string(number);
  iconv_t converter = iconv_open(name.c_str(), "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("no converter for " + name);
  }
  std::string in(utf8);
  std::string bytes(in.size() + 1, '\0');
  char* inPointer = in.data();
  char* outPointer = bytes.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = bytes.size();
  const std::size_t done = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
  iconv_close(converter);
  if (done == static_cast<std::size_t>(-1) || inLeft != 0) {
    throw std::runtime_error("a character without a byte in " + name);
  }
  bytes.resize(bytes.size() - outLeft);
  return bytes;
}
#endif

const CodePage& WindowsCodePage(int number) {
  static std::mutex lock;
  static std::map<int, std::unique_ptr<CodePage>> made;
  const std::lock_guard<std::mutex> guard(lock);
  auto& slot = made[number];
  if (!slot) slot = std::make_unique<CodePage>(Characters(number));
  return *slot;
}

}  // namespace keyrill::support
