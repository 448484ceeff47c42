// Reading a window's client area back from the screen DC. Test side.
#include "screen_capture.h"

#include <algorithm>
#include <utility>

#include "e2e_support.h"

namespace e2e {

bool ClientPixels::Dark(int x, int y) const {
  const std::uint32_t p = At(x, y);
  return ((p >> 16) & 0xFF) < 0x80 && ((p >> 8) & 0xFF) < 0x80 && (p & 0xFF) < 0x80;
}

int ClientPixels::DarkInRows(int top, int bottom) const {
  int count = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, height); ++y) {
    for (int x = 0; x < width; ++x) count += Dark(x, y) ? 1 : 0;
  }
  return count;
}

ClientPixels CaptureClient(HWND window) {
  ClientPixels out;
  RECT client{};
  if (!GetClientRect(window, &client)) return out;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return out;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY) != 0;
  SelectObject(memory, previous);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height));
  const int rows = copied ? GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                      &info, DIB_RGB_COLORS)
                          : 0;
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != height) return out;
  for (std::uint32_t& p : pixels) p &= 0x00FFFFFF;
  out.width = width;
  out.height = height;
  out.pixels = std::move(pixels);
  return out;
}

Box DifferenceBox(const ClientPixels& a, const ClientPixels& b, int fromRow) {
  Box box{a.width, a.height, 0, 0};
  if (a.width != b.width || a.height != b.height) return Box{};
  for (int y = std::max(fromRow, 0); y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (a.At(x, y) == b.At(x, y)) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box.empty() ? Box{} : box;
}

bool SameFrom(const ClientPixels& a, const ClientPixels& b, int fromRow) {
  return a.width > 0 && DifferenceBox(a, b, fromRow).empty();
}

ClientPixels SettledCapture(HWND window, int fromRow, DWORD timeoutMs) {
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

}  // namespace e2e
