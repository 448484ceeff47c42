// MIT-SHM memory for the X11 presenter. Platform side (X11).
#include "present/x11_shared_pixels.h"

#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>

#include <cstdlib>
#include <cstring>

namespace keyrill::present {

std::unique_ptr<X11SharedPixels> X11SharedPixels::Attach(xcb_connection_t* connection, QSize size) {
  const xcb_query_extension_reply_t* shm = xcb_get_extension_data(connection, &xcb_shm_id);
  if (shm == nullptr || shm->present == 0 || size.isEmpty()) return nullptr;
  const auto bytes = static_cast<std::size_t>(size.width()) * 4 * size.height();
  const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  if (id < 0) return nullptr;
  void* memory = shmat(id, nullptr, 0);
  if (memory == reinterpret_cast<void*>(-1)) {
    shmctl(id, IPC_RMID, nullptr);
    return nullptr;
  }
  // One round trip, once: the server must hold the segment before it is marked for
  // removal, and a server on another machine refuses it here.
  const std::uint32_t segment = xcb_generate_id(connection);
  xcb_generic_error_t* error = xcb_request_check(
      connection, xcb_shm_attach_checked(connection, segment, static_cast<std::uint32_t>(id), 1));
  shmctl(id, IPC_RMID, nullptr);  // freed once both sides have let go
  if (error != nullptr) {
    std::free(error);
    shmdt(memory);
    return nullptr;
  }
  return std::unique_ptr<X11SharedPixels>(
      new X11SharedPixels(connection, size, static_cast<std::uint8_t*>(memory), segment));
}

X11SharedPixels::X11SharedPixels(xcb_connection_t* connection, QSize size, std::uint8_t* memory,
                                 std::uint32_t segment)
    : connection_(connection), size_(size), memory_(memory), segment_(segment) {}

X11SharedPixels::~X11SharedPixels() {
  // The server detaches after the puts before it; our mapping may go at once.
  xcb_shm_detach(connection_, segment_);
  xcb_flush(connection_);
  shmdt(memory_);
}

void CopyPixels(const QImage& image, const QRect& part, std::uint8_t* to, std::size_t toStride) {
  const auto rowBytes = static_cast<std::size_t>(part.width()) * 4;
  const auto fromStride = static_cast<std::size_t>(image.bytesPerLine());
  if (rowBytes == toStride && rowBytes == fromStride) {
    std::memcpy(to, image.constScanLine(part.y()), rowBytes * part.height());
    return;
  }
  for (int y = part.top(); y <= part.bottom(); ++y, to += toStride) {
    std::memcpy(to, image.constScanLine(y) + part.x() * 4, rowBytes);
  }
}

void X11SharedPixels::Put(const QImage& image, const QRect& part, std::uint32_t window,
                          std::uint32_t gc, std::uint8_t depth) {
  const auto stride = static_cast<std::size_t>(size_.width()) * 4;
  CopyPixels(image, part,
             memory_ + static_cast<std::size_t>(part.y()) * stride +
                 static_cast<std::size_t>(part.x()) * 4,
             stride);
  xcb_shm_put_image(
      connection_, window, gc, static_cast<std::uint16_t>(size_.width()),
      static_cast<std::uint16_t>(size_.height()), static_cast<std::uint16_t>(part.x()),
      static_cast<std::uint16_t>(part.y()), static_cast<std::uint16_t>(part.width()),
      static_cast<std::uint16_t>(part.height()), static_cast<std::int16_t>(part.x()),
      static_cast<std::int16_t>(part.y()), depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, segment_, 0);
}

}  // namespace keyrill::present
