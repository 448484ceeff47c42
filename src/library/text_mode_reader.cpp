// The library's read handle: raw bytes in 64 KiB chunks, translated here into the
// file's text-mode view, identical on every platform. Core side (standard C I/O only).
#include "library/text_mode_reader.h"

#include <filesystem>
#include <system_error>

namespace keyrill {

namespace {

constexpr int kCr = 0x0D;
constexpr int kLf = 0x0A;
constexpr int kEof = 0x1A;

// Bytes that need more than a copy: line-end translation, the end mark, skipping.
constexpr bool IsSpecial(unsigned char byte) {
  return byte == kCr || byte == kLf || byte == kEof || byte == 0;
}

std::FILE* OpenForReading(const std::string& path) {
  // Only a regular file has an end: a directory, a device such as /dev/full (zeros
  // without end) or a pipe (blocks on opening) reads as an empty library.
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    return nullptr;
  }
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) return file;
  // Missing: create it empty. Append mode never truncates a file that appeared
  // meanwhile or that exists but could not be opened for reading.
  if (std::FILE* created = std::fopen(path.c_str(), "ab")) std::fclose(created);
  return std::fopen(path.c_str(), "rb");
}

}  // namespace

TestFileReader::TestFileReader(const std::string& path, std::size_t chunkSize)
    : file_(OpenForReading(path)), chunkSize_(chunkSize == 0 ? 1 : chunkSize) {
  if (file_ == nullptr) {
    // Neither opened nor created: every read ends as at the end of the file.
    rawEnd_ = true;
    atEnd_ = true;
    return;
  }
  // A chunk of the real size is the only buffer needed. The tiny chunks of tests
  // keep the C library's buffer, so that they do not cost a system call each.
  if (chunkSize_ >= kDefaultChunk) std::setvbuf(file_, nullptr, _IONBF, 0);
  chunk_.reset(new unsigned char[chunkSize_]);
}

TestFileReader::~TestFileReader() {
  if (file_ != nullptr) std::fclose(file_);
}

int TestFileReader::RawByte() {
  if (pendingRaw_ != kNone) {
    const int byte = pendingRaw_;
    pendingRaw_ = kNone;
    return byte;
  }
  for (;;) {
    if (rawEnd_) return -1;
    if (chunkPos_ == chunkLength_) {
      // A read error (a directory, a failing disk) is the end of the file.
      chunkLength_ = std::fread(chunk_.get(), 1, chunkSize_, file_);
      chunkPos_ = 0;
      if (chunkLength_ == 0) {
        rawEnd_ = true;
        return -1;
      }
    }
    const unsigned char byte = chunk_[chunkPos_++];
    if (byte == 0) continue;  // a zero byte would cut a buffer short
    if (byte == kEof) {
      rawEnd_ = true;  // nothing behind it is ever read
      chunkPos_ = chunkLength_ = 0;
      return -1;
    }
    return byte;
  }
}

int TestFileReader::Peek() {
  if (peeked_ != kNone) return peeked_;
  int c = RawByte();
  if (c == kCr) {
    const int following = RawByte();
    if (following == kLf) {
      c = kLf;
    } else {
      pendingRaw_ = following;  // a lone CR stays; what followed it is read next
    }
  }
  peeked_ = c;
  return c;
}

void TestFileReader::ReadPiece(char* buffer, std::int32_t capacity) {
  if (capacity < 1) return;
  const std::int32_t limit = capacity - 1;
  std::int32_t stored = 0;
  while (!atEnd_ && stored < limit) {
    // Fast path: ordinary bytes straight from the chunk.
    if (peeked_ == kNone && pendingRaw_ == kNone) {
      while (stored < limit && chunkPos_ < chunkLength_ && !IsSpecial(chunk_[chunkPos_])) {
        buffer[stored++] = static_cast<char>(chunk_[chunkPos_++]);
      }
      if (stored == limit) break;
    }
    const int c = Peek();
    if (c < 0) {
      atEnd_ = true;
      break;
    }
    Take();
    if (c == kLf) break;  // consumed, not stored
    buffer[stored++] = static_cast<char>(c);
  }
  buffer[stored] = '\0';
}

}  // namespace keyrill
