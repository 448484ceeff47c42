// The statistics bar: its texts, their positions from the measured "A", the band,
// the repaint rectangle and the font and brush it leaves behind.
#include "results/stats_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/router.h"
#include "fakes/fake_window.h"

namespace keyrill {
namespace {

using fake::FakeWindow;
using fake::WindowSize;

TEST(StatsBar, TextsStandAtPositionsMeasuredFromTheA) {
  struct Case {
    Extent statsCell;
    std::int32_t timeX;
    std::int32_t charsX;
  };
  const std::vector<Case> cases = {
      {{8, 16}, 213, 349},
      {{9, 16}, 234, 382},
      {{10, 16}, 255, 415},
      {{7, 14}, 192, 316},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.statsCell.cx);
    FakeWindow window(WindowSize{492, 446, {13, 24}, c.statsCell});
    ASSERT_TRUE(window.Start("the cat sat\nnext"));
    window.clock.now = window.program.clock.StartTime + 10000;
    window.Type("the ca");
    window.ClearLogs();
    DrawStatsBar(window.program, window.clock.now);

    const auto& texts = window.surface.texts;
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].bytes, "Words Per Minute: 12.0");  // 2 words in 10 s
    EXPECT_EQ(texts[1].bytes, "Time: 10.0s");
    EXPECT_EQ(texts[2].bytes, "Characters: 6");
    EXPECT_EQ(texts[0].x, 5);
    EXPECT_EQ(texts[1].x, c.timeX);
    EXPECT_EQ(texts[2].x, c.charsX);
    for (const auto& text : texts) {
      EXPECT_EQ(text.y, 5);
      EXPECT_EQ(text.font, Font::Stats);
    }
    // The band is a text row high (24), whatever the statistics font's height.
    ASSERT_EQ(window.surface.fills.size(), 1u);
    const auto& band = window.surface.fills[0];
    EXPECT_EQ((std::vector<std::int32_t>{band.left, band.top, band.width, band.height}),
              (std::vector<std::int32_t>{0, 0, 492, 24}));
    EXPECT_EQ(band.brush, Brush::White);
    ASSERT_EQ(window.host.invalidations.size(), 1u);
    EXPECT_EQ(window.host.invalidations[0].rect, (Rect{0, 5, 492, c.statsCell.cy + 5}));
    EXPECT_FALSE(window.host.invalidations[0].erase);
    // The text font is back, the statistics font released, the brush untouched.
    EXPECT_EQ(window.surface.SelectedFont(), Font::Text);
    EXPECT_EQ(window.surface.StatsFontsAlive(), 0);
    EXPECT_EQ(window.program.selectedBrush, Brush::Black);  // the cursor's
  }
}

TEST(StatsBar, FiguresAtTheEdges) {
  struct Case {
    const char* name;
    std::string keys;
    std::int32_t afterStartMs;
    std::vector<std::string> texts;
  };
  const std::vector<Case> cases = {
      {"ten seconds, nothing typed",
       "",
       10000,
       {"Words Per Minute: 0.0", "Time: 10.0s", "Characters: 0"}},
      {"no time yet, a word typed",
       "ab",
       0,
       {"Words Per Minute: inf", "Time: 0.0s", "Characters: 2"}},
      {"no time yet, nothing typed",
       "",
       0,
       {"Words Per Minute: nan", "Time: 0.0s", "Characters: 0"}},
      {"a moment before the start",
       "ab",
       -1500,
       {"Words Per Minute: -40.0", "Time: -1.5s", "Characters: 2"}},
      // Recounted at every drawing: the erased character no longer counts.
      {"after a Backspace",
       "abc\b",
       60000,
       {"Words Per Minute: 1.0", "Time: 60.0s", "Characters: 2"}},
      // A tab's spaces are typed characters.
      {"after a Tab", "ab\t", 30000, {"Words Per Minute: 2.0", "Time: 30.0s", "Characters: 7"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window;
    ASSERT_TRUE(window.Start("abcdefghij klm\nnext"));
    window.Type(c.keys);
    window.ClearLogs();
    DrawStatsBar(window.program, window.program.clock.StartTime + c.afterStartMs);
    std::vector<std::string> drawn;
    for (const auto& text : window.surface.texts) drawn.push_back(text.bytes);
    EXPECT_EQ(drawn, c.texts);
    // The list's cursor is where it was.
    EXPECT_EQ(window.program.lines.Index(), 0);
  }
}

TEST(StatsBar, TheBandCoversTheOldFigures) {
  FakeWindow window;
  ASSERT_TRUE(window.Start("cat\nnext"));
  window.clock.now = window.program.clock.StartTime + 123456;
  OnTimer(window.program, 2);
  EXPECT_EQ(window.surface.StatsRow(255, 5, 13), "Time: 123.5s ");
  window.clock.now = window.program.clock.StartTime + 1000;
  OnTimer(window.program, 2);
  EXPECT_EQ(window.surface.StatsRow(255, 5, 13), "Time: 1.0s   ");
}

}  // namespace
}  // namespace keyrill
