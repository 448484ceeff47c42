// UTF-8 sequences, the streaming check and the encoder. Core side.
#include "library/utf8.h"

#include <cstdint>
#include <cstring>

namespace keyrill {

Utf8Lead Utf8LeadOf(unsigned char byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return {1, 0x80, 0xBF, byte & 0x1Fu};
  if (byte == 0xE0) return {2, 0xA0, 0xBF, 0};
  if (byte == 0xED) return {2, 0x80, 0x9F, 0x0D};
  if (byte >= 0xE1 && byte <= 0xEF) return {2, 0x80, 0xBF, byte & 0x0Fu};
  if (byte == 0xF0) return {3, 0x90, 0xBF, 0};
  if (byte >= 0xF1 && byte <= 0xF3) return {3, 0x80, 0xBF, byte & 0x07u};
  if (byte == 0xF4) return {3, 0x80, 0x8F, 4};
  return {};
}

void Utf8Check::Feed(const unsigned char* bytes, std::size_t count) {
  std::size_t i = 0;
  while (i < count && !broken_) {
    if (needed_ == 0) {
      // Runs of ASCII, the bulk of most files, eight bytes at a time.
      while (i + 8 <= count) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        if ((word & 0x8080808080808080ull) != 0) break;
        i += 8;
      }
      if (i == count) break;
      const unsigned char byte = bytes[i++];
      if (byte < 0x80) continue;
      nonAscii_ = true;
      // A two-byte character whole in view, the bulk of Greek or Cyrillic text.
      if (byte >= 0xC2 && byte <= 0xDF && i < count && (bytes[i] & 0xC0) == 0x80) {
        ++i;
        continue;
      }
      const Utf8Lead lead = Utf8LeadOf(byte);
      if (lead.continuations < 0) {
        broken_ = true;
        break;
      }
      needed_ = lead.continuations;
      low_ = lead.low;
      high_ = lead.high;
    } else {
      const unsigned char byte = bytes[i++];
      if (byte == 0) continue;
      if (byte < low_ || byte > high_) {
        broken_ = true;
        break;
      }
      low_ = 0x80;
      high_ = 0xBF;
      --needed_;
    }
  }
}

void AppendUtf8(std::string& out, char32_t character) {
  const auto unit = [](char32_t bits) { return static_cast<char>(bits); };
  if (character < 0x80) {
    out += unit(character);
  } else if (character < 0x800) {
    out += unit(0xC0 | (character >> 6));
    out += unit(0x80 | (character & 0x3F));
  } else if (character < 0x10000) {
    if (character >= 0xD800 && character <= 0xDFFF) {
      out += '?';
      return;
    }
    out += unit(0xE0 | (character >> 12));
    out += unit(0x80 | ((character >> 6) & 0x3F));
    out += unit(0x80 | (character & 0x3F));
  } else if (character <= 0x10FFFF) {
    out += unit(0xF0 | (character >> 18));
    out += unit(0x80 | ((character >> 12) & 0x3F));
    out += unit(0x80 | ((character >> 6) & 0x3F));
    out += unit(0x80 | (character & 0x3F));
  } else {
    out += '?';
  }
}

}  // namespace keyrill
