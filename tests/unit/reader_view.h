// What the library's read handle yields from a file, as one string: the checks of
// the text-mode reader and of UTF-8 libraries compare against it. Test side.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/text_mode_reader.h"
#include "program/code_page.h"

namespace keyrill {

// Every piece the reader yields, each LF it consumed shown as '\n'; a piece capacity
// larger than any line, so every piece ends at an LF or the end.
inline std::string LogicalView(const std::string& path, const CodePage& codePage,
                               std::size_t chunkSize = TestFileReader::kDefaultChunk) {
  TestFileReader reader(path, codePage, chunkSize);
  std::string view;
  std::vector<char> piece(1 << 20);
  while (!reader.AtEnd()) {
    reader.ReadPiece(piece.data(), static_cast<std::int32_t>(piece.size()));
    view += piece.data();
    if (!reader.AtEnd()) view += '\n';
  }
  return view;
}

}  // namespace keyrill
