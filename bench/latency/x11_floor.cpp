// The floor for key-to-pixels on an X display: a bare single-threaded xcb program that
// answers each key press with one PutImage of a 34 x 28 cell, as Keyrill puts a
// key's cells, and does nothing else. What x11_latency measures on it is the X
// server's, the kernel's and the tool's own share, which no program can go under.
// Tool side (X11); no part of Keyrill itself.
//   x11_floor [TITLE]
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct EventDeleter {
  void operator()(xcb_generic_event_t* event) const { std::free(event); }
};
using Event = std::unique_ptr<xcb_generic_event_t, EventDeleter>;

constexpr std::uint16_t kWidth = 492, kHeight = 446, kCellW = 34, kCellH = 28;

}  // namespace

int main(int argc, char** argv) {
  const char* title = argc > 1 ? argv[1] : "x11-floor";
  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 1;
  }
  auto screens = xcb_setup_roots_iterator(xcb_get_setup(c));
  for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
  const xcb_screen_t* screen = screens.data;

  const xcb_window_t window = xcb_generate_id(c);
  const std::uint32_t values[] = {screen->white_pixel,
                                  XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_EXPOSURE};
  xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, kWidth, kHeight, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                    XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                      static_cast<std::uint32_t>(std::strlen(title)), title);
  const xcb_gcontext_t gc = xcb_generate_id(c);
  xcb_create_gc(c, gc, window, 0, nullptr);
  xcb_map_window(c, window);
  xcb_flush(c);

  // Each key paints the next cell along a row in black or white, so pixels change.
  std::vector<std::uint32_t> cell(static_cast<std::size_t>(kCellW) * kCellH);
  int column = 0, row = 2;
  bool black = true;
  while (Event event{xcb_wait_for_event(c)}) {
    if ((event->response_type & 0x7F) != XCB_KEY_PRESS) continue;
    std::fill(cell.begin(), cell.end(), black ? 0x000000u : 0xFFFFFFu);
    xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, kCellW, kCellH,
                  static_cast<std::int16_t>(column * kCellW),
                  static_cast<std::int16_t>(row * kCellH), 0, screen->root_depth,
                  static_cast<std::uint32_t>(cell.size() * 4),
                  reinterpret_cast<const std::uint8_t*>(cell.data()));
    xcb_flush(c);
    if (++column == kWidth / kCellW) {
      column = 0;
      if (++row == kHeight / kCellH) {
        row = 2;
        black = !black;
      }
    }
  }
  xcb_disconnect(c);
  return 0;
}
