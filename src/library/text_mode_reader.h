// The read handle on the test library: the file's text-mode view, done here on
// every platform (CR LF reads as LF, a lone CR stays, 0x1A ends the file, a zero
// byte is skipped), and a UTF-8 file decoded to the program's code page on the way.
// Core side; every reading of the library goes through it.
// Floor 1, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "program/code_page.h"
#include "program/constants.h"

namespace keyrill {

class TestFileReader {
 public:
  static constexpr std::size_t kDefaultChunk = 64 * 1024;

  // Opens the library for reading, creating it empty when it is missing. A file
  // that can be neither opened nor created, or is not a regular file, reads as an
  // empty one. chunkSize is the raw bytes read at a time; only tests choose a small
  // one, to put chunk boundaries everywhere.
  //
  // The file is UTF-8 when it starts with the byte-order mark (which is then not
  // read), or when its bytes up to the end mark are valid UTF-8 with a character
  // outside ASCII; otherwise it is in the code page and its bytes are read as they
  // are. A UTF-8 file's characters read as their code-page bytes, "?" for one the
  // code page lacks or for a broken sequence. codePage must outlive the reader.
  TestFileReader(const std::string& path, const CodePage& codePage,
                 std::size_t chunkSize = kDefaultChunk);
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
  // Settles the encoding at the first byte outside ASCII: a check of the rest of
  // the file from lead on. Until then either reading gives the same characters.
  void Decide(int lead);
  int DecodeUtf8(int lead);  // the code-page byte of the sequence lead begins

  enum class Encoding : std::uint8_t { Undecided, CodePage, Utf8 };
  static constexpr int kNone = -2;

  std::FILE* file_ = nullptr;
  const CodePage& codePage_;
  Encoding encoding_ = Encoding::Undecided;
  const bool* special_;  // the bytes the fast path of ReadPiece leaves to Peek
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
