// Straight to the X server: the view's own X window painted with one put per dirty
// rectangle, from the back buffer, on Qt's own connection: through shared memory where
// the server takes it, else with PutImage. Qt's backing store would, before the next
// paint may touch its shared image, wait a round trip to the server: on every key.
// Platform side (Qt on X11).
#pragma once

#include <cstdint>
#include <vector>

#include "present/presenter.h"
#include "present/x11_shared_pixels.h"

namespace keyrill::present {

class X11Presenter final : public Presenter {
 public:
  X11Presenter(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth);
  ~X11Presenter() override;
  X11Presenter(const X11Presenter&) = delete;
  X11Presenter& operator=(const X11Presenter&) = delete;

  void Present(const QImage& image, const QRegion& region) override;
  bool SharesMemory() const override { return shared_ != nullptr; }

 private:
  // `rect` in device pixels.
  void Put(const QImage& image, const QRect& rect);
  void PutPart(const QImage& image, const QRect& part);
  void FillWhite(const QRect& part);
  // The shared copy for an image of `size`, or null where the server takes none.
  X11SharedPixels* SharedFor(QSize size);

  xcb_connection_t* connection_;
  std::uint32_t window_;
  std::uint32_t gc_;
  std::uint8_t depth_;
  std::uint32_t maxRequestBytes_;
  std::vector<std::uint32_t> rows_;  // a rectangle's pixels, packed row after row
  std::unique_ptr<X11SharedPixels> shared_;
  QSize sharedSize_;  // the size shared_ was last asked for
};

}  // namespace keyrill::present
