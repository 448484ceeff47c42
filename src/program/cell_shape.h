// How a byte of a line is shown in its character cell, the one rule both
// surfaces draw by. Core side: part of the Surface contract (program/host.h).
// Floor 0: any part of the core, the platform layers and the tests may include it.
#pragma once

#include <cstdint>

namespace keyrill {

// Blank: a carriage return, which ends a target line (the caret moves to the next
// line before reaching it) and would otherwise show the font's box for a missing
// glyph. Caret: any other control code (0x00-0x1F, 0x7F), which only a mistaken
// keystroke puts in the typed text; it shows as '^' and CaretLetter in small type
// inside its one cell, so the mistake is visible and the row keeps its pitch.
// Character: every other byte, as the code page's character.
enum class CellShape : std::uint8_t { Blank, Caret, Character };

constexpr CellShape ShapeOfByte(unsigned char byte) {
  if (byte == 0x0D) return CellShape::Blank;
  if (byte < 0x20 || byte == 0x7F) return CellShape::Caret;
  return CellShape::Character;
}

// The letter after '^' in caret notation: '@' to '_' for 0x00 to 0x1F, '?' for 0x7F.
constexpr char CaretLetter(unsigned char byte) {
  return static_cast<char>(byte ^ 0x40);
}

}  // namespace keyrill
