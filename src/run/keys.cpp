// The keystroke engine: each key's effect on the current line, the caret and the
// back buffer, line advance and the scroll. Core side; timers and repaints go
// through Host.
#include "run/keys.h"

#include <cstring>

#include "results/counters.h"
#include "run/run_control.h"
#include "run/screen.h"

namespace keyrill {

namespace {

constexpr std::int32_t kTabCells = 5;
constexpr unsigned char kBackspace = 8;
constexpr unsigned char kTab = 9;
constexpr unsigned char kEnter = 13;
constexpr char kCarriageReturn = '\r';

std::int32_t Length(const char* text) {
  return static_cast<std::int32_t>(std::strlen(text));
}

// The most characters a typed buffer can hold: it has LineCapacity + 1 bytes.
std::int32_t TypedLimit(const Program& program) {
  return program.layout.LineCapacity;
}

// The auto-advance rules, in their order, for the line that was being edited.
bool LineIsDone(const Program& program, const LinePair& pair) {
  const std::int32_t typed = Length(pair.typed.get());
  const std::int32_t target = Length(pair.target.get());
  if (typed >= target) return true;
  if (pair.target[static_cast<std::size_t>(typed)] == kCarriageReturn) return true;
  const Layout& layout = program.layout;
  return program.CaretX + layout.CharWidth - kMargin >= layout.UsableWidth;
}

// Keeps the running totals right across one edit of a typed buffer: the buffer's
// share comes out when the edit begins and goes back in when it ends.
class TypedEdit {
 public:
  TypedEdit(Program& program, const char* typed) : totals_(program.typedTotals), typed_(typed) {
    TakeFromTotals(totals_, typed_);
  }
  ~TypedEdit() { AddToTotals(totals_, typed_); }
  TypedEdit(const TypedEdit&) = delete;
  TypedEdit& operator=(const TypedEdit&) = delete;

 private:
  TypedTotals& totals_;
  const char* typed_;
};

// One key's scratch: where its cell's lower-left corner was when it came, and
// whether Backspace backed up onto the previous line.
struct KeyStroke {
  std::int32_t cornerX = 0;
  std::int32_t cornerY = 0;
  bool backedUp = false;
};

void BackspaceKey(Program& program, KeyStroke& key) {
  Layout& layout = program.layout;
  program.CursorOn = false;
  DrawCursor(program);

  if (program.CaretX != kMargin) {
    char* typed = program.lines.GetItem()->typed.get();
    const std::int32_t length = Length(typed);
    if (length == 0) return;  // the caret is never past an empty line; nothing to erase
    const Extent cell = program.surface.MeasureBytes(typed + length - 1, 1);
    // The text font has fixed pitch, so this is the "@" cell again; a surface that
    // measured nothing keeps the cell it had rather than a caret that cannot move.
    if (cell.cx > 0 && cell.cy > 0) {
      layout.CharWidth = cell.cx;
      layout.CharHeight = cell.cy;
    }
    program.CaretX -= layout.CharWidth;
    {
      const TypedEdit edit(program, typed);
      typed[length - 1] = '\0';
    }
    // The cursor was just drawn white, so the selected brush is white.
    FillSelected(program, program.CaretX, program.CaretY, layout.CharWidth, layout.CharHeight);
    InvalidateArea(program, program.CaretX, program.CaretY, key.cornerX, key.cornerY, false);
    return;
  }

  // At the line's start: back up one line, never out of the page's top block and
  // never before the test's first line. The top block's typed row is the only one
  // above 32 + 4 * CharHeight; for any cell taller than 10 pixels this is the same
  // as CaretY < 3 * CharHeight + 12, which lets a smaller cell back up off the page.
  LineList& lines = program.lines;
  if (program.CaretY < kPageTop + 4 * layout.CharHeight || lines.AtFirst()) return;
  lines.Previous();
  const LinePair* pair = lines.GetItem();
  char* typed = pair->typed.get();
  const std::int32_t typedLength = Length(typed);
  const std::int32_t targetLength = Length(pair->target.get());
  if (typedLength >= targetLength && typedLength > 0) {
    // The line was completed by the length rule: reopen it before its last character.
    program.CaretX = kMargin + (typedLength - 1) * layout.CharWidth;
    const TypedEdit edit(program, typed);
    typed[typedLength - 1] = '\0';
  } else {
    program.CaretX = kMargin + typedLength * layout.CharWidth;
  }
  key.backedUp = true;
  program.CaretY -= 3 * layout.CharHeight;
}

void TabKey(Program& program) {
  program.CursorOn = false;
  DrawCursor(program);
  const LinePair* pair = program.lines.GetItem();
  char* typed = pair->typed.get();
  const std::int32_t typedLength = Length(typed);
  const std::int32_t targetLength = Length(pair->target.get());
  std::int32_t spaces = kTabCells;
  if (typedLength + spaces > targetLength) spaces = targetLength - typedLength;
  if (typedLength + spaces > TypedLimit(program)) spaces = TypedLimit(program) - typedLength;
  if (spaces > 0) {
    const TypedEdit edit(program, typed);
    std::memset(typed + typedLength, ' ', static_cast<std::size_t>(spaces));
    typed[typedLength + spaces] = '\0';
  }
  // The caret moves five cells however many spaces fitted; a short Tab always ends
  // the line, so the difference never shows.
  program.CaretX += kTabCells * program.layout.CharWidth;
}

void CharKey(Program& program, const KeyStroke& key, int code) {
  const auto byte = static_cast<char>(static_cast<unsigned char>(code & 0xFF));
  // A zero byte cannot be stored in a zero-terminated line; taking it would move the
  // caret past text that is not there.
  if (byte == '\0') return;
  char* typed = program.lines.GetItem()->typed.get();
  const std::int32_t length = Length(typed);
  // The advance rules end a line before its buffer is full; this bound only makes an
  // overrun impossible should they ever let one through.
  if (length >= TypedLimit(program)) return;
  {
    const TypedEdit edit(program, typed);
    typed[length] = byte;
    typed[length + 1] = '\0';
  }
  // The character's opaque cell covers the cursor, so the cursor is not taken away.
  program.surface.DrawBytes(program.CaretX, program.CaretY, typed + length, 1);
  program.CaretX += program.layout.CharWidth;
  InvalidateArea(program, key.cornerX, program.CaretY, program.CaretX, key.cornerY, false);
}

void NextLine(Program& program) {
  const Layout& layout = program.layout;
  LineList& lines = program.lines;
  program.CursorOn = false;
  DrawCursor(program);
  program.CaretX = kMargin;
  program.CursorOn = true;  // HandleKey draws the cell on the new line
  program.CaretY += 3 * layout.CharHeight;

  if (!lines.Next()) {
    FinishRun(program);
    return;
  }

  if (program.CaretY > layout.UsableHeight) {
    // Keep k lines above the current one, so the page scrolls by a sixth or so.
    const std::int32_t k = (layout.RowsPerPage + 1) / 6;
    const std::int32_t current = lines.Index();
    const std::int32_t top = current - k < 0 ? 0 : current - k;
    // k lines back and forth from the cursor: deep in a long run, a walk from the
    // list's start would sit in front of the key.
    lines.SeekNear(top);
    RenderPage(program);
    lines.SeekNear(current);
    // Line `current` now stands in block k, or higher up when fewer than k lines
    // precede it (only on a page a few pixels high).
    program.CaretY = (3 * (current - top) + 1) * layout.CharHeight + kPageTop;
  }
}

}  // namespace

void HandleKey(Program& program, int code) {
  if (!program.TestRunning) return;  // no run, no line to edit
  program.host.StopTimer(TIMER_CURSOR);
  const LinePair* edited = program.lines.GetItem();
  KeyStroke key{program.CaretX, program.CaretY + program.layout.CharHeight};

  const auto byte = static_cast<unsigned char>(code & 0xFF);
  switch (byte) {
    case kBackspace:
      BackspaceKey(program, key);
      break;
    case kTab:
      TabKey(program);
      break;
    case kEnter:
      NextLine(program);
      break;
    default:
      CharKey(program, key, code);
      break;
  }

  // Enter has moved on already; a key that backed up stays on the line it reached.
  if (byte != kEnter && !key.backedUp && LineIsDone(program, *edited)) NextLine(program);

  if (program.TestRunning) {
    program.CursorOn = true;
    DrawCursor(program);
    program.host.StartTimer(TIMER_CURSOR, kCursorPeriodMs);
  }
}

}  // namespace keyrill
