// The main area's layout and drawing into the back buffer: the metrics, the idle
// rows, a page of line blocks and the cursor cell. Core side: it draws only through
// Surface and marks repaints only through Host.
#include "run/screen.h"

#include <cstdio>
#include <cstring>

namespace keyrill {

namespace {

std::int32_t Length(const char* text) {
  return static_cast<std::int32_t>(std::strlen(text));
}

// The prompt and message bands are 48 cells wide whatever they hold.
constexpr std::int32_t kBandCells = 48;
constexpr std::int32_t kPromptLength = 32;

}  // namespace

void MeasureLayout(Program& program, std::int32_t clientWidth, std::int32_t clientHeight) {
  Layout& layout = program.layout;
  layout.ClientWidth = clientWidth;
  layout.ClientHeight = clientHeight;
  ClearScreen(program);

  const Extent cell = program.surface.MeasureBytes("@", 1);
  // A font that measures nothing would make every division below undefined; a
  // one-pixel cell keeps the program defined on such a surface.
  layout.CharWidth = cell.cx > 0 ? cell.cx : 1;
  layout.CharHeight = cell.cy > 0 ? cell.cy : 1;

  layout.UsableWidth = layout.ClientWidth - layout.CharWidth - kMargin;
  layout.UsableHeight = layout.ClientHeight - kReservedHeight;
  layout.LineCapacity = layout.UsableWidth / layout.CharWidth + 1;
  // The loader needs room for one character and the zero; a window too narrow for
  // that still gets one-character lines instead of buffers of no size.
  if (layout.LineCapacity < 2) layout.LineCapacity = 2;
  layout.RowsPerPage = layout.UsableHeight / layout.CharHeight + 1;

  const auto bytes = static_cast<std::size_t>(layout.LineCapacity);
  program.LineBuffer = std::make_unique<char[]>(bytes);
  program.CarryBuffer = std::make_unique<char[]>(bytes);
  program.LineBuffer[0] = '\0';
  program.CarryBuffer[0] = '\0';

  ShowIdle(program);
}

void ClearScreen(Program& program) {
  // Fills white and leaves the selected brush as it was.
  program.surface.Fill(0, 0, program.layout.ClientWidth, program.layout.ClientHeight, Brush::White);
}

void DrawPrompt(Program& program) {
  const Layout& layout = program.layout;
  const std::int32_t width = kBandCells * layout.CharWidth;
  program.surface.Fill(kMargin, kMargin, width, layout.CharHeight + kMargin, Brush::White);
  const char* prompt = program.SelectedTest[0] != '\0' ? kPromptSelected : kPromptNone;
  program.surface.DrawBytes(kMargin, kMargin, prompt, kPromptLength);
  InvalidateArea(program, kMargin, kMargin, width + kMargin, layout.CharHeight + kMargin, false);
}

void DrawMessage(Program& program, const char* text) {
  const Layout& layout = program.layout;
  const std::int32_t width = kBandCells * layout.CharWidth;
  const std::int32_t top = layout.CharHeight + kMargin;
  program.surface.Fill(kMargin, top, width, 2 * layout.CharHeight + kMargin, Brush::White);
  const std::int32_t length = Length(text);
  if (length > 0) program.surface.DrawBytes(kMargin, top, text, length);
  // Every message fits a name's buffer: a name or one of the two errors.
  std::snprintf(program.shownMessage.data(), program.shownMessage.size(), "%s", text);
  InvalidateArea(program, kMargin, top, width + kMargin, 2 * layout.CharHeight + kMargin, false);
}

void ShowIdle(Program& program) {
  DrawPrompt(program);
  // SelectedTest always holds its terminating zero (ChooseTest keeps it so).
  DrawMessage(program, program.SelectedTest.data());
}

void RenderPage(Program& program) {
  const Layout& layout = program.layout;
  LineList& lines = program.lines;
  const std::int32_t remembered = lines.Index();
  ClearScreen(program);
  if (layout.UsableHeight > kPageTop && !lines.OnSentinel()) {
    std::int32_t y = kPageTop;
    for (;;) {
      const LinePair* pair = lines.GetItem();
      program.surface.DrawBytes(kMargin, y, pair->target.get(), Length(pair->target.get()));
      y += layout.CharHeight;
      program.surface.DrawBytes(kMargin, y, pair->typed.get(), Length(pair->typed.get()));
      y += 2 * layout.CharHeight;
      if (!lines.Next()) break;
      if (y >= layout.UsableHeight) break;
    }
  }
  program.host.InvalidateAll(true);
  // Back the few lines just drawn, not a walk from the list's start.
  lines.SeekNear(remembered);
}

void DrawCursor(Program& program) {
  const Layout& layout = program.layout;
  // The cursor's brush stays selected: the backspace erase fills with it.
  program.selectedBrush = program.CursorOn ? Brush::Black : Brush::White;
  FillSelected(program, program.CaretX, program.CaretY, layout.CharWidth, layout.CharHeight);
  InvalidateArea(program, program.CaretX, program.CaretY, program.CaretX + layout.CharWidth,
                 program.CaretY + layout.CharHeight, false);
}

void InvalidateArea(Program& program, std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom, bool erase) {
  program.host.Invalidate(Rect{left, top, right, bottom}, erase);
}

void FillSelected(Program& program, std::int32_t left, std::int32_t top, std::int32_t width,
                  std::int32_t height) {
  program.surface.Fill(left, top, width, height, program.selectedBrush);
}

}  // namespace keyrill
