// A whole-file model of the library's logical view, written as plainly as possible
// so that the fuzz targets can hold the streaming reader and the loader against it.
// Fuzzing side; not part of the program.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "program/code_page.h"

namespace keyrill::model {

// The code pages the fuzz inputs pick from: Western, Cyrillic, Greek, Central European.
inline constexpr int kCodePages[] = {1252, 1251, 1253, 1250};

// UTF-8 read one character at a time: the character's code-page byte, or "?" for
// one the code page lacks and for each ill-formed part (a lone byte that cannot
// start a sequence, or a start and the continuations that did fit, up to the
// first byte that does not). Sets *wellFormed to false at the first ill-formed part.
inline std::string DecodeUtf8(const std::string& bytes, const CodePage& codePage,
                              bool* wellFormed) {
  std::string out;
  *wellFormed = true;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const unsigned lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      out += bytes[i++];
      continue;
    }
    std::size_t length = 0;
    unsigned value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      value = lead - 0xC0;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      value = lead - 0xE0;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      value = lead - 0xF0;
    }
    std::size_t taken = 1;
    while (length != 0 && taken < length && i + taken < bytes.size()) {
      const unsigned next = static_cast<unsigned char>(bytes[i + taken]);
      unsigned low = 0x80;
      unsigned high = 0xBF;
      if (taken == 1 && lead == 0xE0) low = 0xA0;   // no overlong three-byte form
      if (taken == 1 && lead == 0xED) high = 0x9F;  // no surrogate
      if (taken == 1 && lead == 0xF0) low = 0x90;   // no overlong four-byte form
      if (taken == 1 && lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
      if (next < low || next > high) break;
      value = value * 64 + (next - 0x80);
      ++taken;
    }
    if (length == 0 || taken < length) {
      *wellFormed = false;
      out += '?';
      i += taken;
      continue;
    }
    const int byte = codePage.Byte(value);
    out += byte < 0 ? '?' : static_cast<char>(byte);
    i += length;
  }
  return out;
}

// The characters a reader sees: everything from the first 0x1A on dropped, zero
// bytes dropped; a file that starts with the byte-order mark, or is well-formed
// UTF-8 with a byte outside ASCII, decoded to the code page (the mark left out);
// then each CR LF pair read as one LF.
inline std::string LogicalView(const std::string& raw, const CodePage& codePage) {
  std::string kept = raw.substr(0, raw.find('\x1A'));
  std::string noZeros;
  for (const char c : kept) {
    if (c != '\0') noZeros += c;
  }
  const bool bom = raw.compare(0, 3, "\xEF\xBB\xBF") == 0;
  bool nonAscii = false;
  for (const char c : noZeros) nonAscii = nonAscii || static_cast<unsigned char>(c) >= 0x80;
  bool wellFormed = false;
  const std::string decoded = DecodeUtf8(bom ? noZeros.substr(3) : noZeros, codePage, &wellFormed);
  if (bom || (wellFormed && nonAscii)) noZeros = decoded;
  std::string view;
  for (std::size_t i = 0; i < noZeros.size(); ++i) {
    if (noZeros[i] == '\r' && i + 1 < noZeros.size() && noZeros[i + 1] == '\n') continue;
    view += noZeros[i];
  }
  return view;
}

// ReadPiece on a position in the view.
struct Reader {
  const std::string& view;
  std::size_t pos = 0;
  bool atEnd = false;

  std::string Piece(int capacity) {
    std::string piece;
    while (!atEnd && static_cast<int>(piece.size()) < capacity - 1) {
      if (pos == view.size()) {
        atEnd = true;
        break;
      }
      const char c = view[pos++];
      if (c == '\n') break;
      piece += c;
    }
    return piece;
  }
};

struct Header {
  std::string name;
  std::size_t textStart;  // position in the view of the line after the header line
};

// Test names in file order. A line ended by an LF is a header when it begins with
// "~", and so is any part of it that starts at character 47, 94, ... (the scan reads
// 47 characters at a time); the name is the rest of that line cut to 47 characters.
// The last line, ended by the end of the file, never holds a name.
inline std::vector<Header> Headers(const std::string& view) {
  std::vector<Header> headers;
  std::size_t start = 0;
  for (;;) {
    const std::size_t lf = view.find('\n', start);
    if (lf == std::string::npos) break;
    const std::string line = view.substr(start, lf - start);
    for (std::size_t k = 0; k <= line.size(); k += 47) {
      if (k < line.size() && line[k] == '~') {
        headers.push_back({line.substr(k + 1, 47), lf + 1});
        break;
      }
    }
    start = lf + 1;
  }
  return headers;
}

}  // namespace keyrill::model
