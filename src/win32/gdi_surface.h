// The back buffer on Windows: a memory device context compatible with the main
// window's display, a bitmap of the client area's size, and TextFont selected in
// it. Platform side (Win32): implements the core's Surface with GDI.
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>

#include <cstdint>

#include "program/host.h"
#include "win32/gdi_handles.h"

namespace keyrill::win32 {

class GdiSurface final : public Surface {
 public:
  // Measures the window's client rectangle and makes the surface of that size
  // with TextFont selected.
  explicit GdiSurface(HWND window);
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  // Deletes the memory DC, then TextFont and the bitmap. Drawing afterwards does
  // nothing, so a message that arrives after the teardown cannot touch a freed DC.
  void Release();

  std::int32_t ClientWidth() const { return clientWidth_; }
  std::int32_t ClientHeight() const { return clientHeight_; }
  // The memory DC the paint handler copies from; null after Release.
  HDC Dc() const { return dc_.get(); }

  void Fill(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
            Brush brush) override;
  Font UseFont(Font font) override;
  void DrawBytes(std::int32_t x, std::int32_t y, const char* bytes, std::int32_t count) override;
  Extent MeasureBytes(const char* bytes, std::int32_t count) override;

 private:
  // A control code's cell: '^' and its letter in small type, inside the cell at (x, y).
  void DrawCaret(std::int32_t x, std::int32_t y, unsigned char byte);

  std::int32_t clientWidth_ = 0;
  std::int32_t clientHeight_ = 0;
  // Stock objects: fetched once, never deleted.
  HBRUSH whiteBrush_;
  HBRUSH blackBrush_;
  Font selectedFont_ = Font::Text;
  // Declared before the DC so that the DC is deleted first and nothing is still
  // selected in it when the bitmap and fonts go.
  UniqueBitmap bitmap_;
  UniqueFont textFont_;
  UniqueFont statsFont_;  // exists only while the statistics bar is being drawn
  UniqueFont caretFont_;  // made when a control code is first drawn, in caret notation
  int caretFontHeight_ = 0;
  UniqueMemoryDc dc_;
};

}  // namespace keyrill::win32
