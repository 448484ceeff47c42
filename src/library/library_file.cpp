// Scanning names, finding a test, listing names and appending a record to the test
// library. Core side: files through the reader and the durable append only.
#include "library/library_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "library/durable_append.h"
#include "library/utf8.h"

namespace keyrill {

namespace {

constexpr std::int32_t kPieceCapacity = kNameCapacity;  // 47 characters a piece
constexpr std::size_t kMaxName = kNameCapacity - 1;     // 47
constexpr char kEofMark = 0x1A;

struct LibraryScan {
  bool holdsEndMark = false;  // a record appended behind it could never be read
  bool utf8 = false;          // by the reader's rule
  Utf8Check check;            // its bytes, unless it starts with the byte-order mark
};

LibraryScan ScanLibrary(const std::string& path) {
  LibraryScan scan;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) return scan;  // missing: nothing to hide the record, code-page bytes
  constexpr std::size_t kChunk = 64 * 1024;
  std::unique_ptr<unsigned char[]> chunk(new unsigned char[kChunk]);
  Utf8Check& check = scan.check;
  bool first = true;
  bool bom = false;
  for (;;) {
    const std::size_t got = std::fread(chunk.get(), 1, kChunk, file.get());
    if (got == 0) break;
    if (first) {
      bom = got >= sizeof kUtf8Bom && std::memcmp(chunk.get(), kUtf8Bom, sizeof kUtf8Bom) == 0;
      first = false;
    }
    if (std::memchr(chunk.get(), kEofMark, got) != nullptr) {
      scan.holdsEndMark = true;
      return scan;
    }
    if (!bom) check.Feed(chunk.get(), got);
  }
  scan.utf8 = bom || (check.Valid() && check.SawNonAscii());
  return scan;
}

// The record's bytes for a UTF-8 library: ASCII as it is, every other byte as the
// UTF-8 of its character.
std::string ToUtf8(const std::string& bytes, const CodePage& codePage) {
  std::string utf8;
  utf8.reserve(bytes.size() + bytes.size() / 2);
  for (const char c : bytes) AppendUtf8(utf8, codePage.Character(static_cast<unsigned char>(c)));
  return utf8;
}

}  // namespace

bool HoldsEndMark(const std::string& path) {
  // Only a regular file is read: a device such as /dev/full gives zeros without end.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  return ScanLibrary(path).holdsEndMark;
}

bool NameHoldsEndMark(std::string_view name) {
  return name.find(kEofMark) != std::string_view::npos;
}

bool ReadNextTestName(TestFileReader& reader, TestName& name) {
  char piece[kPieceCapacity];
  for (;;) {
    reader.ReadPiece(piece, kPieceCapacity);
    if (reader.AtEnd()) return false;  // a piece that met the end is not examined
    if (piece[0] == '~') break;
  }
  std::size_t length = std::strlen(piece + 1);
  std::memcpy(name.data(), piece + 1, length);
  // A full piece: the header line goes on. Read to its end, keeping what still
  // fits the 47-character name.
  bool lineGoesOn = std::strlen(piece) == kPieceCapacity - 1;
  while (lineGoesOn) {
    reader.ReadPiece(piece, kPieceCapacity);
    if (reader.AtEnd()) return false;
    const std::size_t got = std::strlen(piece);
    const std::size_t keep = std::min(got, kMaxName - length);
    std::memcpy(name.data() + length, piece, keep);
    length += keep;
    lineGoesOn = got == kPieceCapacity - 1;
  }
  name[length] = '\0';
  return true;
}

bool FindTest(TestFileReader& reader, const char* wanted) {
  TestName name{};
  while (ReadNextTestName(reader, name)) {
    if (std::strcmp(name.data(), wanted) == 0) return true;
  }
  return false;
}

void ListTestNames(const std::string& path, const CodePage& codePage, const AddString& addString) {
  TestFileReader reader(path, codePage);
  TestName name{};
  while (ReadNextTestName(reader, name)) addString(name.data());
}

bool AppendTest(const std::string& path, const CodePage& codePage, std::string_view name,
                std::string_view text) {
  // A name holding the end mark cannot be stored: the test would never be found by it.
  if (NameHoldsEndMark(name)) return false;
  // Only a regular file is ever read back (a device such as /dev/null would take the
  // record and keep nothing), and nothing behind an end mark is.
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return false;
  const LibraryScan scan = ScanLibrary(path);
  if (scan.holdsEndMark) return false;

  std::string record;
  record.reserve(3 + kMaxName + 2 + text.size() + text.size() / 8);
  record += "\r\n~";
  // A name is one line: no line break, no zero byte, 47 bytes at most.
  std::size_t nameLength = 0;
  for (const char c : name) {
    if (c == '\r' || c == '\n' || c == '\0') continue;
    if (nameLength == kMaxName) break;
    record += c;
    ++nameLength;
  }
  record += "\r\n";
  for (const char c : text) {
    if (c == kEofMark) continue;  // it would hide every test after it
    if (c == '\n') record += '\r';
    record += c;
  }
  // Code-page bytes that happen to be valid UTF-8 would turn an ASCII library into a
  // UTF-8 one and read back as other characters: such a record is written in UTF-8.
  Utf8Check whole = scan.check;
  whole.Feed(reinterpret_cast<const unsigned char*>(record.data()), record.size());
  if (scan.utf8 || (whole.Valid() && whole.SawNonAscii())) record = ToUtf8(record, codePage);
  return AppendDurably(path, record.data(), record.size());
}

}  // namespace keyrill
