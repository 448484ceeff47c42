// The system DPI and the mapping of the core's 96-DPI pixels to the display's own.
// Platform side (Win32): the core never sees a DPI; the surface, the host and the
// window's creation map what the core draws, marks and asks for.
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>

#include <cstdint>

#include "program/host.h"

namespace keyrill::win32 {

class DisplayScale {
 public:
  static constexpr int kCoreDpi = 96;

  explicit DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : kCoreDpi) {}
  // The screen's DPI, as every Windows version reports it. A system-aware process
  // sees one value for the whole session, so reading it again gives the same.
  static DisplayScale OfSystem();

  int Dpi() const { return dpi_; }
  bool IsIdentity() const { return dpi_ == kCoreDpi; }

  // A core coordinate or length in device pixels, to the nearest pixel. Edges are
  // mapped, not widths, so that rectangles that meet in the core meet on screen.
  int ToDevice(std::int32_t core) const { return MulDiv(core, dpi_, kCoreDpi); }
  RECT ToDevice(const Rect& core) const {
    return RECT{ToDevice(core.left), ToDevice(core.top), ToDevice(core.right),
                ToDevice(core.bottom)};
  }
  // A device length in core pixels, rounded up, so that the core's full-size fills
  // cover every device pixel.
  std::int32_t ToCoreCeil(int device) const {
    return static_cast<std::int32_t>((static_cast<long long>(device) * kCoreDpi + dpi_ - 1) / dpi_);
  }

 private:
  int dpi_;
};

}  // namespace keyrill::win32
