// The client-area widget: dirty-rectangle copies from the back buffer, keys and
// committed text to character codes. Platform side (Qt).
#include "qt/back_buffer_view.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "qt/key_translation.h"

namespace keyrill::qt {

BackBufferView::BackBufferView(const QImage& image, const CodePage& codePage, QWidget* parent)
    : QWidget(parent), image_(image), codePage_(codePage), onX11_(X11Painter::Usable()) {
  // Every pixel is painted from the image (or white past its edge): no erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_InputMethodEnabled);
  setFocusPolicy(Qt::StrongFocus);
  if (onX11_) {
    // A native window that paint events reach directly, past the backing store.
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
  }
}

BackBufferView::~BackBufferView() = default;

QPaintEngine* BackBufferView::paintEngine() const {
  return onX11_ ? nullptr : QWidget::paintEngine();
}

void BackBufferView::paintEvent(QPaintEvent* event) {
  if (onX11_) {
    PaintOnX11(event->region());
  } else {
    PaintWithQt(event->region());
  }
  marked_ -= event->region();
  if (onPainted_) onPainted_(event->region());
}

void BackBufferView::PaintOnX11(const QRegion& region) {
  if (!x11_) x11_ = X11Painter::ForWindow(static_cast<std::uint32_t>(winId()));
  if (!x11_) return;
  const qreal ratio = image_.devicePixelRatio();
  for (const QRect& rect : region) {
    // Logical to device pixels, rounded outwards so no edge pixel is left behind.
    const QRectF device(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                        rect.height() * ratio);
    x11_->Put(image_, device.toAlignedRect());
  }
  x11_->Flush();
  if (!tapOpened_) {
    // After the first frame, not before it: loading the keymap and the Compose table
    // takes a few milliseconds, and until then Qt reads every key anyway.
    tapOpened_ = true;
    QMetaObject::invokeMethod(
        this, [this] { OpenKeyTap(); }, Qt::QueuedConnection);
  }
}

void BackBufferView::PaintWithQt(const QRegion& region) {
  QPainter painter(this);
  const qreal ratio = image_.devicePixelRatio();
  const QRect imageRect(QPoint(0, 0), image_.deviceIndependentSize().toSize());
  for (const QRect& rect : region) {
    const QRect inside = rect & imageRect;
    if (!inside.isEmpty()) {
      const QRectF source(inside.x() * ratio, inside.y() * ratio, inside.width() * ratio,
                          inside.height() * ratio);
      painter.drawImage(QRectF(inside), image_, source);
    }
    // A window grown past its creation size shows the white background there.
    for (const QRect& outside : QRegion(rect).subtracted(QRegion(imageRect))) {
      painter.fillRect(outside, Qt::white);
    }
  }
}

void BackBufferView::MarkDirty(const QRect& rect) {
  marked_ += rect;
  if (onX11_) {
    QueuePaint();
  } else {
    update(rect);
  }
}

void BackBufferView::MarkAllDirty() {
  MarkDirty(rect());
}

void BackBufferView::QueuePaint() {
  // A key paints before its event returns; a timer tick or a command's changes are
  // put on the next turn of the event loop, also while a dialog runs its own loop.
  // (Qt's update() would go through the backing store, and a round trip, each tick.)
  if (paintQueued_) return;
  paintQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        paintQueued_ = false;
        PaintMarked();
      },
      Qt::QueuedConnection);
}

void BackBufferView::PaintMarked() {
  if (marked_.isEmpty() || !isVisible()) return;
  if (onX11_) {
    const QRegion region = marked_;
    marked_ = QRegion();
    PaintOnX11(region);
    if (onPainted_) onPainted_(region);
    return;
  }
  // repaint() paints and flushes at once; the update() already queued then finds
  // nothing left to do.
  repaint(marked_);
}

void BackBufferView::OpenKeyTap() {
  X11KeyTap::Hooks hooks;
  hooks.mayType = [this] {
    // Not while a menu, a dialog or another window has the keys: Qt routes those.
    return hasFocus() && QApplication::activePopupWidget() == nullptr &&
           QApplication::activeModalWidget() == nullptr;
  };
  hooks.type = [this](const QString& text) { TypeText(text); };
  tap_ = X11KeyTap::Open(static_cast<std::uint32_t>(window()->winId()),
                         static_cast<std::uint32_t>(winId()), std::move(hooks));
}

void BackBufferView::TypeText(const QString& text) {
  Send(CodesForCommit(text, codePage_));
  PaintMarked();
}

void BackBufferView::Send(const std::vector<int>& codes) {
  if (!onChar_) return;
  for (int code : codes) onChar_(code);
}

void BackBufferView::keyPressEvent(QKeyEvent* event) {
  Send(CodesForKey(event->key(), event->modifiers(), event->text(), codePage_));
  PaintMarked();
  event->accept();
}

void BackBufferView::inputMethodEvent(QInputMethodEvent* event) {
  TypeText(event->commitString());
  event->accept();
}

QVariant BackBufferView::inputMethodQuery(Qt::InputMethodQuery query) const {
  // An input method's pre-edit window goes at the window's top-left; the core has
  // no notion of a text cursor to report.
  if (query == Qt::ImCursorRectangle) return QRect(0, 0, 1, 1);
  if (query == Qt::ImEnabled) return true;
  return QWidget::inputMethodQuery(query);
}

bool BackBufferView::focusNextPrevChild(bool /*next*/) {
  return false;
}

}  // namespace keyrill::qt
