// Code-page tables from the system's converter, cached per number. Test side.
#include "support/code_pages.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>

#include "convert/system_code_page.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace keyrill::support {
namespace {

CodePage Table(int number) {
  std::optional<CodePage> table = SystemCodePage(number);
  if (!table) throw std::runtime_error("no converter for code page " + std::to_string(number));
  return *table;
}

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
  if (!slot) slot = std::make_unique<CodePage>(Table(number));
  return *slot;
}

}  // namespace keyrill::support
