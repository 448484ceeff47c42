// The back buffer on Windows: GDI memory DC, compatible bitmap, TextFont, and the
// statistics bar's StatsFont for the length of one drawing. Platform side (Win32).
#include "win32/gdi_surface.h"

#include <string>

#include "program/cell_shape.h"
#include "win32/ansi_code_page.h"

namespace keyrill::win32 {

namespace {

// Both fonts are requested alike: bold, fixed pitch, any face, the character set of
// the ANSI code page (ANSI_CHARSET on Western systems; a Cyrillic or Greek system's
// bytes would show Western glyphs in it), default precision and quality; only the
// height differs.
HFONT CreateFixedBoldFont(int height) {
  return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, AnsiCharset(),
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH,
                     nullptr);
}

constexpr int kTextFontHeight = 24;
constexpr int kStatsFontHeight = 16;

}  // namespace

GdiSurface::GdiSurface(HWND window)
    : whiteBrush_(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))),
      blackBrush_(static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))) {
  RECT client{};
  GetClientRect(window, &client);
  clientWidth_ = client.right;
  clientHeight_ = client.bottom;

  WindowDc windowDc(window);
  dc_.reset(CreateCompatibleDC(windowDc.get()));
  bitmap_.reset(CreateCompatibleBitmap(windowDc.get(), clientWidth_, clientHeight_));
  SelectObject(dc_.get(), bitmap_.get());
  textFont_.reset(CreateFixedBoldFont(kTextFontHeight));
  SelectObject(dc_.get(), textFont_.get());
  selectedFont_ = Font::Text;
}

void GdiSurface::Release() {
  dc_.reset();
  textFont_.reset();
  statsFont_.reset();
  caretFont_.reset();
  bitmap_.reset();
}

void GdiSurface::Fill(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                      Brush brush) {
  if (!dc_) return;
  ScopedSelection selected(dc_.get(), brush == Brush::Black ? blackBrush_ : whiteBrush_);
  PatBlt(dc_.get(), left, top, width, height, PATCOPY);
}

Font GdiSurface::UseFont(Font font) {
  const Font previous = selectedFont_;
  if (!dc_) return previous;
  if (font == Font::Stats) {
    if (!statsFont_) statsFont_.reset(CreateFixedBoldFont(kStatsFontHeight));
    SelectObject(dc_.get(), statsFont_.get());
  } else {
    // TextFont goes back in first, so StatsFont is no longer selected when it is
    // deleted.
    SelectObject(dc_.get(), textFont_.get());
    statsFont_.reset();
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
  TextOutA(dc_.get(), x, y, cells.data(), count);
  if (!carets) return;
  for (std::int32_t i = 0; i < count; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (ShapeOfByte(byte) != CellShape::Caret) continue;
    SIZE before{};
    GetTextExtentPoint32A(dc_.get(), cells.data(), i, &before);
    DrawCaret(x + before.cx, y, byte);
  }
}

void GdiSurface::DrawCaret(std::int32_t x, std::int32_t y, unsigned char byte) {
  SIZE cell{};
  GetTextExtentPoint32A(dc_.get(), " ", 1, &cell);
  // Half the cell's height: two small letters fit the width of one fixed-pitch cell.
  const int height = static_cast<int>(cell.cy / 2);
  if (!caretFont_ || caretFontHeight_ != height) {
    caretFont_.reset(CreateFixedBoldFont(height));
    caretFontHeight_ = height;
  }
  const char caret[2] = {'^', CaretLetter(byte)};
  ScopedSelection selected(dc_.get(), caretFont_.get());
  SIZE text{};
  GetTextExtentPoint32A(dc_.get(), caret, 2, &text);
  const RECT box{x, y, x + cell.cx, y + cell.cy};
  ExtTextOutA(dc_.get(), x, y + (cell.cy - text.cy) / 2, ETO_CLIPPED | ETO_OPAQUE, &box, caret, 2,
              nullptr);
}

Extent GdiSurface::MeasureBytes(const char* bytes, std::int32_t count) {
  SIZE size{};
  if (dc_ && count >= 0) GetTextExtentPoint32A(dc_.get(), bytes, count, &size);
  return Extent{size.cx, size.cy};
}

}  // namespace keyrill::win32
