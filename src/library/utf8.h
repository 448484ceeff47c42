// UTF-8 as the library file uses it: the shape of a sequence from its lead byte, a
// streaming validity check, and encoding one character. Core side.
#pragma once

#include <cstddef>
#include <string>

namespace keyrill {

inline constexpr unsigned char kUtf8Bom[3] = {0xEF, 0xBB, 0xBF};

// What a lead byte promises: how many continuation bytes follow, the range the
// first of them must lie in (which rules out overlong forms, surrogates and values
// past U+10FFFF), and the lead's own bits of the value. continuations < 0: not a
// lead byte (a continuation byte, or a byte UTF-8 never uses).
struct Utf8Lead {
  int continuations = -1;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  char32_t bits = 0;
};
Utf8Lead Utf8LeadOf(unsigned char byte);

// Whether a stream of bytes, fed in any number of parts, is valid UTF-8 and holds
// a character outside ASCII. Zero bytes are passed over wherever they stand, since
// the reader drops them before it decodes.
class Utf8Check {
 public:
  void Feed(const unsigned char* bytes, std::size_t count);
  bool Broken() const { return broken_; }
  bool Valid() const { return !broken_ && needed_ == 0; }
  bool SawNonAscii() const { return nonAscii_; }

 private:
  int needed_ = 0;  // continuation bytes still owed by the current sequence
  unsigned char low_ = 0x80;
  unsigned char high_ = 0xBF;
  bool broken_ = false;
  bool nonAscii_ = false;
};

// Appends character in UTF-8; a value UTF-8 cannot hold (a surrogate, past
// U+10FFFF) appends "?".
void AppendUtf8(std::string& out, char32_t character);

}  // namespace keyrill
