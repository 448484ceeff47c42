// The code page's reverse lookup: a direct table up to U+07FF (Latin, Greek,
// Cyrillic), the rest of the upper half sorted by character once and searched by
// halving. Core side.
#include "program/code_page.h"

#include <algorithm>

namespace keyrill {

CodePage::CodePage(const std::array<char32_t, 256>& characters) : characters_(characters) {
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const char32_t character = characters_[byte];
    if (character < 0x80) continue;  // no character outside ASCII reads as an ASCII byte
    upper_[upperCount_++] = {character, static_cast<std::uint8_t>(byte)};
  }
  // Stable: of two bytes with one character, the lower stays first and is found.
  std::stable_sort(upper_.begin(), upper_.begin() + upperCount_,
                   [](const Entry& a, const Entry& b) { return a.character < b.character; });
  direct_.fill(-1);
  for (char32_t character = 0; character < 0x80; ++character) {
    direct_[character] = static_cast<std::int16_t>(character);
  }
  for (int i = upperCount_ - 1; i >= 0; --i) {  // backwards: the first of equals wins
    if (upper_[i].character < kDirect) direct_[upper_[i].character] = upper_[i].byte;
  }
}

int CodePage::Byte(char32_t character) const {
  if (character < kDirect) return direct_[character];
  const auto end = upper_.begin() + upperCount_;
  const auto found = std::lower_bound(
      upper_.begin(), end, character,
      [](const Entry& entry, char32_t wanted) { return entry.character < wanted; });
  if (found == end || found->character != character) return -1;
  return found->byte;
}

}  // namespace keyrill
