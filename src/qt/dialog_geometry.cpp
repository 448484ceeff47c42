// Dialog units, and centring dialogs on the main window or the screen. Platform side (Qt).
#include "qt/dialog_geometry.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QScreen>

#include "app/dialog_placement.h"

namespace keyrill::qt {
namespace {

// MulDiv's rounding: the nearest integer, halves away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
  const long long scaled = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  const long long rounded =
      scaled >= 0 ? (scaled + half) / denominator : -((-scaled + half) / denominator);
  return static_cast<int>(rounded);
}

// A window's outer rectangle. Before a window is shown its frame is unknown; the
// main window's frame thickness stands in for it, as both get the same decoration.
QRect OuterRect(const QWidget& window, const QSize& frameExtra) {
  if (window.isVisible()) return window.frameGeometry();
  const QRect inner = window.geometry();
  return QRect(inner.topLeft(), inner.size() + frameExtra);
}

}  // namespace

QFont DialogFont() {
  // The templates' coordinates assume characters about 6 px wide on average (the
  // base unit); the desktop's own face at the size that matches it keeps every
  // label inside its box.
  QFont font = QApplication::font();
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  for (int pixelSize = 13; pixelSize >= 6; --pixelSize) {
    font.setPixelSize(pixelSize);
    if (qRound(QFontMetricsF(font).horizontalAdvance(alphabet) / 52) <= 6) break;
  }
  return font;
}

int DialogUnitsX(int units) {
  return ScaleRounded(units, 6, 4);
}
int DialogUnitsY(int units) {
  return ScaleRounded(units, 13, 8);
}

QRect DialogRect(int x, int y, int width, int height) {
  return {DialogUnitsX(x), DialogUnitsY(y), DialogUnitsX(width), DialogUnitsY(height)};
}

QPoint CentredTopLeft(const QRect& owner, const QSize& dialog) {
  // QRect's right() is inclusive; the core's rectangles end one past it.
  const TopLeft at = keyrill::CentredTopLeft(
      Rect{owner.x(), owner.y(), owner.x() + owner.width(), owner.y() + owner.height()},
      dialog.width(), dialog.height());
  return {at.x, at.y};
}

void PlaceDialog(QWidget& dialog, const QSize& clientSize, const QWidget& mainWindow,
                 Centre centre) {
  dialog.setFont(DialogFont());
  dialog.setFixedSize(clientSize);

  const QWidget& owner = *mainWindow.window();
  QSize frameExtra(0, 0);
  if (owner.isVisible()) frameExtra = owner.frameGeometry().size() - owner.geometry().size();
  const QSize outer = OuterRect(dialog, frameExtra).size();

  QRect area;
  if (centre == Centre::OnMainWindow) {
    area = owner.frameGeometry();
  } else {
    const QScreen* screen =
        owner.screen() != nullptr ? owner.screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) area = screen->availableGeometry();
  }
  // move() places a window's outer top-left corner, frame included.
  if (!area.isNull()) dialog.move(CentredTopLeft(area, outer));
}

}  // namespace keyrill::qt
