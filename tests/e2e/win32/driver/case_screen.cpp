// What keyrill.exe draws, read back from the screen: the idle rows, the name
// after a choice, the target and typed rows and the statistics bar of a run, a
// cursor cell that blinks black and white where the caret is, everything still
// while paused, and the idle screen again after End Test. Test side.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "screen_capture.h"

namespace e2e {

namespace {

// The program's own 96-DPI figures; the display shows them scaled.
constexpr int kMargin = 12;
constexpr int kPageTop = 32;  // the statistics bar's band lies above
constexpr int kIdleRowsEnd = 120;

bool Near(int got, int want) {
  return std::abs(got - want) <= ScaledSlack();
}

std::string BoxText(const Box& b) {
  return "(" + std::to_string(b.left) + ", " + std::to_string(b.top) + ", " +
         std::to_string(b.right) + ", " + std::to_string(b.bottom) + ")";
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

// One-letter words: a display line ends within two cells of its capacity.
constexpr const char* kWrapText =
    "a b c d e f g h i j k l m n o p q r s t u v w x y z "
    "a b c d e f g h i j k l m n o p q r s t u v w x y z "
    "a b c d e f g h i j k l m n o p q r s t u v w x y z";

// The program's line capacity for a client area that is clientWidth of its own
// 96-DPI pixels wide and an "@" cell of cellWidth.
int LineCapacity(int clientWidth, int cellWidth) {
  return (clientWidth - cellWidth - kMargin) / cellWidth + 1;
}

// The client width, in 96-DPI pixels, that the program's 500-pixel frame gets at
// 96 DPI: what the layout is measured from there.
int ClientWidthAt96Dpi() {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0, 96);
  return 500 - (frame.right - frame.left);
}

// Lines wrap where the 96-DPI program wraps them, within one character of the
// capacity's rounding: the layout is measured in 96-DPI pixels from the 96-DPI
// cell, and only the client width, rounded from device pixels, may differ.
void CheckWrap(KeyrillProcess& keyrill, const SIZE& cell96) {
  HWND main = keyrill.Main();
  keyrill.ChooseTest("Wrap");
  keyrill.Char('\r');
  const int top = Scaled(kPageTop);
  const ClientPixels page = SettledCapture(main, top);
  ASSERT_TRUE(page.width > 0 && cell96.cx > 0) << "the wrapped page can be read";
  int rightInk = -1;
  for (int y = top; y < top + Scaled(cell96.cy) && y < page.height; ++y) {
    for (int x = 0; x < page.width; ++x) {
      if (page.Dark(x, y) && x > rightInk) rightInk = x;
    }
  }
  const double cellDevice = cell96.cx * TheOptions().dpi / 96.0;
  const int lastColumn = static_cast<int>((rightInk - Scaled(kMargin)) / cellDevice);
  RECT client{};
  GetClientRect(main, &client);
  const int clientWidth = (client.right * 96 + TheOptions().dpi - 1) / TheOptions().dpi;
  const int capacity = LineCapacity(clientWidth, cell96.cx);
  const int capacity96 = LineCapacity(ClientWidthAt96Dpi(), cell96.cx);
  std::printf(
      "line capacity %d at %d DPI (client %d of 96-DPI pixels), %d at 96 DPI; "
      "the first line's last letter in column %d\n",
      capacity, TheOptions().dpi, clientWidth, capacity96, lastColumn);
  // At most capacity - 1 characters, the last a space; a letter that would fill
  // the line goes to the next one with its word.
  EXPECT_TRUE(lastColumn >= capacity - 4 && lastColumn <= capacity - 3)
      << "the first line ends in column " + std::to_string(lastColumn) + ", as a capacity of " +
             std::to_string(capacity) + " 96-DPI cells allows";
  EXPECT_TRUE(std::abs(capacity - capacity96) <= 1)
      << "the capacity " + std::to_string(capacity) + " is within one character of the " +
             std::to_string(capacity96) + " at 96 DPI";
  keyrill.Command(kEndTest);
}

}  // namespace

TEST(KeyrillExe, screen) {
  const Options& options = TheOptions();
  // Six short lines: the page's line blocks reach into the lower half.
  const std::string library =
      "\r\n~Screen\r\nthe cat sat\r\r\nline two\r\r\nline three\r\r\nline four\r\r\n"
      "line five\r\r\nline six" +
      std::string("\r\n~Wrap\r\n") + kWrapText;
  KeyrillProcess keyrill(options.keyrillExe, CaseDirectory("screen", library));
  if (!keyrill.Started()) return;
  HWND main = keyrill.Main();
  const int top = Scaled(kPageTop);
  const int idleEnd = Scaled(kIdleRowsEnd);
  const SIZE cell96 = TextCellAt96Dpi();

  // Idle: the prompt row is drawn, nothing below the two idle rows.
  const ClientPixels idle = SettledCapture(main, 0);
  ASSERT_GT(idle.width, 0) << "the client area can be read from the screen";
  EXPECT_TRUE(idle.DarkInRows(Scaled(12), Scaled(40)) > 100) << "the prompt is drawn at the top";
  EXPECT_EQ(idle.DarkInRows(0, Scaled(12)), 0) << "nothing above the prompt";
  EXPECT_EQ(idle.DarkInRows(idleEnd, idle.height), 0) << "the rest of the idle screen is white";

  // A choice redraws the idle rows: the prompt changes, the name appears.
  keyrill.ChooseTest("Screen");
  const ClientPixels chosen = NextChange(main, idle, 0, 5000);
  const ClientPixels chosenSettled = SettledCapture(main, 0);
  const Box rows = DifferenceBox(idle, chosenSettled, 0);
  EXPECT_TRUE(chosen.width > 0 && !rows.empty() && rows.left >= Scaled(12) &&
              rows.top >= Scaled(12) && rows.bottom < idleEnd)
      << "the choice redraws only the idle rows " + BoxText(rows);

  // A run: two characters typed; the cursor cell is the one box that blinks.
  keyrill.Char('\r');
  keyrill.Type("th");
  const ClientPixels on = SettledCapture(main, top);
  const ClientPixels off = NextChange(main, on, top, 3000);
  const Box cell = DifferenceBox(on, off, top);
  const int w = cell.right - cell.left;
  const int h = cell.bottom - cell.top;
  EXPECT_FALSE(cell.empty()) << "the cursor blinks";
  if (!cell.empty()) {
    // The cell is the 96-DPI cell scaled, within a pixel of rounding.
    std::printf("cursor cell %d x %d at %d DPI; the 96-DPI cell is %ld x %ld\n", w, h,
                TheOptions().dpi, cell96.cx, cell96.cy);
    const double scale = TheOptions().dpi / 96.0;
    EXPECT_TRUE(std::fabs(w - cell96.cx * scale) <= ScaledSlack() &&
                std::fabs(h - cell96.cy * scale) <= ScaledSlack())
        << "the cursor cell " + BoxText(cell) + " is the 96-DPI cell of " +
               std::to_string(cell96.cx) + " x " + std::to_string(cell96.cy) + " scaled";
    EXPECT_TRUE(AllDark(on, cell)) << "the cursor cell is black after a key";
    EXPECT_TRUE(AllWhite(off, cell)) << "then white at the blink";
    EXPECT_TRUE(Near(cell.left, Scaled(kMargin + 2 * static_cast<int>(cell96.cx))))
        << "the cursor stands after the two typed characters, at x = " + std::to_string(cell.left);
    EXPECT_TRUE(Near(cell.top, Scaled(kPageTop + static_cast<int>(cell96.cy))))
        << "the cursor is on the first typed row, at y = " + std::to_string(cell.top);
    EXPECT_TRUE(on.DarkInRows(top, top + h) > 100) << "the target row is drawn";
    EXPECT_TRUE(on.DarkInRows(on.height / 2, on.height) > 200)
        << "the page's lower lines are drawn in the lower half";
    int typedInk = 0;
    for (int y = cell.top; y < cell.bottom; ++y) {
      for (int x = 12; x < cell.left; ++x) typedInk += on.Dark(x, y) ? 1 : 0;
    }
    EXPECT_TRUE(typedInk > 20) << "the typed characters are drawn left of the cursor";
  }
  SleepMs(300);
  const ClientPixels running = CaptureClient(main);
  EXPECT_TRUE(running.width > 0 && running.DarkInRows(0, top) > 50)
      << "the statistics bar is drawn above the page";

  // Paused: no blink, no statistics; resumed: the blinking goes on.
  keyrill.Command(kPauseTest);
  const ClientPixels paused = SettledCapture(main, 0);
  SleepMs(1200);
  const ClientPixels stillPaused = CaptureClient(main);
  EXPECT_TRUE(paused.width > 0 && SameFrom(paused, stillPaused, 0))
      << "nothing changes while paused " + BoxText(DifferenceBox(paused, stillPaused, 0));
  keyrill.Command(kPauseTest);
  EXPECT_TRUE(NextChange(main, stillPaused, 0, 3000).width > 0)
      << "the window changes again after the pause";

  // End Test: the idle screen again, the bar and the page gone.
  keyrill.Command(kEndTest);
  const ClientPixels ended = SettledCapture(main, 0);
  EXPECT_TRUE(ended.width > 0 && ended.DarkInRows(Scaled(12), Scaled(40)) > 100)
      << "the prompt is back";
  EXPECT_EQ(ended.DarkInRows(0, Scaled(12)), 0) << "the statistics bar is gone";
  EXPECT_EQ(ended.DarkInRows(idleEnd, ended.height), 0) << "the page is gone";

  CheckWrap(keyrill, cell96);

  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");
}

}  // namespace e2e
