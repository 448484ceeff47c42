// The back buffer on Qt: a QImage the core draws into through the Surface
// interface, in logical pixels; on a high-DPI screen the image carries the screen's
// device pixel ratio so text stays sharp. Platform side (Qt).
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "app/host.h"

namespace keyrill::qt {

// How a byte is shown in its cell. A carriage return (the end of a target line,
// never typed: the line advances before the caret reaches it) is a blank cell;
// other control codes, which only a mistaken keystroke puts in the typed text,
// are shown in caret notation ("^J" for Ctrl+J, "^[" for Escape) in small type
// inside their one cell; the five bytes Windows-1252 leaves undefined show "\uFFFD".
enum class GlyphKind { Blank, Caret, Character };
struct Glyph {
  GlyphKind kind;
  QString text;
};
Glyph GlyphForByte(unsigned char byte);

class ImageSurface final : public Surface {
 public:
  ImageSurface();

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
  static CellFont MakeCellFont(int pixelSize);
  const CellFont& Selected() const { return selected_ == Font::Text ? text_ : stats_; }

  QImage image_;
  CellFont text_;
  CellFont stats_;
  Font selected_ = Font::Text;
};

}  // namespace keyrill::qt
