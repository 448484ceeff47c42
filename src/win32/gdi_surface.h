// The back buffer on Windows: a memory device context compatible with the main
// window's display, a bitmap of the client area's size, and TextFont selected in
// it. Platform side (Win32): implements the core's Surface with GDI.
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>

#include <cstdint>

#include "program/host.h"
#include "win32/display_scale.h"
#include "win32/gdi_handles.h"

namespace keyrill::win32 {

// The core works in 96-DPI pixels. On a scaled display the surface maps every
// rectangle and text position to device pixels and draws with fonts made at the
// scaled height, while measuring with the fonts the 96-DPI program would get, so
// that the core's cell, and with it where lines wrap, is the 96-DPI one. Each
// character is placed at the device position of its 96-DPI cell, so that text
// drawn as one row and the caret stepping cell by cell agree on screen.
class GdiSurface final : public Surface {
 public:
  // Measures the window's client rectangle and makes the surface of that size
  // with TextFont selected.
  GdiSurface(HWND window, DisplayScale scale);
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  // Deletes the memory DCs, then the fonts and the bitmap. Drawing afterwards does
  // nothing, so a message that arrives after the teardown cannot touch a freed DC.
  void Release();

  // The client area in the core's pixels (the layout is measured from these).
  std::int32_t ClientWidth() const { return scale_.ToCoreCeil(deviceWidth_); }
  std::int32_t ClientHeight() const { return scale_.ToCoreCeil(deviceHeight_); }
  // The bitmap's size in device pixels: what the paint handler copies.
  int DeviceWidth() const { return deviceWidth_; }
  int DeviceHeight() const { return deviceHeight_; }
  // The memory DC the paint handler copies from; null after Release.
  HDC Dc() const { return dc_.get(); }

  void Fill(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
            Brush brush) override;
  Font UseFont(Font font) override;
  void DrawBytes(std::int32_t x, std::int32_t y, const char* bytes, std::int32_t count) override;
  Extent MeasureBytes(const char* bytes, std::int32_t count) override;

 private:
  // One of the two fonts: drawn with at the device's size; measured with at the
  // 96-DPI size (only on a scaled display; at 96 DPI the two are one).
  struct ScaledFont {
    UniqueFont device;
    UniqueFont metric;
  };
  ScaledFont MakeFont(int height) const;
  void Select(const ScaledFont& font);
  // Where the measuring fonts are selected: the drawing DC at 96 DPI.
  HDC MetricDc() const { return metricDc_ ? metricDc_.get() : dc_.get(); }

  DisplayScale scale_;
  int deviceWidth_ = 0;
  int deviceHeight_ = 0;
  // A control code's cell: '^' and its letter in small type, inside the cell at (x, y).
  void DrawCaret(std::int32_t x, std::int32_t y, unsigned char byte);
  // Stock objects: fetched once, never deleted.
  HBRUSH whiteBrush_;
  HBRUSH blackBrush_;
  Font selectedFont_ = Font::Text;
  // Declared before the DCs so that the DCs are deleted first and nothing is
  // still selected in them when the bitmap and fonts go.
  UniqueBitmap bitmap_;
  ScaledFont textFont_;
  ScaledFont statsFont_;  // exists only while the statistics bar is being drawn
  ScaledFont caretFont_;  // made when a control code is first drawn, in caret notation
  int caretFontHeight_ = 0;
  UniqueMemoryDc dc_;
  UniqueMemoryDc metricDc_;  // scaled displays only
};

}  // namespace keyrill::win32
