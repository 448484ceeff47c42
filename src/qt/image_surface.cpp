// The QImage back buffer and its two cell fonts. Platform side (Qt).
#include "qt/image_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace keyrill::qt {

Glyph GlyphForByte(unsigned char byte, const CodePage& codePage) {
  switch (ShapeOfByte(byte)) {
    case CellShape::Blank:
      return {GlyphKind::Blank, {}};
    case CellShape::Caret:
      return {GlyphKind::Caret, QString(QLatin1Char('^')) + QLatin1Char(CaretLetter(byte))};
    case CellShape::Character:
      break;
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
  return cell;
}

void ImageSurface::MakeCaretFont(CellFont& cell) {
  // Only a mistaken control key needs it: made on first use, not at start-up.
  cell.caretFont = cell.font;
  for (int size = cell.font.pixelSize() / 2; size >= 4; --size) {
    cell.caretFont.setPixelSize(size);
    if (QFontMetrics(cell.caretFont).horizontalAdvance(QStringLiteral("^W")) <= cell.cellWidth) {
      break;
    }
  }
  const QFontMetrics caretMetrics(cell.caretFont);
  cell.caretBaseline = (cell.cellHeight - caretMetrics.height()) / 2 + caretMetrics.ascent();
  cell.caretReady = true;
}

ImageSurface::ImageSurface(const CodePage& codePage, CellCache cache)
    : codePage_(codePage),
      text_(MakeCellFont(kTextFontHeight)),
      stats_(MakeCellFont(PixelSizeForCell(kStatsFontHeight))),
      cache_(cache) {}

void ImageSurface::Create(int width, int height, qreal devicePixelRatio) {
  const int pixelWidth = qRound(width * devicePixelRatio);
  const int pixelHeight = qRound(height * devicePixelRatio);
  image_ = QImage(pixelWidth, pixelHeight, QImage::Format_RGB32);
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(Qt::white);
  // Cells drawn for another pixel ratio would not fit this image.
  for (CellFont* cell : {&text_, &stats_}) cell->cells = {};
}

void ImageSurface::Fill(std::int32_t left, std::int32_t top, std::int32_t width,
                        std::int32_t height, Brush brush) {
  if (width <= 0 || height <= 0 || image_.isNull()) return;
  const quint32 colour = brush == Brush::Black ? 0xFF000000u : 0xFFFFFFFFu;
  const int scale = WholeScale();
  if (scale > 0) {
    // Whole device pixels: the same pixels a painter fills, without making one.
    const int x0 = std::max(left * scale, 0);
    const int x1 = std::min((left + width) * scale, image_.width());
    const int y1 = std::min((top + height) * scale, image_.height());
    uchar* bits = image_.bits();  // detaches at most once, not once a row
    const qsizetype stride = image_.bytesPerLine();
    for (int row = std::max(top * scale, 0); row < y1 && x0 < x1; ++row) {
      auto* line = reinterpret_cast<quint32*>(bits + row * stride);
      if (brush == Brush::White) {
        // Every byte of white is 0xFF: the statistics band's fill, each tick.
        std::memset(line + x0, 0xFF, static_cast<std::size_t>(x1 - x0) * sizeof(quint32));
      } else {
        std::fill(line + x0, line + x1, colour);
      }
    }
    return;
  }
  QPainter painter(&image_);
  painter.fillRect(QRect(left, top, width, height), brush == Brush::Black ? Qt::black : Qt::white);
}

Font ImageSurface::UseFont(Font font) {
  const Font displaced = selected_;
  selected_ = font;
  return displaced;
}

void ImageSurface::PaintGlyph(QPainter& painter, CellFont& cell, int x, int y, unsigned char byte) {
  const Glyph glyph = GlyphForByte(byte, codePage_);
  painter.setClipRect(QRect(x, y, cell.cellWidth, cell.cellHeight));
  switch (glyph.kind) {
    case GlyphKind::Blank:
      break;
    case GlyphKind::Character:
      if (glyph.text != QLatin1String(" ")) {
        painter.setFont(cell.font);
        painter.drawText(QPoint(x, y + cell.ascent), glyph.text);
      }
      break;
    case GlyphKind::Caret:
      if (!cell.caretReady) MakeCaretFont(cell);
      painter.setFont(cell.caretFont);
      painter.drawText(QPoint(x, y + cell.caretBaseline), glyph.text);
      break;
  }
}

const QImage& ImageSurface::CellImage(CellFont& cell, unsigned char byte) {
  QImage& image = cell.cells[byte];
  if (image.isNull()) {
    const qreal ratio = image_.devicePixelRatio();
    image = QImage(qRound(cell.cellWidth * ratio), qRound(cell.cellHeight * ratio),
                   QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    PaintGlyph(painter, cell, 0, 0, byte);
  }
  return image;
}

int ImageSurface::WholeScale() const {
  const qreal ratio = image_.devicePixelRatio();
  const int scale = qRound(ratio);
  const bool whole = scale >= 1 && qFuzzyCompare(ratio, static_cast<qreal>(scale));
  return cache_ == CellCache::On && whole ? scale : 0;
}

void ImageSurface::CopyCell(const QImage& cellImage, int x, int y) {
  const int left = std::max(x, 0);
  const int right = std::min(x + cellImage.width(), image_.width());
  const int top = std::max(y, 0);
  const int bottom = std::min(y + cellImage.height(), image_.height());
  if (left >= right || top >= bottom) return;
  constexpr qsizetype kPixelBytes = sizeof(quint32);  // Format_RGB32
  const auto bytes = static_cast<std::size_t>(right - left) * sizeof(quint32);
  uchar* to = image_.bits();  // detaches at most once, not once a row
  const qsizetype toStride = image_.bytesPerLine();
  const uchar* from = cellImage.constBits();
  const qsizetype fromStride = cellImage.bytesPerLine();
  for (int row = top; row < bottom; ++row) {
    std::memcpy(to + row * toStride + left * kPixelBytes,
                from + (row - y) * fromStride + (left - x) * kPixelBytes, bytes);
  }
}

void ImageSurface::DrawBytes(std::int32_t x, std::int32_t y, const char* bytes,
                             std::int32_t count) {
  if (count <= 0 || image_.isNull()) return;
  CellFont& cell = Selected();
  // Opaque cells, each glyph clipped to its own: a cell's pixels depend on its byte
  // alone, so a row drawn at once and the same row drawn a key at a time agree, and
  // a cell drawn once can be copied from then on. That needs whole device pixels; a
  // fractional device pixel ratio paints every time.
  const int scale = WholeScale();
  if (scale > 0) {
    for (std::int32_t i = 0; i < count; ++i) {
      const QImage& cellImage = CellImage(cell, static_cast<unsigned char>(bytes[i]));
      CopyCell(cellImage, (x + i * cell.cellWidth) * scale, y * scale);
    }
    return;
  }
  QPainter painter(&image_);
  painter.fillRect(QRect(x, y, cell.cellWidth * count, cell.cellHeight), Qt::white);
  painter.setPen(Qt::black);
  for (std::int32_t i = 0; i < count; ++i) {
    PaintGlyph(painter, cell, x + i * cell.cellWidth, y, static_cast<unsigned char>(bytes[i]));
  }
}

Extent ImageSurface::MeasureBytes(const char* /*bytes*/, std::int32_t count) {
  const CellFont& cell = Selected();
  return {cell.cellWidth * (count > 0 ? count : 0), cell.cellHeight};
}

}  // namespace keyrill::qt
