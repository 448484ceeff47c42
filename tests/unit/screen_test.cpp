// Layout and drawing of the main area, run through the recording fake.
#include "run/screen.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_window.h"
#include "results/stats_bar.h"
#include "run/run_control.h"
#include "run/screen_reading.h"

namespace keyrill {
namespace {

using fake::FakeWindow;
using fake::WindowSize;

TEST(Screen, MeasureLayoutFixesTheMetrics) {
  struct Case {
    WindowSize size;
    Layout expected;
  };
  const std::vector<Case> cases = {
      // The worked example.
      {{492, 446, {13, 24}, {10, 16}}, {492, 446, 13, 24, 467, 402, 36, 17}},
      // A usable width that is an exact multiple of the cell gains a character.
      {{493, 446, {13, 24}, {10, 16}}, {493, 446, 13, 24, 468, 402, 37, 17}},
      {{300, 200, {8, 16}, {6, 12}}, {300, 200, 8, 16, 280, 156, 36, 10}},
      // Too narrow for a character: the line capacity stays at the loader's minimum.
      {{30, 60, {13, 24}, {10, 16}}, {30, 60, 13, 24, 5, 16, 2, 1}},
  };
  for (const Case& c : cases) {
    FakeWindow window(c.size);
    const Layout& got = window.program.layout;
    SCOPED_TRACE(c.size.clientWidth);
    EXPECT_EQ(got.ClientWidth, c.expected.ClientWidth);
    EXPECT_EQ(got.ClientHeight, c.expected.ClientHeight);
    EXPECT_EQ(got.CharWidth, c.expected.CharWidth);
    EXPECT_EQ(got.CharHeight, c.expected.CharHeight);
    EXPECT_EQ(got.UsableWidth, c.expected.UsableWidth);
    EXPECT_EQ(got.UsableHeight, c.expected.UsableHeight);
    EXPECT_EQ(got.LineCapacity, c.expected.LineCapacity);
    EXPECT_EQ(got.RowsPerPage, c.expected.RowsPerPage);
    ASSERT_NE(window.program.LineBuffer, nullptr);
    ASSERT_NE(window.program.CarryBuffer, nullptr);
    EXPECT_EQ(window.program.LineBuffer[0], '\0');
    EXPECT_EQ(window.program.CarryBuffer[0], '\0');
  }
}

TEST(Screen, IdleScreenDrawsBothRowsWithTheirBandsAndRepaintRects) {
  FakeWindow window;
  const auto& fills = window.surface.fills;
  ASSERT_EQ(fills.size(), 3u);
  const std::vector<std::vector<std::int32_t>> expectedFills = {
      {0, 0, 492, 446}, {12, 12, 624, 36}, {12, 36, 624, 60}};
  for (std::size_t i = 0; i < fills.size(); ++i) {
    EXPECT_EQ(
        (std::vector<std::int32_t>{fills[i].left, fills[i].top, fills[i].width, fills[i].height}),
        expectedFills[i]);
    EXPECT_EQ(fills[i].brush, Brush::White);
  }
  ASSERT_EQ(window.host.invalidations.size(), 2u);
  EXPECT_EQ(window.host.invalidations[0].rect, (Rect{12, 12, 636, 36}));
  EXPECT_EQ(window.host.invalidations[1].rect, (Rect{12, 36, 636, 60}));
  for (const auto& mark : window.host.invalidations) {
    EXPECT_FALSE(mark.all);
    EXPECT_FALSE(mark.erase);
  }
  EXPECT_EQ(window.surface.Row(12, 12, 32), "Please select a test to begin...");
  EXPECT_TRUE(window.surface.IsWhite(12, 36, 480, 60));  // the band, within the surface
  // An empty name draws nothing at all in the message row.
  ASSERT_EQ(window.surface.texts.size(), 1u);

  window.ClearLogs();
  window.Select("Typing 101");
  EXPECT_EQ(window.surface.Row(12, 12, 32), "Press enter to begin the test...");
  EXPECT_EQ(window.surface.Row(12, 36, 11), "Typing 101 ");
  ASSERT_EQ(window.surface.texts.size(), 2u);
  EXPECT_EQ(window.surface.texts[0].bytes.size(), 32u);
}

TEST(Screen, IdleFillsAreWhiteWhateverBrushIsSelectedAndLeaveItSelected) {
  FakeWindow window;
  for (const Brush before : {Brush::Black, Brush::White}) {
    window.program.selectedBrush = before;
    window.ClearLogs();
    ClearScreen(window.program);
    ShowIdle(window.program);
    DrawMessage(window.program, "Error: No test selected");
    for (const auto& fill : window.surface.fills) EXPECT_EQ(fill.brush, Brush::White);
    EXPECT_EQ(window.program.selectedBrush, before);
  }
  EXPECT_EQ(window.surface.Row(12, 36, 23), "Error: No test selected");
}

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += '\n';
    text += "line" + std::to_string(i);
  }
  return text;
}

void BeginOn(FakeWindow& window, const std::string& text) {
  window.Store({{"t", text}});
  window.Select("t");
  window.ClearLogs();
  ClearScreen(window.program);
  BeginTest(window.program);
}

TEST(Screen, APageHoldsTheBlocksThatStartAboveTheUsableHeight) {
  struct Case {
    std::int32_t clientHeight;
    int lines;
    std::vector<std::int32_t> targetRows;
  };
  const std::vector<Case> cases = {
      // The worked example: six blocks.
      {446, 8, {32, 104, 176, 248, 320, 392}},
      // Room on the surface for a seventh block, but it would start at 464 >= 456.
      {500, 9, {32, 104, 176, 248, 320, 392}},
      {510, 9, {32, 104, 176, 248, 320, 392, 464}},
      // Fewer lines than blocks.
      {446, 2, {32, 104}},
      // No usable height: nothing is drawn.
      {76, 3, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clientHeight);
    FakeWindow window({492, c.clientHeight, {13, 24}, {10, 16}});
    BeginOn(window, NumberedLines(c.lines));
    ASSERT_TRUE(window.program.TestRunning);

    std::vector<std::int32_t> drawnRows;
    for (const auto& text : window.surface.texts) drawnRows.push_back(text.y);
    std::vector<std::int32_t> expectedRows;
    for (const std::int32_t y : c.targetRows) {
      expectedRows.push_back(y);
      expectedRows.push_back(y + 24);
    }
    EXPECT_EQ(drawnRows, expectedRows);
    for (std::size_t b = 0; b < c.targetRows.size(); ++b) {
      EXPECT_EQ(window.surface.Row(12, c.targetRows[b], 6), "line" + std::to_string(b) + " ");
    }
    // Below the last block the surface stays white; with no block at all, all but
    // the cursor cell at (12, 56).
    if (c.targetRows.empty()) {
      EXPECT_TRUE(window.surface.IsWhite(0, 0, 492, 56));
      EXPECT_TRUE(window.surface.IsWhite(25, 56, 467, c.clientHeight - 56));
    } else if (const std::int32_t below = c.targetRows.back() + 48; below < c.clientHeight) {
      EXPECT_TRUE(window.surface.IsWhite(0, below, 492, c.clientHeight - below));
    }
    ASSERT_FALSE(window.host.invalidations.empty());
    EXPECT_TRUE(window.host.invalidations.front().all);
    EXPECT_TRUE(window.host.invalidations.front().erase);
    EXPECT_EQ(window.program.lines.Index(), 0);
  }
}

TEST(Screen, RenderPageStartsAtTheCursorAndPutsItBack) {
  FakeWindow window;
  BeginOn(window, NumberedLines(10));
  window.program.lines.Seek(3);
  window.ClearLogs();
  RenderPage(window.program);
  EXPECT_EQ(window.program.lines.Index(), 3);
  EXPECT_EQ(window.surface.Row(12, 32, 5), "line3");
  EXPECT_EQ(window.surface.Row(12, 392, 5), "line8");
  EXPECT_TRUE(window.surface.IsWhite(0, 0, 492, 32));
}

TEST(Screen, TheCursorCellFollowsCursorOnAndKeepsItsBrush) {
  FakeWindow window;
  Program& program = window.program;
  program.CaretX = 38;
  program.CaretY = 56;
  window.surface.DrawBytes(38, 56, "x", 1);
  window.ClearLogs();

  program.CursorOn = true;
  DrawCursor(program);
  EXPECT_TRUE(window.surface.IsBlack(38, 56, 13, 24));
  EXPECT_EQ(program.selectedBrush, Brush::Black);
  ASSERT_EQ(window.host.invalidations.size(), 1u);
  EXPECT_EQ(window.host.invalidations[0].rect, (Rect{38, 56, 51, 80}));
  EXPECT_FALSE(window.host.invalidations[0].erase);

  // A white cursor cell erases whatever was drawn in the cell.
  window.surface.DrawBytes(38, 56, "x", 1);
  program.CursorOn = false;
  DrawCursor(program);
  EXPECT_TRUE(window.surface.IsWhite(38, 56, 13, 24));
  EXPECT_EQ(program.selectedBrush, Brush::White);
  // Nothing outside the cell was touched.
  EXPECT_TRUE(window.surface.IsWhite(51, 56, 13, 24));
}

// What assistive technology reads follows the screen: idle rows, an error, the line
// being typed with its caret cell, the next line after an advance, the bar's text.
TEST(Screen, TheReadingFollowsWhatTheScreenShows) {
  FakeWindow window;
  window.Store({{"t", "abc\r\ncd"}});
  struct Step {
    const char* what;
    std::function<void()> act;
    bool running;
    const char* prompt;
    const char* message;
    const char* target;
    const char* typed;
    std::int32_t lineIndex;
    Rect caretCell;
  };
  // One step a row.
  // clang-format off
  const std::vector<Step> steps = {
      {"nothing selected", [] {}, false, kPromptNone, "", "", "", -1, {0, 0, 13, 24}},
      {"Enter with nothing selected", [&] { window.Type("\r"); },
       false, kPromptNone, kNoTestSelected, "", "", -1, {0, 0, 13, 24}},
      {"a name selected", [&] { window.Select("t"); },
       false, kPromptSelected, "t", "", "", -1, {0, 0, 13, 24}},
      {"the run begun", [&] { window.Type("\r"); }, true, "", "", "abc\r", "", 0, {12, 56, 25, 80}},
      {"a key typed", [&] { window.Type("a"); }, true, "", "", "abc\r", "a", 0, {25, 56, 38, 80}},
      {"a wrong key", [&] { window.Type("x"); }, true, "", "", "abc\r", "ax", 0, {38, 56, 51, 80}},
      {"erased", [&] { window.Type("\b"); }, true, "", "", "abc\r", "a", 0, {25, 56, 38, 80}},
      {"the line finished", [&] { window.Type("bc"); },
       true, "", "", "cd", "", 1, {12, 128, 25, 152}},
  };
  // clang-format on
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    const ScreenReading reading = ReadScreen(window.program);
    EXPECT_EQ(reading.running, step.running);
    EXPECT_EQ(reading.prompt, step.prompt);
    EXPECT_EQ(reading.message, step.message);
    EXPECT_EQ(reading.target, step.target);
    EXPECT_EQ(reading.typed, step.typed);
    EXPECT_EQ(reading.lineIndex, step.lineIndex);
    EXPECT_EQ(reading.caretCell, step.caretCell);
  }
  window.clock.now = window.program.clock.StartTime + 10000;
  DrawStatsBar(window.program, window.clock.now);
  EXPECT_EQ(ReadScreen(window.program).bar, "Words Per Minute: 6.0  Time: 10.0s  Characters: 3");
}

}  // namespace
}  // namespace keyrill
