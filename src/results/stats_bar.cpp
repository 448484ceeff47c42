// The live statistics bar: rate, time and typed characters in the band above the
// page, from the running totals that always equal a recount of the lines. Core
// side; draws through Surface.
#include "results/stats_bar.h"

#include <cstdio>

#include "results/clock.h"
#include "results/report.h"

namespace keyrill {

namespace {

constexpr std::size_t kScratch = 256;

void DrawText(Program& program, std::int32_t x, const char* text, int length) {
  if (length < 0) return;
  // snprintf reports the length it wanted; draw only what the scratch holds.
  const int fitted = length < static_cast<int>(kScratch) ? length : static_cast<int>(kScratch) - 1;
  program.surface.DrawBytes(x, kBarY, text, fitted);
}

}  // namespace

void DrawStatsBar(Program& program, std::int32_t t) {
  const Layout& layout = program.layout;
  const Font displaced = program.surface.UseFont(Font::Stats);
  // The band is a text row high, measured in the text font; the brush stays as it was.
  program.surface.Fill(0, 0, layout.ClientWidth, layout.CharHeight, Brush::White);
  const Extent a = program.surface.MeasureBytes("A", 1);
  const BarColumns columns = BarColumnsFor(a.cx);

  char rateText[kScratch];
  char timeText[kScratch];
  char charsText[kScratch];
  const double elapsed = ElapsedSeconds(program.clock, t);
  const double rate = WordsPerMinute(program.typedTotals.words, elapsed);
  int length = std::snprintf(rateText, sizeof rateText, "Words Per Minute: %s",
                             FormatFixed(rate, 1).c_str());
  DrawText(program, columns.rate, rateText, length);

  length = std::snprintf(timeText, sizeof timeText, "Time: %ss", FormatFixed(elapsed, 1).c_str());
  DrawText(program, columns.time, timeText, length);

  length = std::snprintf(charsText, sizeof charsText, "Characters: %i", program.typedTotals.chars);
  DrawText(program, columns.characters, charsText, length);

  // The same figures as text, for assistive technology; nothing draws from it. Each
  // is cut at 40 bytes, more than any figure the bar can show takes.
  std::snprintf(program.barText.data(), program.barText.size(), "%.40s  %.40s  %.40s", rateText,
                timeText, charsText);

  program.host.Invalidate(Rect{0, kBarY, layout.ClientWidth, a.cy + kBarY}, false);
  program.surface.UseFont(displaced);
}

}  // namespace keyrill
