// A whole-file model of the library's logical view, written as plainly as possible
// so that the fuzz targets can hold the streaming reader and the loader against it.
// Fuzzing side; not part of the program.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace keyrill::model {

// The characters a reader sees: everything from the first 0x1A on dropped, zero
// bytes dropped, then each CR LF pair read as one LF.
inline std::string LogicalView(const std::string& raw) {
  std::string kept = raw.substr(0, raw.find('\x1A'));
  std::string noZeros;
  for (const char c : kept) {
    if (c != '\0') noZeros += c;
  }
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
