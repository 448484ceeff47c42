// The Report's figures and the fixed-point format shared with the bar.
#include "results/report.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "fakes/fake_window.h"

namespace keyrill {
namespace {

TEST(Report, FormatFixedSpellsEveryValueTheSameEverywhere) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const std::vector<Case> cases = {
      {42.0, 6, "42.000000"}, {0.1, 1, "0.1"},
      {12.34, 1, "12.3"},     {-2.0, 6, "-2.000000"},
      {0.0, 1, "0.0"},        {kInf, 6, "inf"},
      {-kInf, 1, "-inf"},     {kNan, 6, "nan"},
      {-kNan, 1, "nan"},      {1e20, 1, "100000000000000000000.0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value;
  }
  // A zero-by-zero division, as a run with no time and no words gives.
  volatile double zero = 0.0;
  EXPECT_EQ(FormatFixed(zero / zero, 6), "nan");
}

TEST(Report, SixFiguresFromTheLinesAndTheEndTime) {
  struct Case {
    const char* name;
    std::string text;
    std::string keys;
    std::int32_t elapsedMs;
    ReportTexts expected;
  };
  const std::vector<Case> cases = {
      {"a finished run",
       "the cat\r\nsat on",
       "the catsat ox",
       30000,
       {"8.000000", "3", "4", "30.000000", "14", "2"}},
      {"nothing typed, no time", "ab cd", "", 0, {"nan", "2", "0", "0.000000", "5", "5"}},
      {"typed, no time", "ab cd", "ab", 0, {"inf", "2", "1", "0.000000", "5", "3"}},
      {"case matters", "Abc", "abc", 90000, {"0.666667", "1", "1", "90.000000", "3", "1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::FakeWindow window;
    ASSERT_TRUE(window.Start(c.text));
    // Typed straight into the lines, so the run does not end and report by itself.
    Program& program = window.program;
    std::size_t k = 0;
    program.lines.WalkAll([&](LinePair& pair) {
      std::string typed;
      const std::string target = pair.target.get();
      while (k < c.keys.size() && typed.size() < target.size() && target[typed.size()] != '\r') {
        typed += c.keys[k++];
      }
      std::copy(typed.begin(), typed.end(), pair.typed.get());
      pair.typed[typed.size()] = '\0';
    });
    program.clock.EndTime = program.clock.StartTime + c.elapsedMs;
    const ReportTexts got = MakeReport(program);
    EXPECT_EQ(got.wordsPerMinute, c.expected.wordsPerMinute);
    EXPECT_EQ(got.wordsInTest, c.expected.wordsInTest);
    EXPECT_EQ(got.wordsTyped, c.expected.wordsTyped);
    EXPECT_EQ(got.timeTaken, c.expected.timeTaken);
    EXPECT_EQ(got.characters, c.expected.characters);
    EXPECT_EQ(got.errors, c.expected.errors);
    EXPECT_EQ(program.lines.Index(), 0);
  }
}

}  // namespace
}  // namespace keyrill
