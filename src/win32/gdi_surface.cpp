// The back buffer on Windows: GDI memory DC, compatible bitmap, TextFont, and the
// statistics bar's StatsFont for the length of one drawing, mapped from the core's
// 96-DPI pixels to the display's. Platform side (Win32).
#include "win32/gdi_surface.h"

#include <string>
#include <vector>

#include "program/cell_shape.h"
#include "win32/ansi_code_page.h"

namespace keyrill::win32 {

namespace {

// Both fonts are requested alike: bold, fixed pitch, any face, the character set of
// the ANSI code page (ANSI_CHARSET on Western systems; a Cyrillic or Greek system's
// bytes would show Western glyphs in it), default precision and quality; only the
// height differs (and, on a scaled display, the width, see MakeFont).
HFONT CreateFixedBoldFont(int height, int width) {
  return CreateFontA(height, width, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, AnsiCharset(),
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH,
                     nullptr);
}

}  // namespace

GdiSurface::GdiSurface(HWND window, DisplayScale scale)
    : scale_(scale),
      whiteBrush_(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))),
      blackBrush_(static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))) {
  RECT client{};
  GetClientRect(window, &client);
  deviceWidth_ = client.right;
  deviceHeight_ = client.bottom;

  WindowDc windowDc(window);
  dc_.reset(CreateCompatibleDC(windowDc.get()));
  if (!scale_.IsIdentity()) metricDc_.reset(CreateCompatibleDC(windowDc.get()));
  bitmap_.reset(CreateCompatibleBitmap(windowDc.get(), deviceWidth_, deviceHeight_));
  SelectObject(dc_.get(), bitmap_.get());
  textFont_ = MakeFont(kTextFontHeight);
  Select(textFont_);
  selectedFont_ = Font::Text;
}

// The measuring font is the one the 96-DPI program gets (a font's height is in
// pixels, whatever the DPI). The drawing font is made at the scaled height and at
// the scaled width of the measuring font's characters, so its glyphs keep the
// 96-DPI proportions and fit the cells they are placed in.
GdiSurface::ScaledFont GdiSurface::MakeFont(int height) const {
  ScaledFont font;
  if (scale_.IsIdentity()) {
    font.device.reset(CreateFixedBoldFont(height, 0));
    return font;
  }
  font.metric.reset(CreateFixedBoldFont(height, 0));
  TEXTMETRICA metrics{};
  {
    ScopedSelection measuring(metricDc_.get(), font.metric.get());
    GetTextMetricsA(metricDc_.get(), &metrics);
  }
  font.device.reset(
      CreateFixedBoldFont(scale_.ToDevice(height), scale_.ToDevice(metrics.tmAveCharWidth)));
  return font;
}

void GdiSurface::Select(const ScaledFont& font) {
  SelectObject(dc_.get(), font.device.get());
  if (metricDc_) SelectObject(metricDc_.get(), font.metric.get());
}

void GdiSurface::Release() {
  dc_.reset();
  metricDc_.reset();
  textFont_ = ScaledFont{};
  statsFont_ = ScaledFont{};
  caretFont_ = ScaledFont{};
  bitmap_.reset();
}

void GdiSurface::Fill(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                      Brush brush) {
  if (!dc_) return;
  ScopedSelection selected(dc_.get(), brush == Brush::Black ? blackBrush_ : whiteBrush_);
  const RECT box = scale_.ToDevice(Rect{left, top, left + width, top + height});
  PatBlt(dc_.get(), box.left, box.top, box.right - box.left, box.bottom - box.top, PATCOPY);
}

Font GdiSurface::UseFont(Font font) {
  const Font previous = selectedFont_;
  if (!dc_) return previous;
  if (font == Font::Stats) {
    if (!statsFont_.device) statsFont_ = MakeFont(kStatsFontHeight);
    Select(statsFont_);
  } else {
    // TextFont goes back in first, so StatsFont is no longer selected when it is
    // deleted.
    Select(textFont_);
    statsFont_ = ScaledFont{};
  }
  selectedFont_ = font;
  return previous;
}

void GdiSurface::DrawBytes(std::int32_t x, std::int32_t y, const char* bytes, std::int32_t count) {
  if (!dc_ || count <= 0) return;
  // Every cell that shows no character of the font is drawn as a blank first, so
  // the row keeps its opaque white cells and its pitch; carets go on top.
  std::string cells(bytes, static_cast<std::size_t>(count));
  bool carets = false;
  for (char& c : cells) {
    const CellShape shape = ShapeOfByte(static_cast<unsigned char>(c));
    if (shape != CellShape::Character) c = ' ';
    carets = carets || shape == CellShape::Caret;
  }
  if (scale_.IsIdentity()) {
    TextOutA(dc_.get(), x, y, cells.data(), count);
  } else {
    // Character i starts at the device position of its 96-DPI cell: the advances
    // are the differences of the mapped ends of the measured cells.
    std::vector<int> ends(static_cast<std::size_t>(count));
    SIZE size{};
    GetTextExtentExPointA(metricDc_.get(), cells.data(), count, 0, nullptr, ends.data(), &size);
    std::vector<int> advances(ends.size());
    int previous = scale_.ToDevice(x);
    for (std::size_t i = 0; i < ends.size(); ++i) {
      const int end = scale_.ToDevice(x + ends[i]);
      advances[i] = end - previous;
      previous = end;
    }
    ExtTextOutA(dc_.get(), scale_.ToDevice(x), scale_.ToDevice(y), 0, nullptr, cells.data(),
                static_cast<UINT>(count), advances.data());
  }
  if (!carets) return;
  for (std::int32_t i = 0; i < count; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (ShapeOfByte(byte) != CellShape::Caret) continue;
    SIZE before{};
    GetTextExtentPoint32A(MetricDc(), cells.data(), i, &before);
    DrawCaret(x + before.cx, y, byte);
  }
}

// (x, y) and the cell are in the core's pixels; the two small letters are drawn
// at the device's size, clipped to the cell's device rectangle.
void GdiSurface::DrawCaret(std::int32_t x, std::int32_t y, unsigned char byte) {
  SIZE cell{};
  GetTextExtentPoint32A(MetricDc(), " ", 1, &cell);
  // Half the cell's height: two small letters fit the width of one fixed-pitch cell.
  const int height = static_cast<int>(cell.cy / 2);
  if (!caretFont_.device || caretFontHeight_ != height) {
    caretFont_ = MakeFont(height);
    caretFontHeight_ = height;
  }
  const char caret[2] = {'^', CaretLetter(byte)};
  ScopedSelection selected(dc_.get(), caretFont_.device.get());
  SIZE text{};
  GetTextExtentPoint32A(dc_.get(), caret, 2, &text);
  const RECT box = scale_.ToDevice(Rect{x, y, x + cell.cx, y + cell.cy});
  ExtTextOutA(dc_.get(), box.left, box.top + (box.bottom - box.top - text.cy) / 2,
              ETO_CLIPPED | ETO_OPAQUE, &box, caret, 2, nullptr);
}

Extent GdiSurface::MeasureBytes(const char* bytes, std::int32_t count) {
  SIZE size{};
  if (dc_ && count >= 0) GetTextExtentPoint32A(MetricDc(), bytes, count, &size);
  return Extent{size.cx, size.cy};
}

}  // namespace keyrill::win32
