// The main window's client area on Qt: paints the dirty part of the back buffer,
// and hands key presses and committed input-method text on as character codes.
// Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "present/presenter.h"
#include "program/code_page.h"
#include "run/screen_reading.h"

namespace keyrill::qt {

class BackBufferView final : public QWidget {
 public:
  // Keys become bytes of codePage, which must outlive the view.
  BackBufferView(const QImage& image, const CodePage& codePage, QWidget* parent);
  ~BackBufferView() override;

  // Where character codes go (the router's OnChar).
  void SetCharHandler(std::function<void(int code)> handler) { onChar_ = std::move(handler); }
  // What the core shows, for the input method's caret and for assistive technology.
  void SetReader(std::function<ScreenReading()> reader) { read_ = std::move(reader); }
  ScreenReading Read() const { return read_ ? read_() : ScreenReading{}; }
  const CodePage& codePage() const { return codePage_; }
  // Called after every paint with the region just painted; lets a measuring tool
  // see when a key's cell reached the screen.
  void SetPaintObserver(std::function<void(const QRegion&)> observer) {
    onPainted_ = std::move(observer);
  }

  // Marks a part of the back buffer for repainting. What a key marks is painted and
  // sent to the screen before the key's event returns, not a loop turn later; what a
  // timer or a command marks goes out on the next turn of the loop.
  void MarkDirty(const QRect& rect);
  void MarkAllDirty();

  // The client size the main window is created with.
  QSize sizeHint() const override { return {492, 446}; }

  // With a presenter the view is a native window that Qt does not paint: no paint
  // engine.
  QPaintEngine* paintEngine() const override;

  // Whether the typing area goes out through a presenter rather than Qt's painting.
  bool Presented() const { return presented_; }
  bool PresentsThroughSharedMemory() const { return presenter_ && presenter_->SharesMemory(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  // Tab and Shift+Tab are characters here, not focus moves.
  bool focusNextPrevChild(bool next) override;

 private:
  // The codes of one key or commit, sent to the core and painted at once.
  void Type(const std::vector<int>& codes);
  void PaintMarked();
  void QueuePaint();
  void PaintWithQt(const QRegion& region);
  void Present(const QRegion& region);

  const QImage& image_;
  const CodePage& codePage_;
  std::function<void(int)> onChar_;
  std::function<ScreenReading()> read_;
  std::function<void(const QRegion&)> onPainted_;
  QRegion marked_;  // marked and not yet painted
  const bool presented_;
  std::unique_ptr<present::Presenter> presenter_;  // opened at the first paint
  bool paintQueued_ = false;
};

}  // namespace keyrill::qt
