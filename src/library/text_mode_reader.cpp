// The library's read handle: raw bytes in 64 KiB chunks, translated here into the
// file's text-mode view, identical on every platform. Core side (standard C I/O only).
#include "library/text_mode_reader.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "library/utf8.h"

namespace keyrill {

namespace {

constexpr int kCr = 0x0D;
constexpr int kLf = 0x0A;
constexpr int kEof = 0x1A;

// Bytes that need more than a copy: line-end translation, the end mark, skipping;
// and, unless the file is known to be in the code page, every byte outside ASCII.
constexpr std::array<bool, 256> SpecialBytes(bool upperHalf) {
  std::array<bool, 256> special{};
  special[kCr] = special[kLf] = special[kEof] = special[0] = true;
  for (int byte = 0x80; byte <= 0xFF; ++byte) special[byte] = upperHalf;
  return special;
}
constexpr std::array<bool, 256> kSpecialInCodePage = SpecialBytes(false);
constexpr std::array<bool, 256> kSpecialOtherwise = SpecialBytes(true);

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

TestFileReader::TestFileReader(const std::string& path, const CodePage& codePage,
                               std::size_t chunkSize)
    : file_(OpenForReading(path)),
      codePage_(codePage),
      special_(kSpecialOtherwise.data()),
      chunkSize_(chunkSize == 0 ? 1 : chunkSize) {
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
  unsigned char head[sizeof kUtf8Bom];
  if (std::fread(head, 1, sizeof head, file_) == sizeof head &&
      std::memcmp(head, kUtf8Bom, sizeof head) == 0) {
    encoding_ = Encoding::Utf8;  // and the mark stays behind
  } else {
    std::rewind(file_);
  }
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

void TestFileReader::Decide(int lead) {
  Utf8Check check;
  const auto first = static_cast<unsigned char>(lead);
  check.Feed(&first, 1);
  // Feeds the bytes before an end mark; true when there was one.
  const auto feed = [&check](const unsigned char* bytes, std::size_t count) {
    const void* mark = std::memchr(bytes, kEof, count);
    const std::size_t before =
        mark == nullptr ? count
                        : static_cast<std::size_t>(static_cast<const unsigned char*>(mark) - bytes);
    check.Feed(bytes, before);
    return mark != nullptr;
  };
  bool ended = rawEnd_ || feed(chunk_.get() + chunkPos_, chunkLength_ - chunkPos_);
  std::fpos_t resume;
  if (!ended && !check.Broken() && std::fgetpos(file_, &resume) == 0) {
    unsigned char block[4096];
    while (!ended && !check.Broken()) {
      const std::size_t got = std::fread(block, 1, sizeof block, file_);
      if (got == 0) break;
      ended = feed(block, got);
    }
    // Reading goes on where it stood; a file that cannot go back there ends here.
    if (std::fsetpos(file_, &resume) != 0) {
      rawEnd_ = true;
      chunkPos_ = chunkLength_ = 0;
    }
  }
  if (check.Valid()) {
    encoding_ = Encoding::Utf8;
  } else {
    encoding_ = Encoding::CodePage;
    special_ = kSpecialInCodePage.data();
  }
}

int TestFileReader::DecodeUtf8(int lead) {
  const Utf8Lead shape = Utf8LeadOf(static_cast<unsigned char>(lead));
  if (shape.continuations < 0) return '?';
  char32_t value = shape.bits;
  unsigned char low = shape.low;
  unsigned char high = shape.high;
  for (int i = 0; i < shape.continuations; ++i) {
    const int byte = RawByte();
    if (byte < low || byte > high) {
      pendingRaw_ = byte;  // not part of this sequence: read next, on its own
      return '?';
    }
    value = (value << 6) | static_cast<char32_t>(byte & 0x3F);
    low = 0x80;
    high = 0xBF;
  }
  const int byte = codePage_.Byte(value);
  return byte < 0 ? '?' : byte;
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
  } else if (c >= 0x80 && encoding_ != Encoding::CodePage) {
    if (encoding_ == Encoding::Undecided) Decide(c);
    if (encoding_ == Encoding::Utf8) c = DecodeUtf8(c);
  }
  peeked_ = c;
  return c;
}

void TestFileReader::ReadPiece(char* buffer, std::int32_t capacity) {
  if (capacity < 1) return;
  const std::int32_t limit = capacity - 1;
  std::int32_t stored = 0;
  while (!atEnd_ && stored < limit) {
    // Fast path: ordinary bytes straight from the chunk, and in a UTF-8 file the
    // two-byte characters (Latin, Greek, Cyrillic) whole within it. Locals, since
    // every store to the buffer could otherwise change a member.
    if (peeked_ == kNone && pendingRaw_ == kNone) {
      const unsigned char* const chunk = chunk_.get();
      const bool* const special = special_;
      const std::size_t length = chunkLength_;
      std::size_t pos = chunkPos_;
      for (;;) {
        while (stored < limit && pos < length && !special[chunk[pos]]) {
          buffer[stored++] = static_cast<char>(chunk[pos++]);
        }
        if (stored == limit || pos + 1 >= length || encoding_ != Encoding::Utf8) break;
        const unsigned char lead = chunk[pos];
        const unsigned char next = chunk[pos + 1];
        if (lead < 0xC2 || lead > 0xDF || (next & 0xC0) != 0x80) break;
        const int decoded =
            codePage_.Byte(static_cast<char32_t>((lead & 0x1Fu) << 6 | (next & 0x3Fu)));
        buffer[stored++] = static_cast<char>(decoded < 0 ? '?' : decoded);
        pos += 2;
      }
      chunkPos_ = pos;
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
