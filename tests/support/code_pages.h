// The Windows code pages the checks run under, built as a platform layer builds
// them: by the system's own converter (iconv here, MultiByteToWideChar on Windows),
// one byte at a time. Test side.
#pragma once

#include <string>
#include <string_view>

#include "program/code_page.h"

namespace keyrill::support {

// Windows code page number (1250, 1251, 1252, 1253, 1254, 1257, ...), made once.
// Throws when the system has no converter for it.
const CodePage& WindowsCodePage(int number);

// UTF-8 text in code page number, by the system's converter alone (so a check can
// hold the core's decoding against it). Throws when a character has no byte.
std::string ToCodePage(std::string_view utf8, int number);

// Western European, the code page of checks that are not about encodings.
inline const CodePage& Cp1252() {
  return WindowsCodePage(1252);
}

}  // namespace keyrill::support
