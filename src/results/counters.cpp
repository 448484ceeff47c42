// The run's five counters, each a full walk of the line list, and the running
// totals of the typed buffers. Core side.
#include "results/counters.h"

#include <cstring>

namespace keyrill {

std::int32_t CountWords(const char* text) {
  // A word counts where it ends: a byte other than space and CR, followed by a space
  // or the end of the buffer. The test is written without branches, since every
  // statistics tick runs it over the whole text.
  std::int32_t words = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    const char c = p[0];
    const char n = p[1];  // at most the terminating zero
    words += static_cast<std::int32_t>((c != ' ') & (c != '\r') & ((n == ' ') | (n == '\0')));
  }
  return words;
}

std::int32_t CountMismatches(const char* target, const char* typed) {
  std::int32_t errors = 0;
  std::size_t i = 0;
  for (; target[i] != '\0' && typed[i] != '\0'; ++i) {
    if (target[i] != typed[i]) ++errors;
  }
  // Past the shorter buffer every byte of the longer one differs from the zero padding.
  const char* rest = target[i] != '\0' ? target + i : typed + i;
  return errors + static_cast<std::int32_t>(std::strlen(rest));
}

std::int32_t CountTargetWords(LineList& lines) {
  std::int32_t total = 0;
  lines.WalkAll([&](const LinePair& pair) { total += CountWords(pair.target.get()); });
  return total;
}

std::int32_t CountTypedWords(LineList& lines) {
  std::int32_t total = 0;
  lines.WalkAll([&](const LinePair& pair) { total += CountWords(pair.typed.get()); });
  return total;
}

std::int32_t CountErrors(LineList& lines) {
  std::int32_t total = 0;
  lines.WalkAll(
      [&](const LinePair& pair) { total += CountMismatches(pair.target.get(), pair.typed.get()); });
  return total;
}

std::int32_t CountTargetChars(LineList& lines) {
  std::int32_t total = 0;
  lines.WalkAll([&](const LinePair& pair) {
    total += static_cast<std::int32_t>(std::strlen(pair.target.get()));
  });
  return total;
}

std::int32_t CountTypedChars(LineList& lines) {
  std::int32_t total = 0;
  lines.WalkAll([&](const LinePair& pair) {
    total += static_cast<std::int32_t>(std::strlen(pair.typed.get()));
  });
  return total;
}

void TakeFromTotals(TypedTotals& totals, const char* typed) {
  totals.words -= CountWords(typed);
  totals.chars -= static_cast<std::int32_t>(std::strlen(typed));
}

void AddToTotals(TypedTotals& totals, const char* typed) {
  totals.words += CountWords(typed);
  totals.chars += static_cast<std::int32_t>(std::strlen(typed));
}

}  // namespace keyrill
