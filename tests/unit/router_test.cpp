// The router's command table, character cases and timer cases, and the core
// operations behind the dialogs, through the recording fake.
#include "app/router.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/dialog_actions.h"
#include "fakes/fake_window.h"
#include "results/stats_bar.h"
#include "support/files.h"

namespace keyrill {
namespace {

using fake::FakeWindow;
using fake::TypedLines;

TEST(Router, CommandsReachTheirOperations) {
  struct Case {
    int command;
    std::vector<std::string> events;
  };
  const std::vector<Case> cases = {
      {IDM_EXIT, {"close"}},
      {IDM_SELECT_TEST, {"select"}},
      {IDM_ADD_TEST, {"add"}},
      {IDM_EDIT_TEST, {"edit"}},
      // An accelerator's command carries 1 above the low 16 bits.
      {0x10000 | IDM_EXIT, {"close"}},
      {IDM_END_TEST, {}},  // idle: End Test does nothing
      {40003, {}},         // no such command
      {40010, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    FakeWindow window;
    window.ClearLogs();
    OnCommand(window.program, c.command);
    EXPECT_EQ(window.host.events, c.events);
    EXPECT_TRUE(window.surface.fills.empty());
    EXPECT_FALSE(window.program.TestRunning);
  }
}

TEST(Router, BeginTestWorksOnlyWhenIdleAndIgnoresThePause) {
  FakeWindow window;
  ASSERT_TRUE(window.Start("cat\nsat"));
  window.Type("ca");
  window.ClearLogs();
  OnCommand(window.program, IDM_BEGIN_TEST);  // running: nothing
  EXPECT_TRUE(window.host.events.empty());
  EXPECT_TRUE(window.surface.fills.empty());
  EXPECT_EQ(TypedLines(window.program.lines)[0], "ca");

  OnCommand(window.program, IDM_END_TEST);
  EXPECT_FALSE(window.program.TestRunning);
  OnCommand(window.program, IDM_PAUSE_TEST);
  OnCommand(window.program, IDM_BEGIN_TEST);  // paused but idle: the run starts
  EXPECT_TRUE(window.program.TestRunning);
  EXPECT_TRUE(window.program.clock.Paused);
  // ... and its keys and ticks are dropped until the pause is lifted.
  window.ClearLogs();
  window.Type("cat");
  OnTimer(window.program, TIMER_CURSOR);
  OnTimer(window.program, TIMER_STATS);
  EXPECT_EQ(TypedLines(window.program.lines)[0], "");
  EXPECT_TRUE(window.surface.fills.empty());
  EXPECT_TRUE(window.host.invalidations.empty());
  EXPECT_TRUE(window.program.CursorOn);
  OnCommand(window.program, IDM_PAUSE_TEST);
  window.Type("c");
  EXPECT_EQ(TypedLines(window.program.lines)[0], "c");
}

TEST(Router, PauseTakesItsTimeOutOfTheClock) {
  FakeWindow window;
  window.clock.now = 1000;
  ASSERT_TRUE(window.Start("cat\nsat"));
  window.clock.now = 5000;
  OnCommand(window.program, IDM_PAUSE_TEST);
  window.clock.now = 8000;
  OnTimer(window.program, TIMER_STATS);  // dropped
  EXPECT_EQ(window.surface.StatsRow(5, 5, 1), " ");
  OnCommand(window.program, IDM_PAUSE_TEST);
  EXPECT_EQ(window.program.clock.StartTime, 4000);
  window.clock.now = 10000;
  OnTimer(window.program, TIMER_STATS);
  EXPECT_EQ(window.surface.StatsRow(BarColumnsFor(10).time, kBarY, 9), "Time: 6.0");
}

TEST(Router, CharactersWhileIdle) {
  struct Case {
    const char* name;
    std::string selected;
    int code;
    bool starts;
    std::string message;  // the message row afterwards
  };
  const std::vector<Case> cases = {
      {"Enter with a test selected", "t", 13, true, ""},
      {"Enter with nothing selected", "", 13, false, "Error: No test selected"},
      {"another key with a test selected", "t", 'a', false, "t"},
      {"another key with nothing selected", "", 'a', false, ""},
      {"Tab with nothing selected", "", 9, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window;
    window.Store({{"t", "cat"}});
    window.Select(c.selected);
    OnChar(window.program, c.code);
    EXPECT_EQ(window.program.TestRunning, c.starts);
    if (!c.starts) {
      const std::string row = window.surface.Row(12, 36, 23);
      EXPECT_EQ(row.substr(0, c.message.size()), c.message);
      EXPECT_EQ(row.find_first_not_of(' ', c.message.size()), std::string::npos);
    }
  }
}

TEST(Router, BeginTestFromTheMenuLoadsTheEmptyNameWhenNothingIsSelected) {
  FakeWindow window;
  window.Store({{"named", "abc"}, {"", "empty name"}});
  OnCommand(window.program, IDM_BEGIN_TEST);
  ASSERT_TRUE(window.program.TestRunning);
  EXPECT_EQ(fake::TargetLines(window.program.lines), (std::vector<std::string>{"empty name"}));

  FakeWindow without;
  without.Store({{"named", "abc"}});
  OnCommand(without.program, IDM_BEGIN_TEST);
  EXPECT_FALSE(without.program.TestRunning);
  EXPECT_EQ(without.surface.Row(12, 36, 22), "Error: No text in test");
}

TEST(Router, TimerTicks) {
  FakeWindow window;
  ASSERT_TRUE(window.Start("cat\nsat"));
  Program& program = window.program;
  window.clock.now = program.clock.StartTime + 2500;
  OnTimer(program, TIMER_CURSOR);
  EXPECT_FALSE(program.CursorOn);
  EXPECT_TRUE(window.surface.IsWhite(12, 56, 13, 24));
  OnTimer(program, TIMER_CURSOR);
  EXPECT_TRUE(program.CursorOn);
  EXPECT_TRUE(window.surface.IsBlack(12, 56, 13, 24));
  OnTimer(program, TIMER_STATS);
  EXPECT_EQ(window.surface.StatsRow(5, 5, 21), "Words Per Minute: 0.0");
  EXPECT_EQ(window.surface.StatsRow(255, 5, 10), "Time: 2.5s");

  window.ClearLogs();
  OnTimer(program, 3);
  OnTimer(program, 0);
  EXPECT_TRUE(window.surface.fills.empty());
  EXPECT_TRUE(window.host.invalidations.empty());
}

TEST(Router, DialogsDuringARunLeaveItRunning) {
  FakeWindow window;
  ASSERT_TRUE(window.Start("cat\nsat"));
  window.Type("ca");
  window.host.selectChoice = "other";
  OnCommand(window.program, IDM_SELECT_TEST);
  // The idle rows are drawn over the page; the run goes on with its own lines.
  EXPECT_EQ(window.surface.Row(12, 12, 32), "Press enter to begin the test...");
  EXPECT_EQ(window.surface.Row(12, 36, 6), "other ");
  EXPECT_TRUE(window.program.TestRunning);
  window.Type("t");
  EXPECT_EQ(window.program.lines.Index(), 1);
  EXPECT_EQ(std::string(window.program.SelectedTest.data()), "other");
}

TEST(DialogActions, ChoosingANameStoresAtMost47CharactersAndRedrawsOnlyForSelect) {
  const std::string long60(60, 'n');
  struct Case {
    const char* name;
    const char* chosen;  // nullptr: a double-click with no entry selected
    bool redraw;
    std::string selected;
    bool drawn;
  };
  const std::vector<Case> cases = {
      {"Select Test", "abc", true, "abc", true},
      {"Edit Test", "abc", false, "abc", false},
      {"a name longer than the limit", long60.c_str(), true, std::string(47, 'n'), true},
      {"no entry selected", nullptr, true, "before", true},
      {"the empty name", "", true, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWindow window;
    window.Select("before");
    window.ClearLogs();
    ChooseTest(window.program, c.chosen, c.redraw);
    EXPECT_EQ(std::string(window.program.SelectedTest.data()), c.selected);
    EXPECT_EQ(!window.surface.texts.empty(), c.drawn);
    if (c.drawn) {
      const bool none = c.selected.empty();
      EXPECT_EQ(window.surface.Row(12, 12, 32),
                none ? "Please select a test to begin..." : "Press enter to begin the test...");
    }
  }
}

TEST(DialogActions, SavingAppendsARecordAndListingReadsTheNamesInFileOrder) {
  FakeWindow window;
  window.Store({{"b", "x"}});
  window.Select("before");
  window.host.addSave = fake::ScriptedSave{"a", "one\r\ntwo"};
  OnCommand(window.program, IDM_ADD_TEST);
  window.host.editChoice = "b";
  window.host.editSave = fake::ScriptedSave{std::string(50, 'c'), ""};
  OnCommand(window.program, IDM_EDIT_TEST);
  EXPECT_EQ(window.host.saveResults, (std::vector<bool>{true, true}));
  // Edit Test's double-click sets the name without touching the screen's idle rows.
  EXPECT_EQ(std::string(window.program.SelectedTest.data()), "b");
  EXPECT_EQ(window.surface.Row(12, 12, 32), "Press enter to begin the test...");
  EXPECT_EQ(window.surface.Row(12, 36, 7), "before ");

  EXPECT_EQ(support::ReadFile(window.LibraryFile()),
            "\r\n~b\r\nx"
            "\r\n~a\r\none\r\r\ntwo"
            "\r\n~" +
                std::string(47, 'c') + "\r\n");
  std::vector<std::string> names;
  ListNames(window.program, [&](const char* name) { names.emplace_back(name); });
  EXPECT_EQ(names, (std::vector<std::string>{"b", "a", std::string(47, 'c')}));
}

TEST(DialogActions, AFailedSaveSaysSoAndWhy) {
  const std::string generic = "The test could not be saved to tests.tst.";
  struct Case {
    const char* what;
    bool folder;          // a folder where the library file should be
    std::string library;  // otherwise the library's bytes
    std::string message;
    std::string name = "n";
  };
  const std::vector<Case> cases = {
      {"a folder in the library's place", true, "", generic},
      {"an end mark left by an old editor", false, "\r\n~A\r\na\x1A",
       "The test was not saved because tests.tst contains an end-of-file mark (byte 0x1A) "
       "that would hide it; remove that mark with a text editor and save again."},
      {"an end mark past the first 64 KiB", false,
       "\r\n~A\r\n" + std::string(70 * 1024, 'a') + "\x1A\r\n~B\r\nb", ""},
      {"an end mark pasted into the name", false, "",
       "The test was not saved because its name contains an end-of-file mark (byte 0x1A), "
       "which tests.tst cannot hold; remove it from the name and save again.",
       "n\x1A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeWindow window;
    if (c.folder) {
      std::filesystem::create_directory(window.LibraryFile());
    } else {
      std::ofstream(window.LibraryFile(), std::ios::binary) << c.library;
    }
    EXPECT_FALSE(SaveTest(window.program, c.name, "text"));
    if (!c.folder) {
      EXPECT_EQ(support::ReadFile(window.LibraryFile()), c.library);
    }
    const std::string message = SaveFailedText(window.program, c.name);
    if (!c.message.empty()) {
      EXPECT_EQ(message, c.message);
    }
    // The end mark is named only where it is the cause.
    EXPECT_EQ(message.find("0x1A") != std::string::npos, !c.folder);
  }
}

}  // namespace
}  // namespace keyrill
