// A back buffer for tests: a pixel canvas that remembers which byte each text cell
// shows, every fill and every text drawn, and the selected font. Test side: it
// implements the core's Surface the way a window's back buffer would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "program/host.h"

namespace keyrill::fake {

struct FillRecord {
  std::int32_t left, top, width, height;
  Brush brush;
};

struct DrawnText {
  Font font;
  std::int32_t x, y;
  std::string bytes;
};

class RecordingSurface final : public Surface {
 public:
  // textCell is the "@" of the text font, statsCell the "A" of the statistics font;
  // both fonts have fixed pitch, so every byte measures one cell.
  RecordingSurface(std::int32_t width, std::int32_t height, Extent textCell, Extent statsCell);

  void Fill(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
            Brush brush) override;
  Font UseFont(Font font) override;
  void DrawBytes(std::int32_t x, std::int32_t y, const char* bytes, std::int32_t count) override;
  Extent MeasureBytes(const char* bytes, std::int32_t count) override;

  // The byte whose whole text-font cell starts at (x, y), or -1 when no intact cell
  // of one byte starts there.
  int CellAt(std::int32_t x, std::int32_t y) const;
  // count text cells from (x, y): each cell's byte, ' ' for a white cell, '#' for a
  // black one and '?' for anything else (a cut or misplaced glyph). Cells are judged
  // by their corners and centre; IsWhite and IsBlack look at every pixel.
  std::string Row(std::int32_t x, std::int32_t y, std::int32_t count) const;
  // The same for statistics-font cells.
  std::string StatsRow(std::int32_t x, std::int32_t y, std::int32_t count) const;
  bool IsWhite(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) const;
  bool IsBlack(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) const;

  Font SelectedFont() const { return font_; }
  int StatsFontsCreated() const { return statsCreated_; }
  int StatsFontsAlive() const { return statsAlive_; }
  Extent TextCell() const { return textCell_; }

  // The log since the last ClearLog, in drawing order.
  std::vector<FillRecord> fills;
  std::vector<DrawnText> texts;
  int measures = 0;
  void ClearLog();

 private:
  static constexpr std::uint16_t kWhite = 0;
  static constexpr std::uint16_t kBlack = 1;
  static constexpr std::uint16_t kTextGlyph = 0x100;
  static constexpr std::uint16_t kStatsGlyph = 0x200;

  void Paint(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
             std::uint16_t value);
  std::uint16_t Pixel(std::int32_t x, std::int32_t y) const;
  char CellChar(std::int32_t x, std::int32_t y, Extent cell, std::uint16_t glyph) const;
  bool All(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
           std::uint16_t value) const;

  std::int32_t width_;
  std::int32_t height_;
  Extent textCell_;
  Extent statsCell_;
  Font font_ = Font::Text;
  int statsCreated_ = 0;
  int statsAlive_ = 0;
  std::vector<std::uint16_t> pixels_;
};

}  // namespace keyrill::fake
