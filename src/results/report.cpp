// The Report's six figures, formatted here so that both windows show the same
// text, and the fixed-point format shared with the statistics bar. Core side.
#include "results/report.h"

#include <cmath>
#include <cstdio>

#include "results/clock.h"
#include "results/counters.h"

namespace keyrill {

namespace {

std::string FormatInteger(std::int32_t value) {
  char text[16];
  const int length = std::snprintf(text, sizeof text, "%i", value);
  return std::string(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
  // The C libraries disagree on these ("inf", "1.#INF00", "-nan"): fix one spelling.
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length), '\0');
  // The string owns length + 1 bytes, the last one for the terminating zero.
  std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
  return text;
}

ReportTexts MakeReport(Program& program) {
  LineList& lines = program.lines;
  // One count of typed words serves both the rate and the words typed.
  const std::int32_t typedWords = CountTypedWords(lines);
  const double elapsed = ElapsedSeconds(program.clock, program.clock.EndTime);
  ReportTexts texts;
  texts.wordsPerMinute = FormatFixed(WordsPerMinute(typedWords, elapsed), 6);
  texts.wordsInTest = FormatInteger(CountTargetWords(lines));
  texts.wordsTyped = FormatInteger(typedWords);
  texts.timeTaken = FormatFixed(elapsed, 6);
  texts.characters = FormatInteger(CountTargetChars(lines));
  texts.errors = FormatInteger(CountErrors(lines));
  return texts;
}

}  // namespace keyrill
