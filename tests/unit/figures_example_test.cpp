// The worked example of how the Report's six figures and the bar's three are
// computed, as the README and the manual page give it, run through the fake host
// as a user would type it: if a rule changes, the documents must change with it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_window.h"

namespace keyrill {
namespace {

TEST(FiguresExample, TheDocumentedRunGivesTheDocumentedFigures) {
  fake::FakeWindow window;
  window.Store({{"cats", "the cat\r\nsat on it"}});
  window.Select("cats");
  window.clock.now = 1000;
  window.Type("\r");
  ASSERT_TRUE(window.program.TestRunning);
  window.clock.now = 13000;  // twelve seconds later, every key at once
  window.Type("the bat");    // one wrong letter; the line ends by itself
  window.Type("sat on it");  // the last line finished: the Report opens
  ASSERT_EQ(window.host.reports.size(), 1u) << "the run's end opens the Report once";

  const ReportTexts& report = window.host.reports.back();
  EXPECT_EQ(report.wordsPerMinute, "25.000000");  // 5 words / 12 s x 60
  EXPECT_EQ(report.wordsInTest, "4");             // "cat" ends in the line's CR: not a word end
  EXPECT_EQ(report.wordsTyped, "5");
  EXPECT_EQ(report.timeTaken, "12.000000");
  EXPECT_EQ(report.characters, "17");  // 8 of the first line with its CR, 9 of the second
  EXPECT_EQ(report.errors, "2");       // 'b' for 'c', and the CR never typed

  // The bar's last drawing, with the end time: rate, time and typed characters.
  std::vector<std::string> bar;
  for (const fake::DrawnText& text : window.surface.texts) {
    if (text.font == Font::Stats) bar.push_back(text.bytes);
  }
  ASSERT_GE(bar.size(), 3u) << "the bar was drawn";
  EXPECT_EQ(bar[bar.size() - 3], "Words Per Minute: 25.0");
  EXPECT_EQ(bar[bar.size() - 2], "Time: 12.0s");
  EXPECT_EQ(bar[bar.size() - 1], "Characters: 16");  // 7 + 9 typed bytes, not the test's
}

}  // namespace
}  // namespace keyrill
