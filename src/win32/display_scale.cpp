// Reading the system DPI once from the screen's device context. Platform side
// (Win32).
#include "win32/display_scale.h"

namespace keyrill::win32 {

DisplayScale DisplayScale::OfSystem() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : kCoreDpi;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return DisplayScale(dpi);
}

}  // namespace keyrill::win32
