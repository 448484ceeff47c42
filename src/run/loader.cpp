// Loading a test: pieces of at most a display line read from the library with a
// one-character look-ahead, wrapped at spaces into LinePairs. Core side.
#include "run/loader.h"

#include <cstring>
#include <memory>
#include <new>

#include "library/library_file.h"
#include "library/text_mode_reader.h"

namespace keyrill {

namespace {

// Reads the look-ahead: one character, or nothing at an LF (consumed) or the end.
void ReadLookAhead(TestFileReader& reader, char (&lookAhead)[2]) {
  reader.ReadPiece(lookAhead, 2);
}

// Makes one display line and appends it; a line whose node cannot be allocated is
// left out and freed.
void AppendLine(LineList& lines, const char* text, std::int32_t lineCapacity) {
  const auto size = static_cast<std::size_t>(lineCapacity) + 1;
  auto pair = std::make_unique<LinePair>();
  pair->target.reset(new char[size]);
  pair->typed.reset(new char[size]);
  std::memcpy(pair->target.get(), text, std::strlen(text) + 1);
  pair->typed[0] = '\0';
  if (lines.InsertBefore(pair.get())) pair.release();
}

}  // namespace

LoadResult LoadTest(const std::string& libraryPath, const CodePage& codePage, const char* testName,
                    std::int32_t lineCapacity, char* lineBuffer, char* carryBuffer,
                    LineList& lines) {
  // A display line must hold at least one character.
  if (lineCapacity < 2) return LoadResult::NotFound;

  TestFileReader reader(libraryPath, codePage);
  if (!FindTest(reader, testName)) return LoadResult::NotFound;

  const auto full = static_cast<std::size_t>(lineCapacity) - 1;
  char lookAhead[2];
  reader.ReadPiece(lineBuffer, lineCapacity);
  ReadLookAhead(reader, lookAhead);

  for (;;) {
    std::size_t length = std::strlen(lineBuffer);
    if (reader.AtEnd() && length == 0) break;
    if (lineBuffer[0] == '~') break;  // the next test's header line

    std::size_t carried = 0;
    // A full piece followed by more of its text line may have cut its last word:
    // that word moves whole to the next display line.
    if (length == full && lookAhead[0] != '\0' && lookAhead[0] != '\r' &&
        lineBuffer[length - 1] != ' ') {
      std::size_t space = length - 1;
      while (space > 0 && lineBuffer[space - 1] != ' ') --space;
      if (space == 0) return LoadResult::WordTooLarge;  // cursor still on the sentinel
      carried = length - space;
      std::memcpy(carryBuffer, lineBuffer + space, carried);
      lineBuffer[space] = '\0';
    }
    if (lookAhead[0] != '\0') carryBuffer[carried++] = lookAhead[0];
    carryBuffer[carried] = '\0';

    AppendLine(lines, lineBuffer, lineCapacity);

    // The new piece is shortened by the carry, so the two fit one display line.
    reader.ReadPiece(lineBuffer + carried, lineCapacity - static_cast<std::int32_t>(carried));
    ReadLookAhead(reader, lookAhead);
    std::memcpy(lineBuffer, carryBuffer, carried);
  }

  lines.First();
  return LoadResult::Loaded;
}

}  // namespace keyrill
