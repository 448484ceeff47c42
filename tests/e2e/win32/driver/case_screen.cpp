// What keyrill.exe draws, read back from the screen: the idle rows, the name
// after a choice, the target and typed rows and the statistics bar of a run, a
// cursor cell that blinks black and white where the caret is, everything still
// while paused, and the idle screen again after End Test. Test side.
#include <string>

#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "screen_capture.h"

namespace e2e {

namespace {

constexpr int kPageTop = 32;  // the statistics bar's band lies above

std::string BoxText(const Box& b) {
  return "(" + std::to_string(b.left) + ", " + std::to_string(b.top) + ", " +
         std::to_string(b.right) + ", " + std::to_string(b.bottom) + ")";
}

bool SameFrom(const ClientPixels& a, const ClientPixels& b, int fromRow) {
  return a.width > 0 && DifferenceBox(a, b, fromRow).empty();
}

// A capture once the window has stopped changing below fromRow (its paint
// done), taken within the time given.
ClientPixels SettledCapture(HWND window, int fromRow, DWORD timeoutMs = 5000) {
  ClientPixels last = CaptureClient(window);
  ClientPixels settled;
  WaitUntil(
      [&] {
        SleepMs(60);
        ClientPixels next = CaptureClient(window);
        const bool same = SameFrom(last, next, fromRow);
        last = std::move(next);
        if (same) settled = last;
        return same;
      },
      timeoutMs);
  return settled;
}

// The first capture that differs from the given one below fromRow.
ClientPixels NextChange(HWND window, const ClientPixels& from, int fromRow, DWORD timeoutMs) {
  ClientPixels changed;
  WaitUntil(
      [&] {
        ClientPixels next = CaptureClient(window);
        if (next.width == 0 || SameFrom(from, next, fromRow)) return false;
        changed = std::move(next);
        return true;
      },
      timeoutMs);
  return changed;
}

bool AllDark(const ClientPixels& p, const Box& b) {
  for (int y = b.top; y < b.bottom; ++y) {
    for (int x = b.left; x < b.right; ++x) {
      if (!p.Dark(x, y)) return false;
    }
  }
  return true;
}

bool AllWhite(const ClientPixels& p, const Box& b) {
  for (int y = b.top; y < b.bottom; ++y) {
    for (int x = b.left; x < b.right; ++x) {
      if (p.At(x, y) != 0xFFFFFF) return false;
    }
  }
  return true;
}

}  // namespace

TEST(KeyrillExe, screen) {
  const Options& options = TheOptions();
  const std::string work = JoinPath(options.workRoot, "screen");
  Expect(MakeFreshDirectory(work), "fresh working directory");
  // Six short lines: the page's line blocks reach into the lower half.
  WriteWholeFile(JoinPath(work, "tests.tst"),
                 "\r\n~Screen\r\nthe cat sat\r\r\nline two\r\r\nline three\r\r\nline four\r\r\n"
                 "line five\r\r\nline six");
  KeyrillProcess keyrill(options.keyrillExe, work);
  if (!keyrill.Started()) return;
  HWND main = keyrill.Main();

  // Idle: the prompt row is drawn, nothing below the two idle rows.
  const ClientPixels idle = SettledCapture(main, 0);
  if (!Expect(idle.width > 0, "the client area can be read from the screen")) {
    return;
  }
  Expect(idle.DarkInRows(12, 40) > 100, "the prompt is drawn at the top");
  ExpectEqual(idle.DarkInRows(0, 12), 0, "nothing above the prompt");
  ExpectEqual(idle.DarkInRows(120, idle.height), 0, "the rest of the idle screen is white");

  // A choice redraws the idle rows: the prompt changes, the name appears.
  keyrill.PostCommand(kSelectTest);
  if (HWND dialog = keyrill.WaitDialog("Select Test")) {
    DoubleClickEntry(dialog, kTestList, "Screen");
    WaitUntil([&] { return IsWindow(dialog) == 0; }, 20000);
  }
  const ClientPixels chosen = NextChange(main, idle, 0, 5000);
  const ClientPixels chosenSettled = SettledCapture(main, 0);
  const Box rows = DifferenceBox(idle, chosenSettled, 0);
  Expect(
      chosen.width > 0 && !rows.empty() && rows.left >= 12 && rows.top >= 12 && rows.bottom < 120,
      "the choice redraws only the idle rows " + BoxText(rows));

  // A run: two characters typed; the cursor cell is the one box that blinks.
  keyrill.Char('\r');
  keyrill.Type("th");
  const ClientPixels on = SettledCapture(main, kPageTop);
  const ClientPixels off = NextChange(main, on, kPageTop, 3000);
  const Box cell = DifferenceBox(on, off, kPageTop);
  const int w = cell.right - cell.left;
  const int h = cell.bottom - cell.top;
  if (Expect(!cell.empty(), "the cursor blinks")) {
    Expect(w >= 6 && w <= 30 && h >= 10 && h <= 40,
           "the cursor cell " + BoxText(cell) + " is one character cell");
    Expect(AllDark(on, cell), "the cursor cell is black after a key");
    Expect(AllWhite(off, cell), "then white at the blink");
    ExpectEqual(cell.left, 12 + 2 * w, "the cursor stands after the two typed characters");
    ExpectEqual(cell.top, kPageTop + h, "the cursor is on the first typed row");
    Expect(on.DarkInRows(kPageTop, kPageTop + h) > 100, "the target row is drawn");
    Expect(on.DarkInRows(on.height / 2, on.height) > 200,
           "the page's lower lines are drawn in the lower half");
    int typedInk = 0;
    for (int y = cell.top; y < cell.bottom; ++y) {
      for (int x = 12; x < cell.left; ++x) typedInk += on.Dark(x, y) ? 1 : 0;
    }
    Expect(typedInk > 20, "the typed characters are drawn left of the cursor");
  }
  SleepMs(300);
  const ClientPixels running = CaptureClient(main);
  Expect(running.width > 0 && running.DarkInRows(0, kPageTop) > 50,
         "the statistics bar is drawn above the page");

  // Paused: no blink, no statistics; resumed: the blinking goes on.
  keyrill.Command(kPauseTest);
  const ClientPixels paused = SettledCapture(main, 0);
  SleepMs(1200);
  const ClientPixels stillPaused = CaptureClient(main);
  Expect(paused.width > 0 && SameFrom(paused, stillPaused, 0),
         "nothing changes while paused " + BoxText(DifferenceBox(paused, stillPaused, 0)));
  keyrill.Command(kPauseTest);
  Expect(NextChange(main, stillPaused, 0, 3000).width > 0,
         "the window changes again after the pause");

  // End Test: the idle screen again, the bar and the page gone.
  keyrill.Command(kEndTest);
  const ClientPixels ended = SettledCapture(main, 0);
  Expect(ended.width > 0 && ended.DarkInRows(12, 40) > 100, "the prompt is back");
  ExpectEqual(ended.DarkInRows(0, 12), 0, "the statistics bar is gone");
  ExpectEqual(ended.DarkInRows(120, ended.height), 0, "the page is gone");

  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");
}

}  // namespace e2e
