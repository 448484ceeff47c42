// The back buffer on Qt: a QImage the core draws into through the Surface
// interface, in logical pixels; on a high-DPI screen the image carries the screen's
// device pixel ratio so text stays sharp. Platform side (Qt).
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "program/code_page.h"
#include "program/host.h"

namespace keyrill::qt {

// How a byte is shown in its cell. A carriage return (the end of a target line,
// never typed: the line advances before the caret reaches it) is a blank cell;
// other control codes, which only a mistaken keystroke puts in the typed text,
// are shown in caret notation ("^J" for Ctrl+J, "^[" for Escape) in small type
// inside their one cell; a byte the code page leaves undefined shows "\uFFFD".
enum class GlyphKind { Blank, Caret, Character };
struct Glyph {
  GlyphKind kind;
  QString text;
};
Glyph GlyphForByte(unsigned char byte, const CodePage& codePage);

class ImageSurface final : public Surface {
 public:
  // Bytes are drawn as characters of codePage, which must outlive the surface.
  explicit ImageSurface(const CodePage& codePage);

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
    QFont caretFont;  // small enough that "^X" fits one cell
    int cellWidth = 0;
    int cellHeight = 0;
    int ascent = 0;
    int caretBaseline = 0;
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
  const CellFont& Selected() const { return selected_ == Font::Text ? text_ : stats_; }

  const CodePage& codePage_;
  QImage image_;
  CellFont text_;
  CellFont stats_;
  Font selected_ = Font::Text;
};

}  // namespace keyrill::qt
