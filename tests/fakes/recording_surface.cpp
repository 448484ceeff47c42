// The recording back buffer for tests. Test side.
#include "recording_surface.h"

#include <algorithm>
#include <cstring>

namespace keyrill::fake {

RecordingSurface::RecordingSurface(std::int32_t width, std::int32_t height, Extent textCell,
                                   Extent statsCell)
    : width_(width),
      height_(height),
      textCell_(textCell),
      statsCell_(statsCell),
      pixels_(static_cast<std::size_t>(std::max(width, 0)) *
                  static_cast<std::size_t>(std::max(height, 0)),
              kWhite) {}

void RecordingSurface::Paint(std::int32_t left, std::int32_t top, std::int32_t width,
                             std::int32_t height, std::uint16_t value) {
  // Clipped to the canvas, as a bitmap clips.
  const std::int32_t x0 = std::max(left, 0);
  const std::int32_t y0 = std::max(top, 0);
  const std::int32_t x1 = std::min(left + width, width_);
  const std::int32_t y1 = std::min(top + height, height_);
  if (x1 <= x0 || y1 <= y0) return;
  const auto stride = static_cast<std::size_t>(width_);
  const auto span = static_cast<std::size_t>(x1 - x0);
  std::uint16_t* first = pixels_.data() + static_cast<std::size_t>(y0) * stride + x0;
  // White is all zero bytes: memset keeps the page clears cheap even in a
  // sanitized debug build, where the property test clears thousands of pages.
  if (value == kWhite && span == stride) {
    std::memset(first, 0, span * static_cast<std::size_t>(y1 - y0) * sizeof *first);
    return;
  }
  for (std::int32_t y = y0; y < y1; ++y, first += stride) {
    if (value == kWhite) {
      std::memset(first, 0, span * sizeof *first);
    } else {
      std::fill_n(first, span, value);
    }
  }
}

std::uint16_t RecordingSurface::Pixel(std::int32_t x, std::int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFFFF;
  return pixels_.data()[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                        static_cast<std::size_t>(x)];
}

void RecordingSurface::Fill(std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height, Brush brush) {
  fills.push_back({left, top, width, height, brush});
  Paint(left, top, width, height, brush == Brush::Black ? kBlack : kWhite);
}

Font RecordingSurface::UseFont(Font font) {
  const Font displaced = font_;
  if (font == Font::Stats && displaced != Font::Stats) {
    ++statsCreated_;
    ++statsAlive_;
  } else if (font != Font::Stats && displaced == Font::Stats) {
    --statsAlive_;
  }
  font_ = font;
  return displaced;
}

void RecordingSurface::DrawBytes(std::int32_t x, std::int32_t y, const char* bytes,
                                 std::int32_t count) {
  texts.push_back({font_, x, y, std::string(bytes, static_cast<std::size_t>(count))});
  const Extent cell = font_ == Font::Stats ? statsCell_ : textCell_;
  const std::uint16_t glyph = font_ == Font::Stats ? kStatsGlyph : kTextGlyph;
  for (std::int32_t i = 0; i < count; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    Paint(x + i * cell.cx, y, cell.cx, cell.cy, static_cast<std::uint16_t>(glyph | byte));
  }
}

Extent RecordingSurface::MeasureBytes(const char*, std::int32_t count) {
  ++measures;
  const Extent cell = font_ == Font::Stats ? statsCell_ : textCell_;
  return {count * cell.cx, cell.cy};
}

bool RecordingSurface::All(std::int32_t left, std::int32_t top, std::int32_t width,
                           std::int32_t height, std::uint16_t value) const {
  for (std::int32_t y = top; y < top + height; ++y) {
    for (std::int32_t x = left; x < left + width; ++x) {
      if (Pixel(x, y) != value) return false;
    }
  }
  return true;
}

char RecordingSurface::CellChar(std::int32_t x, std::int32_t y, Extent cell,
                                std::uint16_t glyph) const {
  // Four corners and the centre: enough to see a cell that was cut, shifted or
  // partly painted over, and cheap enough for a check after every key.
  const std::uint16_t first = Pixel(x, y);
  const bool same = Pixel(x + cell.cx - 1, y) == first && Pixel(x, y + cell.cy - 1) == first &&
                    Pixel(x + cell.cx - 1, y + cell.cy - 1) == first &&
                    Pixel(x + cell.cx / 2, y + cell.cy / 2) == first;
  if (!same) return '?';
  if ((first & 0xFF00) == glyph) return static_cast<char>(first & 0xFF);
  if (first == kWhite) return ' ';
  if (first == kBlack) return '#';
  return '?';
}

int RecordingSurface::CellAt(std::int32_t x, std::int32_t y) const {
  const std::uint16_t first = Pixel(x, y);
  if ((first & 0xFF00) != kTextGlyph || !All(x, y, textCell_.cx, textCell_.cy, first)) return -1;
  return first & 0xFF;
}

std::string RecordingSurface::Row(std::int32_t x, std::int32_t y, std::int32_t count) const {
  std::string row;
  for (std::int32_t i = 0; i < count; ++i)
    row += CellChar(x + i * textCell_.cx, y, textCell_, kTextGlyph);
  return row;
}

std::string RecordingSurface::StatsRow(std::int32_t x, std::int32_t y, std::int32_t count) const {
  std::string row;
  for (std::int32_t i = 0; i < count; ++i) {
    row += CellChar(x + i * statsCell_.cx, y, statsCell_, kStatsGlyph);
  }
  return row;
}

bool RecordingSurface::IsWhite(std::int32_t left, std::int32_t top, std::int32_t width,
                               std::int32_t height) const {
  return All(left, top, width, height, kWhite);
}

bool RecordingSurface::IsBlack(std::int32_t left, std::int32_t top, std::int32_t width,
                               std::int32_t height) const {
  return All(left, top, width, height, kBlack);
}

void RecordingSurface::ClearLog() {
  fills.clear();
  texts.clear();
  measures = 0;
}

}  // namespace keyrill::fake
