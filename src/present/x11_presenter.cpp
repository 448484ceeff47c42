// Regions of the back buffer into the view's X window: through memory shared with
// the server where it takes it, else with PutImage. Platform side (Qt on X11).
#include "present/x11_presenter.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace keyrill::present {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFu;
constexpr std::uint32_t kRequestHeaderBytes = 24;  // PutImage's fixed part

xcb_connection_t* QtConnection() {
  const auto* x11 =
      qGuiApp == nullptr ? nullptr : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 == nullptr ? nullptr : x11->connection();
}

bool HostIsLittleEndian() {
  const std::uint32_t one = 1;
  unsigned char first = 0;
  std::memcpy(&first, &one, 1);
  return first == 1;
}

// Are the default screen's pixels laid out as a Format_RGB32 image's are: 32 bits a
// pixel, x8r8g8b8, in the host's byte order? Qt gives an opaque window the root visual.
bool PixelsMatchRgb32(const xcb_setup_t* setup, const xcb_screen_t* screen) {
  const bool little = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
  if (little != HostIsLittleEndian() || screen->root_depth != 24) return false;
  bool thirtyTwoBits = false;
  for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0; xcb_format_next(&f)) {
    if (f.data->depth == 24) thirtyTwoBits = f.data->bits_per_pixel == 32;
  }
  if (!thirtyTwoBits) return false;
  for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem > 0; xcb_depth_next(&d)) {
    if (d.data->depth != 24) continue;
    for (auto v = xcb_depth_visuals_iterator(d.data); v.rem > 0; xcb_visualtype_next(&v)) {
      if (v.data->visual_id != screen->root_visual) continue;
      return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xFF0000u &&
             v.data->green_mask == 0xFF00u && v.data->blue_mask == 0xFFu;
    }
  }
  return false;
}

}  // namespace

bool PresenterAvailable() {
  if (const char* on = std::getenv("KEYRILL_X11_PRESENTER"); on != nullptr && *on == '0') {
    return false;
  }
  xcb_connection_t* connection = QtConnection();
  if (connection == nullptr) return false;
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
  return screens.rem > 0 && PixelsMatchRgb32(setup, screens.data);
}

std::unique_ptr<Presenter> OpenPresenter(WId window) {
  if (window == 0 || !PresenterAvailable()) return nullptr;
  xcb_connection_t* connection = QtConnection();
  const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  return std::make_unique<X11Presenter>(connection, static_cast<std::uint32_t>(window),
                                        screens.data->root_depth);
}

X11Presenter::X11Presenter(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth)
    : connection_(connection),
      window_(window),
      gc_(xcb_generate_id(connection)),
      depth_(depth),
      maxRequestBytes_(xcb_get_maximum_request_length(connection) * 4) {
  const std::uint32_t values[] = {kWhite, 0};  // foreground; no GraphicsExpose events
  xcb_create_gc(connection_, gc_, window_, XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, values);
}

X11Presenter::~X11Presenter() {
  shared_.reset();
  xcb_free_gc(connection_, gc_);
  xcb_flush(connection_);
}

void X11Presenter::Put(const QImage& image, const QRect& rect) {
  const QRect imageRect = image.rect();
  const QRect inside = rect & imageRect;
  if (!inside.isEmpty()) PutPart(image, inside);
  // A window grown past its creation size shows white there. (A key's cells are
  // always inside: no regions made on its way.)
  if (imageRect.contains(rect)) return;
  for (const QRect& outside : QRegion(rect).subtracted(QRegion(imageRect))) FillWhite(outside);
}

void X11Presenter::Present(const QImage& image, const QRegion& region) {
  const qreal ratio = image.devicePixelRatio();
  for (const QRect& rect : region) {
    // Logical to device pixels, rounded outwards so no edge pixel is left behind.
    const QRectF device(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                        rect.height() * ratio);
    Put(image, device.toAlignedRect());
  }
  xcb_flush(connection_);
}

X11SharedPixels* X11Presenter::SharedFor(QSize size) {
  if (size != sharedSize_) {
    shared_.reset();
    shared_ = X11SharedPixels::Attach(connection_, size);
    sharedSize_ = size;
  }
  return shared_.get();
}

void X11Presenter::PutPart(const QImage& image, const QRect& part) {
  if (X11SharedPixels* shared = SharedFor(image.size())) {
    shared->Put(image, part, window_, gc_, depth_);
    return;
  }
  const auto rowBytes = static_cast<std::uint32_t>(part.width()) * 4;
  // As many rows a request as the server takes.
  const int band = static_cast<int>(
      std::max<std::uint32_t>(1, (maxRequestBytes_ - kRequestHeaderBytes) / rowBytes));
  const bool wholeRows = part.x() == 0 && part.width() == image.width() &&
                         static_cast<std::uint32_t>(image.bytesPerLine()) == rowBytes;
  for (int top = part.top(); top <= part.bottom(); top += band) {
    const int rows = std::min(band, part.bottom() + 1 - top);
    const auto bytes = rowBytes * static_cast<std::uint32_t>(rows);
    const std::uint8_t* data = image.constScanLine(top) + part.x() * 4;
    if (!wholeRows) {
      // A narrow rectangle (a key's cells): its rows packed one after another.
      rows_.resize(static_cast<std::size_t>(bytes / 4));
      CopyPixels(image, QRect(part.x(), top, part.width(), rows),
                 reinterpret_cast<std::uint8_t*>(rows_.data()), rowBytes);
      data = reinterpret_cast<const std::uint8_t*>(rows_.data());
    }
    xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_,
                  static_cast<std::uint16_t>(part.width()), static_cast<std::uint16_t>(rows),
                  static_cast<std::int16_t>(part.x()), static_cast<std::int16_t>(top), 0, depth_,
                  bytes, data);
  }
}

void X11Presenter::FillWhite(const QRect& part) {
  const xcb_rectangle_t box{
      static_cast<std::int16_t>(part.x()), static_cast<std::int16_t>(part.y()),
      static_cast<std::uint16_t>(part.width()), static_cast<std::uint16_t>(part.height())};
  xcb_poly_fill_rectangle(connection_, window_, gc_, 1, &box);
}

}  // namespace keyrill::present
