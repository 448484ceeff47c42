// The read handle on the test library: the file's text-mode view, done here on
// every platform (CR LF reads as LF, a lone CR stays, 0x1A ends the file, a zero
// byte is skipped). Core side; every reading of the library goes through it.
// Floor 1, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "program/constants.h"

namespace keyrill {

class TestFileReader {
 public:
  static constexpr std::size_t kDefaultChunk = 64 * 1024;

  // Opens the library for reading, creating it empty when it is missing. A file
  // that can be neither opened nor created, or is not a regular file, reads as an
  // empty one. chunkSize is the raw bytes read at a time; only tests choose a small
  // one, to put chunk boundaries everywhere.
  explicit TestFileReader(const std::string& path, std::size_t chunkSize = kDefaultChunk);
  ~TestFileReader();
  TestFileReader(const TestFileReader&) = delete;
  TestFileReader& operator=(const TestFileReader&) = delete;

  // Reads the next piece of the current line into buffer (capacity >= 1 bytes,
  // always zero-terminated): at most capacity - 1 characters; an LF ends the piece
  // and is consumed; a full piece leaves the next character unread.
  void ReadPiece(char* buffer, std::int32_t capacity);
  bool AtEnd() const { return atEnd_; }

 private:
  int Peek();  // the next logical character, or -1 at the end
  void Take() { peeked_ = kNone; }
  int RawByte();  // the next raw byte with zero bytes skipped, or -1

  static constexpr int kNone = -2;

  std::FILE* file_ = nullptr;
  std::size_t chunkSize_;
  std::unique_ptr<unsigned char[]> chunk_;
  std::size_t chunkLength_ = 0;
  std::size_t chunkPos_ = 0;
  int peeked_ = kNone;
  int pendingRaw_ = kNone;  // a raw byte read past a CR that was not followed by LF
  bool rawEnd_ = false;
  bool atEnd_ = false;
};

}  // namespace keyrill
