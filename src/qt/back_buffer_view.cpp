// The client-area widget: its back buffer, dirty-rectangle copies from it to the
// screen, keys and committed text to the router as character codes. Platform side (Qt).
#include "qt/back_buffer_view.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/router.h"
#include "qt/key_translation.h"
#include "qt/typing_area_access.h"

namespace keyrill::qt {

BackBufferView::BackBufferView(const CodePage& codePage, Program& program, QWidget* parent)
    : QWidget(parent),
      codePage_(codePage),
      program_(program),
      surface_(codePage),
      presented_(present::PresenterAvailable()) {
  // Every pixel is painted from the image (or white past its edge): no erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_InputMethodEnabled);
  setFocusPolicy(Qt::StrongFocus);
  if (presented_) {
    // A native window that paint events reach directly, past the backing store.
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
  }
}

BackBufferView::~BackBufferView() = default;

QSize BackBufferView::CreateBackBuffer() {
  const QSize client = size();
  surface_.Create(client.width(), client.height(), devicePixelRatioF());
  return client;
}

QPaintEngine* BackBufferView::paintEngine() const {
  return presented_ ? nullptr : QWidget::paintEngine();
}

void BackBufferView::paintEvent(QPaintEvent* event) {
  if (presented_) {
    Present(event->region());
  } else {
    PaintWithQt(event->region());
  }
  marked_ -= event->region();
  if (onPainted_) onPainted_(event->region());
}

void BackBufferView::Present(const QRegion& region) {
  if (!presenter_) presenter_ = present::OpenPresenter(winId());
  if (presenter_) presenter_->Present(image(), region);
}

void BackBufferView::PaintWithQt(const QRegion& region) {
  QPainter painter(this);
  const qreal ratio = image().devicePixelRatio();
  const QRect imageRect(QPoint(0, 0), image().deviceIndependentSize().toSize());
  for (const QRect& rect : region) {
    const QRect inside = rect & imageRect;
    if (!inside.isEmpty()) {
      const QRectF source(inside.x() * ratio, inside.y() * ratio, inside.width() * ratio,
                          inside.height() * ratio);
      painter.drawImage(QRectF(inside), image(), source);
    }
    // A window grown past its creation size shows the white background there.
    for (const QRect& outside : QRegion(rect).subtracted(QRegion(imageRect))) {
      painter.fillRect(outside, Qt::white);
    }
  }
}

void BackBufferView::MarkDirty(const QRect& rect) {
  marked_ += rect;
  if (presented_) {
    QueuePaint();
  } else {
    update(rect);
  }
}

void BackBufferView::Invalidate(const Rect& rect) {
  MarkDirty(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
}

void BackBufferView::InvalidateAll() {
  MarkDirty(rect());
}

void BackBufferView::QueuePaint() {
  // A timer tick or a command's changes are presented on the next turn of the event
  // loop, also while a dialog runs its own loop. (update() would reach a presented
  // window only through Qt's expose handling.)
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
  if (presented_) {
    const QRegion region = marked_;
    marked_ = QRegion();
    Present(region);
    if (onPainted_) onPainted_(region);
    return;
  }
  // repaint() paints and flushes at once; the update() already queued then finds
  // nothing left to do.
  repaint(marked_);
}

ScreenReading BackBufferView::Read() const {
  return ReadScreen(program_);
}

void BackBufferView::Type(const std::vector<int>& codes) {
  const TypingAreaChange change(*this);
  for (int code : codes) {
    if (onChar_) onChar_(code);
    OnChar(program_, code);
  }
  // The key's cells reach the screen before its event returns.
  PaintMarked();
}

void BackBufferView::keyPressEvent(QKeyEvent* event) {
  Type(CodesForKey(event->key(), event->modifiers(), event->text(), codePage_));
  event->accept();
}

void BackBufferView::inputMethodEvent(QInputMethodEvent* event) {
  Type(CodesForCommit(event->commitString(), codePage_));
  event->accept();
}

QVariant BackBufferView::inputMethodQuery(Qt::InputMethodQuery query) const {
  // An input method's pre-edit window opens at the caret's cell.
  if (query == Qt::ImCursorRectangle) {
    const Rect cell = Read().caretCell;
    return QRect(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
  }
  if (query == Qt::ImEnabled) return true;
  return QWidget::inputMethodQuery(query);
}

bool BackBufferView::focusNextPrevChild(bool /*next*/) {
  return false;
}

}  // namespace keyrill::qt
