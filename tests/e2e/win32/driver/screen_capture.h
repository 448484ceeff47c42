// What keyrill.exe's main window shows, read back from the screen as pixels of
// its client area, to check drawing from outside. Test side.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace e2e {

struct ClientPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row from the top

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  bool Dark(int x, int y) const;  // every channel below half
  // Dark pixels in the rows [top, bottom) of the whole width.
  int DarkInRows(int top, int bottom) const;
};

// The client area as it is on the screen now; empty when it cannot be read.
ClientPixels CaptureClient(HWND window);

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool empty() const { return right <= left || bottom <= top; }
};

// The smallest box holding every pixel that differs between two captures, in the
// rows [fromRow, height).
Box DifferenceBox(const ClientPixels& a, const ClientPixels& b, int fromRow);

// Whether both captures hold the same pixels in the rows [fromRow, height).
bool SameFrom(const ClientPixels& a, const ClientPixels& b, int fromRow);
// A capture once the window has stopped changing below fromRow (its paint
// done), taken within the time given; empty when it never settled.
ClientPixels SettledCapture(HWND window, int fromRow, DWORD timeoutMs = 5000);
// The first capture that differs from the given one below fromRow; empty when
// none did within the time.
ClientPixels NextChange(HWND window, const ClientPixels& from, int fromRow, DWORD timeoutMs);

}  // namespace e2e
