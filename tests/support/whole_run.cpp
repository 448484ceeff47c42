// The one check of a Report's figures that every driver of the whole run uses.
// Test side, no platform.
#include "support/whole_run.h"

#include <cmath>
#include <cstdlib>
#include <regex>

namespace keyrill::support::whole_run {
namespace {

bool IsSixDecimals(const std::string& text) {
  return std::regex_match(text, std::regex(R"(-?[0-9]+\.[0-9]{6})"));
}

std::string Unequal(const char* what, const std::string& got, const char* expected) {
  return got == expected ? "" : std::string(what) + " \"" + got + "\", not \"" + expected + "\"";
}

}  // namespace

std::string FiguresMismatch(const ReportTexts& got, const Figures& expected, double maxSeconds) {
  for (const std::string& wrong : {Unequal("words in test", got.wordsInTest, expected.wordsInTest),
                                   Unequal("words typed", got.wordsTyped, expected.wordsTyped),
                                   Unequal("characters", got.characters, expected.characters),
                                   Unequal("errors", got.errors, expected.errors)}) {
    if (!wrong.empty()) return wrong;
  }
  if (!IsSixDecimals(got.timeTaken)) return "time taken \"" + got.timeTaken + "\"";
  if (!IsSixDecimals(got.wordsPerMinute)) return "words per minute \"" + got.wordsPerMinute + "\"";
  const double seconds = std::atof(got.timeTaken.c_str());
  if (seconds <= 0.0 || seconds > maxSeconds) {
    return "time taken " + got.timeTaken + " s, not above 0 and at most " +
           std::to_string(maxSeconds) + " s";
  }
  const double rate = std::atof(got.wordsPerMinute.c_str());
  const double words = std::atof(expected.wordsTyped);
  if (std::fabs(rate - words / seconds * 60.0) > 0.001 * rate + 1e-6) {
    return "rate " + got.wordsPerMinute + " is not " + expected.wordsTyped + " words over " +
           got.timeTaken + " s";
  }
  return "";
}

}  // namespace keyrill::support::whole_run
