// Checks of the run clock: the pause arithmetic, wrapping readings and the two
// derived figures. Test side.
#include "results/clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "fakes/recording_host.h"

namespace keyrill {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// A sequence of clock operations at given readings.
struct Step {
  enum Kind { Start, Toggle, Stop } kind;
  std::int32_t at;
};

TEST(RunClock, PausesAreTakenOutOfTheElapsedTime) {
  struct Case {
    const char* what;
    std::vector<Step> steps;
    std::int32_t startTime;
    std::int32_t t;
    double elapsed;
  };
  const std::vector<Case> cases = {
      {"one pause",
       {{Step::Start, 1000}, {Step::Toggle, 5000}, {Step::Toggle, 8000}},
       4000,
       10000,
       6.0},
      {"two pauses of 1000 and 2500",
       {{Step::Start, 0},
        {Step::Toggle, 100},
        {Step::Toggle, 1100},
        {Step::Toggle, 2000},
        {Step::Toggle, 4500}},
       3500,
       5000,
       1.5},
      {"a pause begun before the run",
       {{Step::Toggle, 2000}, {Step::Start, 5000}, {Step::Toggle, 6000}},
       9000,
       7000,
       -2.0},
      {"across the wrap of the reading",
       {{Step::Start, kMax - 999}, {Step::Toggle, kMax - 499}, {Step::Toggle, kMin + 500}},
       kMin,
       kMin + 1500,
       1.5},
      {"stop leaves the start alone", {{Step::Start, 10}, {Step::Stop, 510}}, 10, 510, 0.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RunClock clock;
    for (const Step& step : c.steps) {
      switch (step.kind) {
        case Step::Start:
          StartClock(clock, step.at);
          break;
        case Step::Toggle:
          TogglePause(clock, step.at);
          break;
        case Step::Stop:
          StopClock(clock, step.at);
          break;
      }
    }
    EXPECT_EQ(clock.StartTime, c.startTime);
    EXPECT_DOUBLE_EQ(ElapsedSeconds(clock, c.t), c.elapsed);
  }
}

TEST(RunClock, TogglePauseFlipsAndNeverTouchesTheEnd) {
  RunClock clock;
  StopClock(clock, 777);
  TogglePause(clock, 100);
  EXPECT_TRUE(clock.Paused);
  EXPECT_EQ(clock.PauseStart, 100);
  TogglePause(clock, 300);
  EXPECT_FALSE(clock.Paused);
  EXPECT_EQ(clock.StartTime, 200);
  EXPECT_EQ(clock.EndTime, 777);
}

TEST(RunClock, DifferencesWrapWithoutOverflow) {
  struct Case {
    std::int32_t later;
    std::int32_t earlier;
    std::int32_t difference;
  };
  const std::vector<Case> cases = {
      {5, 3, 2},       {3, 5, -2}, {kMin, kMax, 1}, {kMax, kMin, -1}, {kMin + 9, kMax - 9, 19},
      {0, kMin, kMin},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.later) + " - " + std::to_string(c.earlier));
    EXPECT_EQ(ClockDifference(c.later, c.earlier), c.difference);
  }
}

TEST(RunClock, WordsPerMinute) {
  struct Case {
    std::int32_t words;
    std::int32_t elapsedMs;
    double rate;  // NaN: not a number
  };
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<Case> cases = {
      {10, 30000, 20.0}, {0, 30000, 0.0}, {5, 0, inf}, {0, 0, std::nan("")}, {6, -60000, -6.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.words) + " in " + std::to_string(c.elapsedMs));
    RunClock clock;
    StartClock(clock, 1000);
    const double rate = WordsPerMinute(c.words, ElapsedSeconds(clock, 1000 + c.elapsedMs));
    if (std::isnan(c.rate)) {
      EXPECT_TRUE(std::isnan(rate));
    } else {
      EXPECT_DOUBLE_EQ(rate, c.rate);
    }
  }
}

// Elapsed seconds use the product with 0.001, which differs from a division by
// 1000 for some readings; the figures shown must be the product's.
TEST(RunClock, ElapsedIsTheProductWithOneThousandth) {
  RunClock clock;
  // Readings at which the two differ in the last bit.
  for (const std::int32_t ms : {9, 13, 18, 26, 36}) {
    const double product = static_cast<double>(ms) * 0.001;
    ASSERT_NE(product, static_cast<double>(ms) / 1000.0) << ms;
    EXPECT_EQ(ElapsedSeconds(clock, ms), product) << ms;
  }
}

// A source that is set by hand reaches ClockNow unchanged.
TEST(RunClock, ClockNowReadsTheSource) {
  fake::ManualClock manual;
  for (const std::int32_t reading : {0, 42, kMax, kMin}) {
    manual.now = reading;
    EXPECT_EQ(ClockNow(manual), reading);
  }
  SteadyClock steady;
  const std::int32_t first = ClockNow(steady);
  const std::int32_t second = ClockNow(steady);
  EXPECT_GE(first, 0);
  EXPECT_LT(first, 60000);  // counted from the clock's making, not from boot
  EXPECT_GE(ClockDifference(second, first), 0);
}

}  // namespace
}  // namespace keyrill
