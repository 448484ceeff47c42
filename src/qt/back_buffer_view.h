// The main window's client area on Qt: owns the back buffer the core draws into and
// its dirty region, takes the core's invalidations, and hands key presses and
// committed input-method text straight to the router as character codes.
// Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/main_window_layout.h"
#include "present/presenter.h"
#include "program/code_page.h"
#include "program/host.h"
#include "qt/image_surface.h"
#include "run/screen_reading.h"

namespace keyrill {
struct Program;
}

namespace keyrill::qt {

class BackBufferView final : public QWidget {
 public:
  // Keys become bytes of codePage and go to program; both must outlive the view. The
  // program may still be under construction: the view only keeps the reference until
  // the first event.
  BackBufferView(const CodePage& codePage, Program& program, QWidget* parent);
  ~BackBufferView() override;

  // The back buffer the core draws into, and its image.
  Surface& surface() { return surface_; }
  const QImage& image() const { return surface_.image(); }
  // Makes the back buffer white at the view's present size, at its device pixel
  // ratio; the size is the client area from here on.
  QSize CreateBackBuffer();

  // The core's invalidations (through the main window, its Host). What a key marks is
  // painted and sent to the screen before the key's event returns, not a loop turn
  // later; what a timer or a command marks goes out on the next turn of the loop.
  void Invalidate(const Rect& rect);
  void InvalidateAll();

  // Measuring hooks: each code just before it reaches the router, and the region just
  // painted, so a tool can tell what the core got and when a key's cell was shown.
  void SetCharObserver(std::function<void(int code)> observer) { onChar_ = std::move(observer); }
  void SetPaintObserver(std::function<void(const QRegion&)> observer) {
    onPainted_ = std::move(observer);
  }

  // What the core shows, for the input method's caret and for assistive technology.
  ScreenReading Read() const;
  const CodePage& codePage() const { return codePage_; }

  // The client size the main window is created with.
  QSize sizeHint() const override { return {kClientWidth, kClientHeight}; }

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
  void MarkDirty(const QRect& rect);
  void PaintMarked();
  void QueuePaint();
  void PaintWithQt(const QRegion& region);
  void Present(const QRegion& region);

  const CodePage& codePage_;
  Program& program_;
  ImageSurface surface_;
  std::function<void(int)> onChar_;
  std::function<void(const QRegion&)> onPainted_;
  QRegion marked_;  // marked and not yet painted
  const bool presented_;
  std::unique_ptr<present::Presenter> presenter_;  // opened at the first paint
  bool paintQueued_ = false;
};

}  // namespace keyrill::qt
