// The back buffer on Qt: a QImage the core draws into through the Surface
// interface, in logical pixels; on a high-DPI screen the image carries the screen's
// device pixel ratio so text stays sharp. Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <array>

#include "program/cell_shape.h"
#include "program/code_page.h"
#include "program/host.h"

class QPainter;

namespace keyrill::qt {

// How a byte is shown in its cell: the core's rule (program/cell_shape.h), with
// the text Qt draws for it; a byte the code page leaves undefined shows "\uFFFD".
using GlyphKind = CellShape;
struct Glyph {
  GlyphKind kind;
  QString text;
};
Glyph GlyphForByte(unsigned char byte, const CodePage& codePage);

class ImageSurface final : public Surface {
 public:
  // Off: every byte and fill is painted every time, as a check of the fast path.
  enum class CellCache { On, Off };
  // Bytes are drawn as characters of codePage, which must outlive the surface.
  explicit ImageSurface(const CodePage& codePage, CellCache cache = CellCache::On);

  // Makes the image of the client size, white, at the given device pixel ratio.
  void Create(int width, int height, qreal devicePixelRatio);
  const QImage& image() const { return image_; }

  void Fill(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
            Brush brush) override;
  Font UseFont(Font font) override;
  void DrawBytes(std::int32_t x, std::int32_t y, const char* bytes, std::int32_t count) override;
  Extent MeasureBytes(const char* bytes, std::int32_t count) override;

 private:
  // A fixed-pitch face laid on a whole-pixel grid: every byte takes one cell of the
  // width of "@", so a row drawn at once and the same row drawn a key at a time
  // put each character in the same place.
  struct CellFont {
    QFont font;
    QFont caretFont;  // small enough that "^X" fits one cell; made on first use
    bool caretReady = false;
    int cellWidth = 0;
    int cellHeight = 0;
    int ascent = 0;
    int caretBaseline = 0;
    // Each byte's finished cell, drawn once the first time it is needed: a key or
    // a statistics tick copies cells instead of shaping and rasterising text.
    std::array<QImage, 256> cells;
  };
  // The text font is DejaVu Sans Mono Bold at 24 px, a 14 x 28 cell. (Read as a
  // 24-pixel cell, as a positive font height is on Windows, it would be 12 x 24, and
  // 12 divides the usable width of 468 exactly: the width rule would then end every
  // full line one character before its end.) The statistics font is asked for by its
  // cell, 16 pixels high, which gives 8 x 16: at 16 px (10 x 19) the bar's third text
  // would start at 415 and never show its figure within the 492-pixel window.
  static QFont FixedFont(int pixelSize);
  static int PixelSizeForCell(int cellHeight);  // the largest size whose cell fits
  static CellFont MakeCellFont(int pixelSize);
  CellFont& Selected() { return selected_ == Font::Text ? text_ : stats_; }
  // Draws one byte's glyph in the cell at (x, y), already white, clipped to it.
  void PaintGlyph(QPainter& painter, CellFont& cell, int x, int y, unsigned char byte);
  static void MakeCaretFont(CellFont& cell);
  const QImage& CellImage(CellFont& cell, unsigned char byte);
  // The device pixel ratio when it is whole and cells are copied, else 0: then
  // fills and glyphs are painted.
  int WholeScale() const;
  // Copies a cell image's pixels to (x, y), cut at the back buffer's edges.
  void CopyCell(const QImage& cellImage, int x, int y);

  const CodePage& codePage_;
  QImage image_;
  CellFont text_;
  CellFont stats_;
  Font selected_ = Font::Text;
  CellCache cache_;
};

}  // namespace keyrill::qt
