// What the library's read handle yields from a file, as one string: the checks of
// the text-mode reader and of UTF-8 libraries compare against it. Test side.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "library/text_mode_reader.h"
#include "program/code_page.h"
#include "support/files.h"
#include "support/temp_dir.h"

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

// Writes raw as a library and reads it back at each chunk size (the default, and 1, 2
// and 3 bytes, which put a chunk boundary between every pair of bytes): every view
// must be logical.
inline void ExpectLogicalViews(const std::string& raw, const CodePage& codePage,
                               const std::string& logical,
                               std::initializer_list<std::size_t> chunks = {
                                   TestFileReader::kDefaultChunk, 1, 2, 3}) {
  support::TempDir dir;
  ASSERT_TRUE(support::WriteFile(dir.Library(), raw));
  for (const std::size_t chunk : chunks) {
    EXPECT_EQ(LogicalView(dir.Library(), codePage, chunk), logical) << "chunk " << chunk;
  }
}

}  // namespace keyrill
