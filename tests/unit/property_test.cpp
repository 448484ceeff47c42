// Thousands of random key sequences over random tests and window sizes: after
// every key, tick and command the run's invariants hold, and a run either goes on
// or ends through the Report (or End Test).
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/router.h"
#include "fakes/fake_window.h"
#include "results/counters.h"
#include "run/screen.h"

namespace keyrill {
namespace {

using fake::FakeWindow;
using fake::WindowSize;

class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  int Between(int low, int high) {  // both included
    return std::uniform_int_distribution<int>(low, high)(engine_);
  }
  bool OneIn(int n) { return Between(1, n) == 1; }

 private:
  std::mt19937 engine_;
};

std::string RandomWord(Random& random, int maxLength) {
  static const std::string kLetters =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,;:!?'-()\t\xe9\xfc";
  const int length = random.Between(1, std::max(1, maxLength));
  std::string word;
  for (int i = 0; i < length; ++i) {
    word += kLetters[static_cast<std::size_t>(random.Between(0, int(kLetters.size()) - 1))];
  }
  return word;
}

// Text as a user types it into Add Test: words, odd spacing, both kinds of line end,
// empty lines, now and then a word that only just fits or does not fit at all.
std::string RandomText(Random& random, int lineCapacity) {
  std::string text;
  const int textLines = random.Between(1, 14);
  for (int l = 0; l < textLines; ++l) {
    if (l > 0) text += random.OneIn(2) ? "\r\n" : "\n";
    if (random.OneIn(10)) continue;  // an empty line
    if (random.OneIn(12)) text += ' ';
    const int words = random.Between(1, 9);
    for (int w = 0; w < words; ++w) {
      if (w > 0) text += random.OneIn(8) ? "  " : " ";
      int maxLength = std::min(lineCapacity - 2, 9);
      if (random.OneIn(60)) maxLength = lineCapacity - 1 + random.Between(-1, 3);
      text += RandomWord(random, maxLength);
    }
    if (random.OneIn(15)) text += ' ';
  }
  return text;
}

WindowSize RandomSize(Random& random) {
  WindowSize size;
  // Mostly the example's cell; a tiny one reaches pages a few pixels high.
  static const std::vector<Extent> kCells = {{13, 24}, {13, 24}, {8, 16},
                                             {7, 12},  {10, 20}, {6, 3}};
  size.textCell = kCells[static_cast<std::size_t>(random.Between(0, int(kCells.size()) - 1))];
  size.statsCell = {random.Between(5, 12), random.Between(8, 18)};
  // Wide enough for a character and a cursor cell, and from no page at all to tall.
  size.clientWidth = random.Between(3 * size.textCell.cx + 12, 760);
  size.clientHeight = random.Between(40, 700);
  return size;
}

enum class Event { Key, CursorTick, StatsTick, Pause, End, Begin };

struct Step {
  Event event = Event::Key;
  int code = 0;
};

Step RandomStep(Random& random, const Program& program) {
  const int roll = random.Between(1, 1000);
  if (roll <= 40) return {Event::CursorTick, 0};
  if (roll <= 60) return {Event::StatsTick, 0};
  if (roll <= 75) return {Event::Pause, 0};
  if (roll <= 78) return {Event::End, 0};
  if (roll <= 88) return {Event::Begin, 0};
  if (roll <= 480 && program.TestRunning) {
    // The right character, so that runs get through their lines.
    const LinePair* pair = const_cast<Program&>(program).lines.GetItem();
    const std::size_t typed = std::char_traits<char>::length(pair->typed.get());
    const char next = pair->target[typed];
    if (next != '\0' && next != '\r') return {Event::Key, static_cast<unsigned char>(next)};
  }
  if (roll <= 620) return {Event::Key, 8};
  if (roll <= 660) return {Event::Key, 9};
  if (roll <= 720) return {Event::Key, 13};
  if (roll <= 760) return {Event::Key, random.Between(0, 31)};
  if (roll <= 800) return {Event::Key, random.Between(128, 255)};
  if (roll <= 820) return {Event::Key, random.Between(1, 0x7FFF)};
  return {Event::Key, random.Between(32, 126)};
}

std::string Describe(const Step& step) {
  switch (step.event) {
    case Event::Key:
      return "key " + std::to_string(step.code);
    case Event::CursorTick:
      return "cursor tick";
    case Event::StatsTick:
      return "stats tick";
    case Event::Pause:
      return "pause";
    case Event::End:
      return "end";
    case Event::Begin:
      return "begin";
  }
  return "?";
}

void Apply(FakeWindow& window, const Step& step) {
  switch (step.event) {
    case Event::Key:
      OnChar(window.program, step.code);
      break;
    case Event::CursorTick:
      OnTimer(window.program, TIMER_CURSOR);
      break;
    case Event::StatsTick:
      OnTimer(window.program, TIMER_STATS);
      break;
    case Event::Pause:
      OnCommand(window.program, IDM_PAUSE_TEST);
      break;
    case Event::End:
      OnCommand(window.program, IDM_END_TEST);
      break;
    case Event::Begin:
      OnCommand(window.program, IDM_BEGIN_TEST);
      break;
  }
}

// The state a dropped event must leave alone.
struct Snapshot {
  bool running;
  std::int32_t index, caretX, caretY;
  bool cursorOn;
  std::vector<std::string> typed;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(Program& program) {
  return {program.TestRunning, program.lines.Index(), program.CaretX,
          program.CaretY,      program.CursorOn,      fake::TypedLines(program.lines)};
}

// count cells of a row, as far as the surface holds whole cells.
std::string VisibleRow(const FakeWindow& window, std::int32_t y, std::int32_t cells) {
  const Layout& layout = window.program.layout;
  if (y < 0 || y + layout.CharHeight > layout.ClientHeight) return "";
  const std::int32_t fit = (layout.ClientWidth - kMargin) / layout.CharWidth;
  return window.surface.Row(kMargin, y, std::min(cells, fit));
}

std::string Fit(std::string text, std::size_t cells) {
  text.resize(cells, ' ');
  return text;
}

// Returns an empty string when every invariant holds, else what broke. The page is
// read around the current block, or whole when wholePage is set.
std::string CheckInvariants(FakeWindow& window, const std::vector<std::string>& targets,
                            Extent cell, bool wholePage) {
  Program& program = window.program;
  const Layout& layout = program.layout;
  const fake::RecordingHost& host = window.host;
  if (!program.TestRunning) {
    if (!program.lines.Empty() || program.lines.Index() != -1) return "idle with lines";
    if (program.CaretX != 0 || program.CaretY != 0) return "idle caret not at (0, 0)";
    if (host.Timer(TIMER_CURSOR).running || host.Timer(TIMER_STATS).running) {
      return "idle with a timer running";
    }
    if (program.typedTotals.words != 0 || program.typedTotals.chars != 0) {
      return "idle with running totals";
    }
    return "";
  }
  if (layout.CharWidth != cell.cx || layout.CharHeight != cell.cy) return "the cell changed";
  if (program.lines.OnSentinel()) return "cursor on the sentinel";
  const std::int32_t index = program.lines.Index();
  if (index < 0 || index >= static_cast<std::int32_t>(targets.size())) return "index out of range";
  if (!host.Timer(TIMER_CURSOR).running || host.Timer(TIMER_CURSOR).periodMs != 500 ||
      !host.Timer(TIMER_STATS).running || host.Timer(TIMER_STATS).periodMs != 100) {
    return "a run's timer is not running at its period";
  }

  const std::vector<std::string> typedLines = fake::TypedLines(program.lines);
  if (program.lines.Index() != index) return "a walk moved the cursor";
  // What the statistics bar shows must be what a full walk counts.
  const std::int32_t walkedWords = CountTypedWords(program.lines);
  const std::int32_t walkedChars = CountTypedChars(program.lines);
  if (program.typedTotals.words != walkedWords || program.typedTotals.chars != walkedChars) {
    return "running totals " + std::to_string(program.typedTotals.words) + " words, " +
           std::to_string(program.typedTotals.chars) + " chars; the walk counts " +
           std::to_string(walkedWords) + ", " + std::to_string(walkedChars);
  }
  const std::string& target = targets[static_cast<std::size_t>(index)];
  if (target != program.lines.GetItem()->target.get()) return "a target changed";
  const std::string& typed = typedLines[static_cast<std::size_t>(index)];
  if (static_cast<std::int32_t>(typed.size()) > layout.LineCapacity) return "typed overran";
  if (typed.size() > std::max<std::size_t>(target.size(), 1)) return "typed longer than target";
  for (std::size_t i = static_cast<std::size_t>(index) + 1; i < typedLines.size(); ++i) {
    if (!typedLines[i].empty()) return "a line below the current one holds typing";
  }

  const std::int32_t rowOffset = program.CaretY - kPageTop - layout.CharHeight;
  if (rowOffset < 0 || rowOffset % (3 * layout.CharHeight) != 0) {
    return "CaretY " + std::to_string(program.CaretY) + " is not on a typed row";
  }
  const std::int32_t block = rowOffset / (3 * layout.CharHeight);
  if (block > index) return "CaretY is below the current line's block";
  const auto expectedX = kMargin + layout.CharWidth * static_cast<std::int32_t>(typed.size());
  if (program.CaretX != expectedX) {
    return "CaretX " + std::to_string(program.CaretX) + " for " + std::to_string(typed.size()) +
           " typed";
  }

  // The page: every drawn block from the top shows its line, the current one with
  // the cursor cell after its typing and white beyond.
  if (layout.UsableHeight <= kPageTop) return "";
  const std::int32_t top = index - block;
  const std::int32_t rowCells = (layout.ClientWidth - kMargin) / layout.CharWidth;
  for (std::int32_t b = 0;; ++b) {
    const std::int32_t y = kPageTop + 3 * b * layout.CharHeight;
    const auto line = static_cast<std::size_t>(top + b);
    if (y >= layout.UsableHeight || line >= targets.size()) break;
    if (!wholePage && (b < block - 1 || b > block + 1)) continue;
    const std::string& blockTarget = targets[line];
    const std::string shownTarget = VisibleRow(window, y, rowCells);
    if (!shownTarget.empty() && shownTarget != Fit(blockTarget, shownTarget.size())) {
      return "block " + std::to_string(b) + " shows target '" + shownTarget + "'";
    }
    std::string expectedTyped = typedLines[line];
    if (b == block) expectedTyped += program.CursorOn ? '#' : ' ';
    const std::string shownTyped = VisibleRow(window, y + layout.CharHeight, rowCells);
    if (!shownTyped.empty() && shownTyped != Fit(expectedTyped, shownTyped.size())) {
      return "block " + std::to_string(b) + " shows typed '" + shownTyped + "'";
    }
  }
  return "";
}

// Word and error rules written out again, to check the Report's wiring.
int Words(const std::string& text) {
  int words = 0;
  for (std::size_t j = 0; j < text.size(); ++j) {
    const bool ends = j + 1 == text.size() || text[j + 1] == ' ';
    if (text[j] != ' ' && text[j] != '\r' && ends) ++words;
  }
  return words;
}

int Mismatches(const std::string& a, const std::string& b) {
  int errors = 0;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const char x = i < a.size() ? a[i] : '\0';
    const char y = i < b.size() ? b[i] : '\0';
    if (x != y) ++errors;
  }
  return errors;
}

TEST(Property, RandomKeysKeepTheRunsInvariants) {
  constexpr int kSequences = 2500;
  constexpr int kSteps = 160;
  int runsReported = 0;
  int runsStarted = 0;
  int fatals = 0;
  int scrolls = 0;
  for (int sequence = 0; sequence < kSequences; ++sequence) {
    const auto seed = static_cast<std::uint32_t>(sequence * 7919 + 17);
    Random random(seed);
    const WindowSize size = RandomSize(random);
    FakeWindow window(size);
    const std::string text = RandomText(random, window.program.layout.LineCapacity);
    window.Store({{"t", text}, {"next", "x"}});
    window.Select("t");

    std::vector<std::string> targets;
    std::string reportProblem;
    window.host.onReport = [&](const ReportTexts& report) {
      const auto typed = fake::TypedLines(window.program.lines);
      int typedWords = 0, targetWords = 0, targetChars = 0, errors = 0;
      for (std::size_t i = 0; i < targets.size(); ++i) {
        typedWords += Words(typed[i]);
        targetWords += Words(targets[i]);
        targetChars += static_cast<int>(targets[i].size());
        errors += Mismatches(targets[i], typed[i]);
      }
      if (report.wordsTyped != std::to_string(typedWords) ||
          report.wordsInTest != std::to_string(targetWords) ||
          report.characters != std::to_string(targetChars) ||
          report.errors != std::to_string(errors)) {
        reportProblem = "report figures";
      }
      int typedChars = 0;
      for (const auto& line : typed) typedChars += static_cast<int>(line.size());
      if (window.program.typedTotals.words != typedWords ||
          window.program.typedTotals.chars != typedChars) {
        reportProblem = "the final bar's running totals";
      }
      if (!window.program.TestRunning || window.host.Timer(TIMER_STATS).running ||
          window.host.Timer(TIMER_CURSOR).running) {
        reportProblem = "state while the Report is open";
      }
    };

    std::vector<std::string> history;
    auto fail = [&](const std::string& what) {
      std::ostringstream out;
      out << "seed " << seed << ", window " << size.clientWidth << "x" << size.clientHeight
          << " cell " << size.textCell.cx << "x" << size.textCell.cy << ", after:";
      for (const auto& h : history) out << " [" << h << "]";
      ADD_FAILURE() << what << "\n" << out.str();
    };

    window.Type("\r");
    if (!window.host.fatalErrors.empty()) {
      ++fatals;
      if (window.program.TestRunning || !window.program.lines.Empty()) {
        return fail("a fatal load left a run behind");
      }
      continue;
    }
    if (!window.program.TestRunning) continue;  // the text made no line
    ++runsStarted;
    targets = fake::TargetLines(window.program.lines);

    for (int step = 0; step < kSteps; ++step) {
      const Step next = RandomStep(random, window.program);
      history.push_back(Describe(next));
      const bool wasRunning = window.program.TestRunning;
      const bool paused = window.program.clock.Paused;
      const std::size_t reportsBefore = window.host.reports.size();
      const Snapshot before = Take(window.program);
      window.ClearLogs();
      Apply(window, next);

      if (!reportProblem.empty()) return fail(reportProblem);
      const bool reported = window.host.reports.size() != reportsBefore;
      if (reported) ++runsReported;
      if (next.event == Event::Key &&
          std::any_of(window.host.invalidations.begin(), window.host.invalidations.end(),
                      [](const auto& mark) { return mark.all && mark.erase; })) {
        ++scrolls;
      }
      if (paused && (next.event == Event::Key || next.event == Event::CursorTick ||
                     next.event == Event::StatsTick)) {
        if (!(Take(window.program) == before) || !window.surface.fills.empty()) {
          return fail("a paused program changed");
        }
      }
      if (wasRunning && !window.program.TestRunning && !reported && next.event != Event::End) {
        return fail("the run ended without the Report");
      }
      if (reported && (next.event != Event::Key || window.program.TestRunning)) {
        return fail("a Report outside a run's last key");
      }
      const bool wholePage =
          random.OneIn(8) ||
          std::any_of(window.host.invalidations.begin(), window.host.invalidations.end(),
                      [](const auto& mark) { return mark.all; });
      if (const std::string broken = CheckInvariants(window, targets, size.textCell, wholePage);
          !broken.empty()) {
        return fail(broken);
      }
      if (!window.program.TestRunning && window.program.lines.Empty() &&
          next.event != Event::Begin && random.OneIn(3)) {
        // Begin the same test again from the idle screen.
        history.push_back("enter");
        window.Type("\r");
        if (window.program.TestRunning) targets = fake::TargetLines(window.program.lines);
      }
      if (window.program.TestRunning && targets.empty()) {
        targets = fake::TargetLines(window.program.lines);
      }
    }
  }
  // The random walk has to reach the interesting places for the check to mean much.
  EXPECT_GT(runsStarted, kSequences / 2);
  EXPECT_GT(runsReported, kSequences / 10);
  EXPECT_GT(scrolls, kSequences / 10);
  EXPECT_GT(fatals, 0);
  std::cout << runsStarted << " runs, " << runsReported << " reported, " << scrolls << " scrolls, "
            << fatals << " fatal loads\n";
}

}  // namespace
}  // namespace keyrill
