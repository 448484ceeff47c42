// A copy of the back buffer in memory the X server reads itself (MIT-SHM), so that a
// big rectangle (a new page, the statistics bar) reaches the window without passing
// through the socket. Pixels are copied in at the back buffer's own coordinates, and
// never waited for: a put the server has not yet read may then show newer pixels of
// the same place, which the put that follows shows again, so the window always ends
// right. Platform side (X11).
#pragma once

#include <xcb/xcb.h>

#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <memory>

namespace keyrill::present {

// Copies `part` of `image` (Format_RGB32) to `to`, `toStride` bytes a row: one copy
// when both are whole rows alike, else a row at a time.
void CopyPixels(const QImage& image, const QRect& part, std::uint8_t* to, std::size_t toStride);

class X11SharedPixels {
 public:
  // Memory for an image of `size` device pixels, 32 bits each, attached to the
  // server; null where the server has no MIT-SHM or cannot attach (a remote display).
  static std::unique_ptr<X11SharedPixels> Attach(xcb_connection_t* connection, QSize size);
  ~X11SharedPixels();
  X11SharedPixels(const X11SharedPixels&) = delete;
  X11SharedPixels& operator=(const X11SharedPixels&) = delete;

  // Copies `part` (inside the attached size) of `image` in and asks the server to put it to the
  // same place in `window`.
  void Put(const QImage& image, const QRect& part, std::uint32_t window, std::uint32_t gc,
           std::uint8_t depth);

 private:
  X11SharedPixels(xcb_connection_t* connection, QSize size, std::uint8_t* memory,
                  std::uint32_t segment);

  xcb_connection_t* connection_;
  QSize size_;
  std::uint8_t* memory_;  // shmat's mapping, size_ rows of width × 4 bytes
  std::uint32_t segment_;
};

}  // namespace keyrill::present
