// The program's code page: the character each of the 256 bytes stands for, as the
// platform's own converter reports it at start, and the way back. Core side; the
// platform layer builds it, the library reads and writes UTF-8 files with it.
#pragma once

#include <array>
#include <cstdint>

namespace keyrill {

class CodePage {
 public:
  // characters[b] is the Unicode scalar value of byte b. A byte the converter leaves
  // undefined should still have a character of its own (Windows gives 0x80..0x9F
  // their C1 control code), so that every byte survives a round trip.
  explicit CodePage(const std::array<char32_t, 256>& characters);

  // What a converter-built table gives a byte the converter leaves undefined:
  // 0x80..0x9F their C1 control code (as Windows does), any other a private-use
  // character of its own, so no two bytes share one.
  static char32_t Undefined(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? byte : 0xF700u + byte;
  }

  char32_t Character(unsigned char byte) const { return characters_[byte]; }
  // The byte standing for character, or -1 when the code page has none. ASCII is
  // always itself; the first of two bytes with the same character wins.
  int Byte(char32_t character) const;

 private:
  struct Entry {
    char32_t character;
    std::uint8_t byte;
  };
  static constexpr char32_t kDirect = 0x800;  // below: one look-up, no search
  std::array<char32_t, 256> characters_;
  std::array<std::int16_t, kDirect> direct_{};  // the byte, or -1
  std::array<Entry, 128> upper_{};              // bytes 0x80..0xFF by character, for the rest
  int upperCount_ = 0;
};

}  // namespace keyrill
