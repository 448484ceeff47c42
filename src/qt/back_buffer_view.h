// The main window's client area on Qt: paints the dirty part of the back buffer,
// and hands key presses and committed input-method text on as character codes.
// Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "program/code_page.h"
#include "qt/x11_key_tap.h"
#include "qt/x11_painter.h"

namespace keyrill::qt {

class BackBufferView final : public QWidget {
 public:
  // Keys become bytes of codePage, which must outlive the view.
  BackBufferView(const QImage& image, const CodePage& codePage, QWidget* parent);
  ~BackBufferView() override;

  // Where character codes go (the router's OnChar).
  void SetCharHandler(std::function<void(int code)> handler) { onChar_ = std::move(handler); }
  // Called after every paint with the region just painted; lets a measuring tool
  // see when a key's cell reached the screen.
  void SetPaintObserver(std::function<void(const QRegion&)> observer) {
    onPainted_ = std::move(observer);
  }

  // Marks a part of the back buffer for repainting. What a key marks is painted and
  // sent to the screen before the key's event returns, not a loop turn later; on X11
  // what a timer or a command marks is put on the next turn of the loop.
  void MarkDirty(const QRect& rect);
  void MarkAllDirty();

  // The client size the main window is created with.
  QSize sizeHint() const override { return {492, 446}; }

  // On X11 the view is a window of its own that Qt does not paint: no paint engine.
  QPaintEngine* paintEngine() const override;

  // Presses typed from the view's own X connection, ahead of Qt (0 without one).
  int KeysTypedAhead() const { return tap_ ? tap_->TypedAhead() : 0; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  // Tab and Shift+Tab are characters here, not focus moves.
  bool focusNextPrevChild(bool next) override;

 private:
  void Send(const std::vector<int>& codes);
  // Committed text (an input method's, or a key typed ahead of Qt), sent and painted.
  void TypeText(const QString& text);
  void PaintMarked();
  void QueuePaint();
  void PaintWithQt(const QRegion& region);
  void PaintOnX11(const QRegion& region);
  void OpenKeyTap();

  const QImage& image_;
  const CodePage& codePage_;
  std::function<void(int)> onChar_;
  std::function<void(const QRegion&)> onPainted_;
  QRegion marked_;                   // marked and not yet painted
  const bool onX11_;                 // painted straight to its X window, not through Qt
  std::unique_ptr<X11Painter> x11_;  // made at the first paint, once the window exists
  std::unique_ptr<X11KeyTap> tap_;   // opened after the first frame
  bool tapOpened_ = false;
  bool paintQueued_ = false;
};

}  // namespace keyrill::qt
