// Windows-1252, the code page of every byte the core handles: the Qt layer encodes
// typed and pasted text to it and decodes stored bytes from it to draw and list them.
// Platform side (Qt); the core never converts.
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace keyrill::qt {

// The character a byte stands for. The five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 code of the same value, as
// Windows itself does, so every byte survives a round trip.
char16_t DecodeCp1252(unsigned char byte);

// The byte for a character, or -1 when Windows-1252 has none.
int EncodeCp1252(char16_t ch);

QString DecodeBytes(std::string_view bytes);

// Text from an edit box as bytes. A character without a byte becomes "?", as an
// ANSI edit control hands it back on Windows; a surrogate pair is one character.
std::string EncodeText(const QString& text);

}  // namespace keyrill::qt
