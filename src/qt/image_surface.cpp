// The QImage back buffer and its two cell fonts. Platform side (Qt).
#include "qt/image_surface.h"

#include <QFontMetrics>
#include <QPainter>

namespace keyrill::qt {

Glyph GlyphForByte(unsigned char byte, const CodePage& codePage) {
  if (byte == 0x0D) return {GlyphKind::Blank, {}};
  if (byte < 0x20 || byte == 0x7F) {
    QString caret(QLatin1Char('^'));
    caret.append(QLatin1Char(static_cast<char>(byte ^ 0x40)));
    return {GlyphKind::Caret, caret};
  }
  const char32_t character = codePage.Character(byte);
  const QChar::Category category = QChar::category(character);
  if (category == QChar::Other_Control || category == QChar::Other_PrivateUse ||
      category == QChar::Other_NotAssigned) {
    return {GlyphKind::Character, QString(QChar(0xFFFD))};
  }
  return {GlyphKind::Character, QString::fromUcs4(&character, 1)};
}

QFont ImageSurface::FixedFont(int pixelSize) {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setBold(true);
  font.setPixelSize(pixelSize);
  return font;
}

int ImageSurface::PixelSizeForCell(int cellHeight) {
  int pixelSize = cellHeight;
  while (pixelSize > 4 && QFontMetrics(FixedFont(pixelSize)).height() > cellHeight) --pixelSize;
  return pixelSize;
}

ImageSurface::CellFont ImageSurface::MakeCellFont(int pixelSize) {
  CellFont cell;
  cell.font = FixedFont(pixelSize);
  const QFontMetrics metrics(cell.font);
  cell.cellWidth = metrics.horizontalAdvance(QLatin1Char('@'));
  cell.cellHeight = metrics.height();
  cell.ascent = metrics.ascent();

  cell.caretFont = cell.font;
  for (int size = pixelSize / 2; size >= 4; --size) {
    cell.caretFont.setPixelSize(size);
    if (QFontMetrics(cell.caretFont).horizontalAdvance(QStringLiteral("^W")) <= cell.cellWidth) {
      break;
    }
  }
  const QFontMetrics caretMetrics(cell.caretFont);
  cell.caretBaseline = (cell.cellHeight - caretMetrics.height()) / 2 + caretMetrics.ascent();
  return cell;
}

ImageSurface::ImageSurface(const CodePage& codePage)
    : codePage_(codePage), text_(MakeCellFont(24)), stats_(MakeCellFont(PixelSizeForCell(16))) {}

void ImageSurface::Create(int width, int height, qreal devicePixelRatio) {
  const int pixelWidth = qRound(width * devicePixelRatio);
  const int pixelHeight = qRound(height * devicePixelRatio);
  image_ = QImage(pixelWidth, pixelHeight, QImage::Format_RGB32);
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(Qt::white);
}

void ImageSurface::Fill(std::int32_t left, std::int32_t top, std::int32_t width,
                        std::int32_t height, Brush brush) {
  if (width <= 0 || height <= 0 || image_.isNull()) return;
  QPainter painter(&image_);
  painter.fillRect(QRect(left, top, width, height), brush == Brush::Black ? Qt::black : Qt::white);
}

Font ImageSurface::UseFont(Font font) {
  const Font displaced = selected_;
  selected_ = font;
  return displaced;
}

void ImageSurface::DrawBytes(std::int32_t x, std::int32_t y, const char* bytes,
                             std::int32_t count) {
  if (count <= 0 || image_.isNull()) return;
  const CellFont& cell = Selected();
  QPainter painter(&image_);
  // Opaque cells: the whole run's extent white first, then each glyph black, clipped
  // to its own cell, so a row drawn at once and the same row drawn a key at a time
  // (each key filling its cell) give the same pixels.
  painter.fillRect(QRect(x, y, cell.cellWidth * count, cell.cellHeight), Qt::white);
  painter.setPen(Qt::black);
  painter.setFont(cell.font);
  bool caretFontSet = false;
  for (std::int32_t i = 0; i < count; ++i) {
    const int cellX = x + i * cell.cellWidth;
    const Glyph glyph = GlyphForByte(static_cast<unsigned char>(bytes[i]), codePage_);
    painter.setClipRect(QRect(cellX, y, cell.cellWidth, cell.cellHeight));
    switch (glyph.kind) {
      case GlyphKind::Blank:
        break;
      case GlyphKind::Character:
        if (caretFontSet) {
          painter.setFont(cell.font);
          caretFontSet = false;
        }
        if (glyph.text != QLatin1String(" ")) {
          painter.drawText(QPoint(cellX, y + cell.ascent), glyph.text);
        }
        break;
      case GlyphKind::Caret:
        if (!caretFontSet) {
          painter.setFont(cell.caretFont);
          caretFontSet = true;
        }
        painter.drawText(QPoint(cellX, y + cell.caretBaseline), glyph.text);
        break;
    }
  }
}

Extent ImageSurface::MeasureBytes(const char* /*bytes*/, std::int32_t count) {
  const CellFont& cell = Selected();
  return {cell.cellWidth * (count > 0 ? count : 0), cell.cellHeight};
}

}  // namespace keyrill::qt
