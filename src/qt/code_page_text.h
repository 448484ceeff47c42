// Between the program's code page and Qt's text: the Qt layer encodes typed and
// pasted text with it and decodes stored bytes with it to draw and list them.
// Platform side (Qt); the table comes from the program, built once at start.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "program/code_page.h"

namespace keyrill::qt {

QString DecodeBytes(std::string_view bytes, const CodePage& codePage);

// The byte for the character starting at text[i] (a surrogate pair is one
// character), or -1 when the code page has none; i moves past the character.
int EncodeCharacter(const QString& text, qsizetype& i, const CodePage& codePage);

// Text from an edit box as bytes. A character without a byte becomes "?", as an
// ANSI edit control hands it back on Windows.
std::string EncodeText(const QString& text, const CodePage& codePage);

}  // namespace keyrill::qt
