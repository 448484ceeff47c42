// Straight to the X server: the view's own X window painted with one PutImage per
// dirty rectangle, from the back buffer, on Qt's own connection. Qt's backing store
// would copy the pixels once more into a shared image and, before the next paint may
// touch that image, wait a round trip to the server: on every key.
// Platform side (Qt on X11).
#pragma once

#include <cstdint>
#include <vector>

#include "present/presenter.h"

struct xcb_connection_t;

namespace keyrill::present {

class X11Presenter final : public Presenter {
 public:
  X11Presenter(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth);
  ~X11Presenter() override;
  X11Presenter(const X11Presenter&) = delete;
  X11Presenter& operator=(const X11Presenter&) = delete;

  void Present(const QImage& image, const QRegion& region) override;

 private:
  // `rect` in device pixels.
  void Put(const QImage& image, const QRect& rect);
  void PutPart(const QImage& image, const QRect& part);
  void FillWhite(const QRect& part);

  xcb_connection_t* connection_;
  std::uint32_t window_;
  std::uint32_t gc_;
  std::uint8_t depth_;
  std::uint32_t maxRequestBytes_;
  std::vector<std::uint32_t> rows_;  // a rectangle's pixels, packed row after row
};

}  // namespace keyrill::present
