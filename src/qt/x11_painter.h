// Straight to the X server: the view's own X window painted with one PutImage per
// dirty rectangle, from the back buffer, on Qt's own connection. Qt's backing store
// would copy the pixels once more into a shared image and, before the next paint may
// touch that image, wait a round trip to the server: on every key.
// Platform side (Qt on X11).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;

namespace keyrill::qt {

class X11Painter {
 public:
  // Whether the application is on X11 and the screen's pixels are 32-bit true colour
  // in the host's byte order, the back buffer's own layout; if not, the caller paints
  // through Qt. KEYRILL_QT_PAINT=1 says no, to compare the two ways.
  static bool Usable();
  // A painter for the X window `window`, or null when not Usable().
  static std::unique_ptr<X11Painter> ForWindow(std::uint32_t window);
  ~X11Painter();
  X11Painter(const X11Painter&) = delete;
  X11Painter& operator=(const X11Painter&) = delete;

  // Sends the part `rect` (in device pixels, clipped to the image) of `image`, a
  // Format_RGB32 image, to the same place in the window; white where the window
  // is larger than the image. Flush() sends what was put.
  void Put(const QImage& image, const QRect& rect);
  void Flush();

 private:
  X11Painter(xcb_connection_t* connection, std::uint32_t window, std::uint32_t gc,
             std::uint8_t depth, std::uint32_t maxRequestBytes);
  void PutPart(const QImage& image, const QRect& part);
  void FillWhite(const QRect& part);

  xcb_connection_t* connection_;
  std::uint32_t window_;
  std::uint32_t gc_;
  std::uint8_t depth_;
  std::uint32_t maxRequestBytes_;
  std::vector<std::uint32_t> rows_;  // a rectangle's pixels, packed row after row
};

}  // namespace keyrill::qt
