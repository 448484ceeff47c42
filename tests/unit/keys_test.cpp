// The keystroke engine and run control, driven through the router with the worked
// example's metrics (client 492 x 446, "@" 13 x 24) unless a case says otherwise.
#include "run/keys.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/router.h"
#include "fakes/fake_window.h"
#include "run/run_control.h"
#include "run/screen.h"

namespace keyrill {
namespace {

using fake::FakeWindow;
using fake::TypedLines;
using fake::WindowSize;

TEST(Keys, BeginTestShowsTheCursorStartsBothTimersThenTheClock) {
  FakeWindow window;
  window.Store({{"t", "cat\nsat"}});
  window.Select("t");
  window.clock.now = 1234;
  window.ClearLogs();
  window.Type("\r");
  Program& program = window.program;
  ASSERT_TRUE(program.TestRunning);
  EXPECT_EQ(program.CaretX, 12);
  EXPECT_EQ(program.CaretY, 56);
  EXPECT_TRUE(window.surface.IsBlack(12, 56, 13, 24));
  EXPECT_EQ(window.host.events, (std::vector<std::string>{"start 1 500", "start 2 100"}));
  EXPECT_EQ(program.clock.StartTime, 1234);
  EXPECT_EQ(window.surface.Row(12, 32, 4), "cat ");
  EXPECT_EQ(window.surface.Row(12, 104, 3), "sat");
}

TEST(Keys, TypingFollowsTheAdvanceRules) {
  const std::string x35(35, 'x');
  struct Case {
    const char* name;
    WindowSize size;
    std::string text;
    std::string keys;
    std::vector<std::string> typed;  // every line's typed text afterwards
    std::int32_t index;
    std::int32_t caretX;
    std::int32_t caretY;
  };
  const WindowSize example;
  const std::vector<Case> cases = {
      {"length rule", example, "cat\nnext", "cat", {"cat", ""}, 1, 12, 128},
      {"one key short", example, "cat\nnext", "ca", {"ca", ""}, 0, 38, 56},
      {"carriage-return rule", example, "cat\r\nnext", "cat", {"cat", ""}, 1, 12, 128},
      {"Enter leaves a partial line", example, "cat\nnext", "ca\r", {"ca", ""}, 1, 12, 128},
      {"Enter on an untouched line", example, "cat\nnext", "\r", {"", ""}, 1, 12, 128},
      {"34 of 35: the line goes on",
       example,
       x35 + "\nnext",
       std::string(34, 'x'),
       {std::string(34, 'x'), ""},
       0,
       454,
       56},
      {"35 of 35", example, x35 + "\nnext", x35, {x35, ""}, 1, 12, 128},
      // Usable width 468 = 36 cells: the width rule ends a 36-character line at 35.
      {"width rule at 35 of 36",
       {493, 446, {13, 24}, {10, 16}},
       std::string(36, 'x') + "\nnext",
       x35,
       {x35, ""},
       1,
       12,
       128},
      {"Tab inside a line", example, "ab cdefgh\nnext", "ab\t", {"ab     ", ""}, 0, 103, 56},
      {"short Tab ends the line", example, "abcd\nnext", "ab\t", {"ab  ", ""}, 1, 12, 128},
      {"Tab on a full line adds nothing", example, "ab\r\nnext", "ab", {"ab", ""}, 1, 12, 128},
      {"lone CR line takes any key", example, "ab\r\n\r\ncd", "abz", {"ab", "z", ""}, 2, 12, 200},
      {"Tab on a lone CR line types one space",
       example,
       "ab\r\n\r\ncd",
       "ab\t",
       {"ab", " ", ""},
       2,
       12,
       200},
      {"control codes are typed", example, "cat\nnext", "c\na", {"c\na", ""}, 1, 12, 128},
      {"a zero byte is not typed",
       example,
       "cat\nnext",
       std::string("c\0a", 3),
       {"ca", ""},
       0,
       38,
       56},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window(c.size);
    ASSERT_TRUE(window.Start(c.text));
    window.Type(c.keys);
    Program& program = window.program;
    EXPECT_TRUE(program.TestRunning);
    EXPECT_EQ(TypedLines(program.lines), c.typed);
    EXPECT_EQ(program.lines.Index(), c.index);
    EXPECT_EQ(program.CaretX, c.caretX);
    EXPECT_EQ(program.CaretY, c.caretY);
    // The cursor is solid after every key and blinks again 500 ms later.
    EXPECT_TRUE(program.CursorOn);
    EXPECT_TRUE(window.surface.IsBlack(program.CaretX, program.CaretY, 13, 24));
    EXPECT_TRUE(window.host.Timer(TIMER_CURSOR).running);
    EXPECT_EQ(window.host.Timer(TIMER_CURSOR).periodMs, 500);
  }
}

TEST(Keys, AnOrdinaryKeyDrawsAndMarksOnlyItsCell) {
  FakeWindow window;
  ASSERT_TRUE(window.Start("cat\nnext"));
  window.Type("c");
  window.ClearLogs();
  window.Type("a");
  EXPECT_EQ(window.surface.Row(12, 56, 2), "ca");
  EXPECT_TRUE(window.surface.IsBlack(38, 56, 13, 24));
  ASSERT_EQ(window.host.invalidations.size(), 2u);
  EXPECT_EQ(window.host.invalidations[0].rect, (Rect{25, 56, 38, 80}));  // the character
  EXPECT_EQ(window.host.invalidations[1].rect, (Rect{38, 56, 51, 80}));  // the cursor
  EXPECT_EQ(window.host.events, (std::vector<std::string>{"stop 1", "start 1 500"}));
  // Only the cursor cell is filled; the character's opaque cell covered the old one.
  ASSERT_EQ(window.surface.fills.size(), 1u);
  EXPECT_EQ(window.surface.fills[0].brush, Brush::Black);
}

TEST(Keys, LowByteOfTheCodeIsTheCharacter) {
  FakeWindow window;
  ASSERT_TRUE(window.Start("Abc\nnext"));
  OnChar(window.program, 0x100 | 'A');
  OnChar(window.program, 0x200 | 8);  // a Backspace
  OnChar(window.program, 0x7700 | 'A');
  EXPECT_EQ(TypedLines(window.program.lines)[0], "A");
}

TEST(Keys, BackspaceCases) {
  struct Case {
    const char* name;
    std::string text;
    std::string keys;  // the last key is the Backspace under test
    std::vector<std::string> typed;
    std::int32_t index;
    std::int32_t caretX;
    std::int32_t caretY;
  };
  const std::vector<Case> cases = {
      {"inside a line", "cats\nnext", "cat\b", {"ca", ""}, 0, 38, 56},
      {"back-up after the length rule",
       "aaa\ndog\nxyz\nend",
       "aaadog\b",
       {"aaa", "do", "", ""},
       1,
       38,
       128},
      {"back-up after Enter", "aaa\ndog\nxyz\nend", "aaado\r\b", {"aaa", "do", "", ""}, 1, 38, 128},
      {"back-up after a CR target",
       "aaa\ndog\r\nxyz\nend",
       "aaadog\b",
       {"aaa", "dog", "", ""},
       1,
       51,
       128},
      {"back-up to an untouched line",
       "aaa\ndog\nxyz\nend",
       "aaa\r\b",
       {"aaa", "", "", ""},
       1,
       12,
       128},
      // The lone CR line would end at once by the CR rule; a key that backed up does not.
      {"back-up from a lone CR line stays up",
       "aaa\r\n\r\nbbb",
       "aaa\b",
       {"aaa", "", ""},
       0,
       51,
       56},
      {"refused on the first line", "aaa\ndog", "\b", {"", ""}, 0, 12, 56},
      {"refused in the top block", "aaa\ndog", "a\b\b", {"", ""}, 0, 12, 56},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window;
    ASSERT_TRUE(window.Start(c.text));
    window.Type(c.keys.substr(0, c.keys.size() - 1));
    window.ClearLogs();
    window.Type("\b");
    Program& program = window.program;
    EXPECT_EQ(TypedLines(program.lines), c.typed);
    EXPECT_EQ(program.lines.Index(), c.index);
    EXPECT_EQ(program.CaretX, c.caretX);
    EXPECT_EQ(program.CaretY, c.caretY);
    EXPECT_TRUE(window.surface.IsBlack(program.CaretX, program.CaretY, 13, 24));
    // Whatever happened, nothing right of the caret shows on the typed row.
    EXPECT_TRUE(
        window.surface.IsWhite(program.CaretX + 13, program.CaretY, 492 - program.CaretX - 13, 24));
  }
}

TEST(Keys, BackspaceInsideALineErasesTheCellWithTheWhiteCursorBrush) {
  FakeWindow window;
  ASSERT_TRUE(window.Start("cats\nnext"));
  window.Type("cat");
  window.ClearLogs();
  window.Type("\b");
  const auto& fills = window.surface.fills;
  // The cursor taken away, the erased cell, the cursor drawn again.
  ASSERT_EQ(fills.size(), 3u);
  EXPECT_EQ(fills[0].left, 51);
  EXPECT_EQ(fills[0].brush, Brush::White);
  EXPECT_EQ(
      (std::vector<std::int32_t>{fills[1].left, fills[1].top, fills[1].width, fills[1].height}),
      (std::vector<std::int32_t>{38, 56, 13, 24}));
  EXPECT_EQ(fills[1].brush, Brush::White);
  EXPECT_EQ(fills[2].brush, Brush::Black);
  const auto& marks = window.host.invalidations;
  ASSERT_EQ(marks.size(), 3u);
  EXPECT_EQ(marks[1].rect, (Rect{38, 56, 51, 80}));
  EXPECT_EQ(window.surface.Row(12, 56, 2), "ca");
}

TEST(Keys, ABackedUpLineIsNotAdvancedAgainUntilItIsCompleted) {
  FakeWindow window;
  ASSERT_TRUE(window.Start("aaa\ndog\nxyz\nend"));
  window.Type("aaadog\b");
  Program& program = window.program;
  ASSERT_EQ(program.lines.Index(), 1);
  // The removed g's cell is under the cursor, not erased on its own.
  EXPECT_TRUE(window.surface.IsBlack(38, 128, 13, 24));
  EXPECT_EQ(window.surface.Row(12, 128, 2), "do");
  window.Type("g");
  EXPECT_EQ(program.lines.Index(), 2);
  EXPECT_EQ(program.CaretY, 200);
  EXPECT_EQ(TypedLines(program.lines)[1], "dog");
}

// "l00", "l01", ...: formatted by printf, since GCC 12 warns falsely (-Wrestrict) on
// the same string built with operator+ at -O2.
std::string LineName(int i) {
  char name[16];
  std::snprintf(name, sizeof name, "l%02d", i);
  return name;
}

std::string ThreeLetterLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += '\n';
    text += LineName(i);
  }
  return text;
}

TEST(Keys, ThePageScrollsAsInTheWorkedExample) {
  FakeWindow window;
  ASSERT_TRUE(window.Start(ThreeLetterLines(12)));
  Program& program = window.program;
  for (int i = 0; i < 4; ++i) window.Type(LineName(i));
  ASSERT_EQ(program.CaretY, 344);  // block 4
  window.ClearLogs();
  window.Type(LineName(4));
  // 416 > 402: k = 18 / 6 = 3, the page starts at line 2 and line 5 is in block 3.
  EXPECT_EQ(program.lines.Index(), 5);
  EXPECT_EQ(program.CaretY, 272);
  ASSERT_FALSE(window.host.invalidations.empty());
  EXPECT_TRUE(std::any_of(window.host.invalidations.begin(), window.host.invalidations.end(),
                          [](const auto& mark) { return mark.all && mark.erase; }));
  for (int b = 0; b < 6; ++b) {
    EXPECT_EQ(window.surface.Row(12, 32 + 72 * b, 3), LineName(2 + b));
  }
  EXPECT_EQ(window.surface.Row(12, 56, 3), LineName(2));  // typed rows come back too
  // The scroll cleared the statistics bar.
  EXPECT_TRUE(window.surface.IsWhite(0, 0, 492, 32));

  window.Type(LineName(5));
  EXPECT_EQ(program.CaretY, 344);  // no scroll this time
  window.Type(LineName(6));
  EXPECT_EQ(program.lines.Index(), 7);
  EXPECT_EQ(program.CaretY, 272);
  for (int b = 0; b < 6; ++b) {
    EXPECT_EQ(window.surface.Row(12, 32 + 72 * b, 3), LineName(4 + b));
  }
}

TEST(Keys, BackspaceNeverBacksUpOutOfThePagesTopBlock) {
  FakeWindow window;
  ASSERT_TRUE(window.Start(ThreeLetterLines(12)));
  Program& program = window.program;
  for (int i = 0; i < 7; ++i) window.Type(LineName(i));
  ASSERT_EQ(program.lines.Index(), 7);  // the page starts at line 4
  // Each line above was completed by the length rule: the first Backspace into it
  // reopens it before its last character, two more empty it.
  for (int up = 0; up < 3; ++up) window.Type("\b\b\b");
  EXPECT_EQ(program.lines.Index(), 4);
  EXPECT_EQ(program.CaretY, 56);
  EXPECT_EQ(program.CaretX, 12);
  window.Type("\b");  // line 4 is not the first line, but it is in the top block
  EXPECT_EQ(program.lines.Index(), 4);
  EXPECT_EQ(program.CaretY, 56);
  EXPECT_EQ(TypedLines(program.lines)[3], "l03");
}

TEST(Keys, BeginTestReportsATestWithNoLines) {
  struct Case {
    const char* name;
    std::vector<fake::StoredTest> library;
  };
  const std::vector<Case> cases = {
      {"name not in the library", {{"other", "abc"}}},
      {"empty text as the last test", {{"t", ""}}},
      {"text that starts with a header", {{"t", "~x\nabc"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window;
    window.Store(c.library);
    window.Select("t");
    window.ClearLogs();
    window.Type("\r");
    EXPECT_FALSE(window.program.TestRunning);
    EXPECT_EQ(window.program.lines.Index(), -1);
    EXPECT_EQ(window.surface.Row(12, 36, 22), "Error: No text in test");
    // The screen was cleared, but only the message row is marked.
    EXPECT_TRUE(window.surface.IsWhite(0, 0, 492, 36));
    ASSERT_EQ(window.host.invalidations.size(), 1u);
    EXPECT_EQ(window.host.invalidations[0].rect, (Rect{12, 36, 636, 60}));
    EXPECT_TRUE(window.host.events.empty());
  }
}

TEST(Keys, AWordTooLargeIsFatalAndLeavesNothingBehind) {
  FakeWindow window;
  window.Store({{"t", "short words first\n" + std::string(40, 'w') + " more"}});
  window.Select("t");
  window.ClearLogs();
  window.Type("\r");
  EXPECT_EQ(window.host.fatalErrors, (std::vector<std::string>{"Word too large for the window."}));
  EXPECT_FALSE(window.program.TestRunning);
  EXPECT_TRUE(window.program.lines.Empty());
  EXPECT_EQ(window.program.lines.Index(), -1);
  EXPECT_EQ(window.host.events, (std::vector<std::string>{"fatal"}));
  // Only the router's clear happened: no message, no page.
  EXPECT_TRUE(window.surface.texts.empty());
  EXPECT_TRUE(window.host.invalidations.empty());
}

TEST(Keys, EndTestReturnsToTheIdleScreen) {
  FakeWindow window;
  ASSERT_TRUE(window.Start("cat\nnext"));
  window.Type("ca");
  OnTimer(window.program, TIMER_CURSOR);  // the dark phase: CursorOn false
  window.ClearLogs();
  OnCommand(window.program, IDM_END_TEST);
  Program& program = window.program;
  EXPECT_FALSE(program.TestRunning);
  EXPECT_TRUE(program.lines.Empty());
  EXPECT_EQ(program.CaretX, 0);
  EXPECT_EQ(program.CaretY, 0);
  EXPECT_EQ(window.host.events, (std::vector<std::string>{"stop 1", "stop 2"}));
  EXPECT_TRUE(window.host.reports.empty());
  EXPECT_EQ(window.surface.Row(12, 12, 32), "Press enter to begin the test...");
  EXPECT_EQ(window.surface.Row(12, 36, 2), "t ");
  EXPECT_TRUE(window.surface.IsWhite(0, 60, 492, 386));
  ASSERT_FALSE(window.host.invalidations.empty());
  EXPECT_TRUE(window.host.invalidations.back().all);
  EXPECT_FALSE(window.host.invalidations.back().erase);

  // CursorOn is not reset: the next run's cursor starts white.
  EXPECT_FALSE(program.CursorOn);
  window.Type("\r");
  EXPECT_TRUE(program.TestRunning);
  EXPECT_TRUE(window.surface.IsWhite(12, 56, 13, 24));
  OnTimer(program, TIMER_CURSOR);
  EXPECT_TRUE(window.surface.IsBlack(12, 56, 13, 24));
}

TEST(Keys, AWholeRunEndsWithTheFinalBarTheReportAndTheSameTestReady) {
  FakeWindow window;
  window.Store({{"t", "the cat\r\nsat on"}, {"other", "x"}});
  window.Select("t");
  window.clock.now = 1000;
  window.Type("\r");
  Program& program = window.program;
  window.Type("the cat");
  ASSERT_EQ(program.lines.Index(), 1);
  window.Type("sat o");
  window.clock.now = 31000;

  bool runningWhileOpen = false;
  bool timersStoppedWhileOpen = false;
  std::size_t linesWhileOpen = 0;
  window.host.onReport = [&](const ReportTexts&) {
    runningWhileOpen = program.TestRunning;
    timersStoppedWhileOpen =
        !window.host.Timer(TIMER_CURSOR).running && !window.host.Timer(TIMER_STATS).running;
    linesWhileOpen = TypedLines(program.lines).size();
  };
  window.ClearLogs();
  window.Type("x");  // the last key: "sat ox" has the length of "sat on"

  ASSERT_EQ(window.host.reports.size(), 1u);
  const ReportTexts& report = window.host.reports[0];
  // 4 words typed in 30 s; "cat" before the CR is no word of the test.
  EXPECT_EQ(report.wordsPerMinute, "8.000000");
  EXPECT_EQ(report.wordsInTest, "3");
  EXPECT_EQ(report.wordsTyped, "4");
  EXPECT_EQ(report.timeTaken, "30.000000");
  EXPECT_EQ(report.characters, "14");  // the targets' characters, CR included
  EXPECT_EQ(report.errors, "2");       // the missing CR and the x
  EXPECT_EQ(program.clock.EndTime, 31000);
  EXPECT_TRUE(runningWhileOpen);
  EXPECT_TRUE(timersStoppedWhileOpen);
  EXPECT_EQ(linesWhileOpen, 2u);

  EXPECT_EQ(window.host.events,
            (std::vector<std::string>{"stop 1", "stop 2", "report", "stop 1", "stop 2"}));
  // The final bar was drawn with the end time before the Report opened.
  std::vector<std::string> barTexts;
  for (const auto& text : window.surface.texts) {
    if (text.font == Font::Stats) barTexts.push_back(text.bytes);
  }
  EXPECT_EQ(barTexts,
            (std::vector<std::string>{"Words Per Minute: 8.0", "Time: 30.0s", "Characters: 13"}));

  EXPECT_FALSE(program.TestRunning);
  EXPECT_TRUE(program.lines.Empty());
  EXPECT_TRUE(program.CursorOn);
  EXPECT_EQ(window.surface.Row(12, 12, 32), "Press enter to begin the test...");
  EXPECT_EQ(window.surface.Row(12, 36, 2), "t ");
  EXPECT_TRUE(window.surface.IsWhite(0, 0, 492, 12));

  window.Type("\r");
  EXPECT_TRUE(program.TestRunning);
  EXPECT_EQ(TypedLines(program.lines), (std::vector<std::string>{"", ""}));
}

TEST(Keys, ARefusedBackspaceStillAppliesTheAdvanceRules) {
  // An empty text followed by another test loads as one empty line: any key ends it,
  // even a Backspace that cannot back up.
  FakeWindow window;
  ASSERT_TRUE(window.Start(""));
  window.Type("\b");
  EXPECT_FALSE(window.program.TestRunning);
  ASSERT_EQ(window.host.reports.size(), 1u);
  EXPECT_EQ(window.host.reports[0].errors, "0");
}

TEST(Keys, NoCharacterReachesTheRunWhileTheReportIsOpen) {
  // A dead key and a letter it does not combine with, or an input method's commit,
  // give two characters for one keystroke; the first ends the run, the second
  // arrives while the Report is open (Windows dispatches it from the Report's loop).
  struct Case {
    const char* name;
    std::string late;
  };
  const std::vector<Case> cases = {
      {"a letter", "y"}, {"Enter", "\r"}, {"Backspace", "\b"}, {"two letters", "yz"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window;
    ASSERT_TRUE(window.Start("ab"));
    Program& program = window.program;
    window.Type("a");
    std::vector<std::string> typedWhileOpen;
    window.host.onReport = [&](const ReportTexts&) {
      window.Type(c.late);
      typedWhileOpen = TypedLines(program.lines);
    };
    window.Type("x");
    EXPECT_EQ(window.host.reports.size(), 1u);
    EXPECT_EQ(typedWhileOpen, (std::vector<std::string>{"ax"}));
    EXPECT_FALSE(program.TestRunning);
    EXPECT_FALSE(program.ReportOpen);
    // Once the Report is closed, characters count again.
    window.Type("\r");
    EXPECT_TRUE(program.TestRunning);
  }
}

}  // namespace
}  // namespace keyrill
