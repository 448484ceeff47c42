// Plain presses read on a connection of our own, ahead of Qt. Platform side (Qt on X11).
#include "qt/x11_key_tap.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <cstdlib>
#include <cstring>

#include "qt/key_stream_merge.h"

#if defined(KEYRILL_XKB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
// xkb.h names a field `explicit`, a C++ keyword.
#define explicit explicit_field
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon-x11.h>
#define KEYRILL_X11_KEY_TAP 1
#endif

namespace keyrill::qt {

#ifdef KEYRILL_X11_KEY_TAP
namespace {

template <auto Free>
struct Deleter {
  template <typename T>
  void operator()(T* p) const {
    Free(p);
  }
};
using Connection = std::unique_ptr<xcb_connection_t, Deleter<xcb_disconnect>>;
using Context = std::unique_ptr<xkb_context, Deleter<xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Deleter<xkb_keymap_unref>>;
using KeyState = std::unique_ptr<xkb_state, Deleter<xkb_state_unref>>;
using ComposeTable = std::unique_ptr<xkb_compose_table, Deleter<xkb_compose_table_unref>>;
using ComposeState = std::unique_ptr<xkb_compose_state, Deleter<xkb_compose_state_unref>>;
// xcb hands out events and replies from malloc.
struct FreeMalloced {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Malloced = std::unique_ptr<T, FreeMalloced>;
using Event = Malloced<xcb_generic_event_t>;

// Modifiers that make a key a command or a system key: Ctrl, Alt, Super.
constexpr std::uint16_t kCommandModifiers = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

KeyEventId IdOf(const xcb_key_press_event_t& e) {
  return {static_cast<std::uint8_t>(e.response_type & 0x7F),
          e.detail,
          e.state,
          e.time,
          e.event,
          e.root_x,
          e.root_y};
}

bool IsModifier(xkb_keysym_t sym) {
  return (sym >= XKB_KEY_Shift_L && sym <= XKB_KEY_Hyper_R) ||
         (sym >= XKB_KEY_ISO_Lock && sym <= XKB_KEY_ISO_Level5_Lock) ||
         sym == XKB_KEY_Mode_switch || sym == XKB_KEY_Num_Lock;
}

// Qt on X11 composes dead keys and Compose sequences itself unless an input method
// module is named; with one (IBus, Fcitx), keys go to it and must all go through Qt.
bool QtComposesItself() {
  const char* module = std::getenv("QT_IM_MODULE");
  return module == nullptr || *module == '\0' || std::strcmp(module, "compose") == 0;
}

// The locale whose Compose table Qt loads.
const char* ComposeLocale() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

// Whether a window of ours is one that Qt already reads keys from: selecting keys on
// a window nobody else reads them on would stop them reaching the window above it.
bool QtReadsKeysOn(xcb_connection_t* connection, std::uint32_t window) {
  const Malloced<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
      connection, xcb_get_window_attributes(connection, window), nullptr));
  return reply && (reply->all_event_masks & XCB_EVENT_MASK_KEY_PRESS) != 0;
}

}  // namespace

struct X11KeyTap::State {
  Connection connection;
  std::uint32_t topLevel = 0;
  std::uint32_t view = 0;
  Hooks hooks;
  std::uint8_t xkbEvent = 0;
  std::int32_t device = -1;
  Context context;
  Keymap keymap;
  KeyState keys;
  ComposeTable composeTable;
  ComposeState compose;  // follows Qt's own compose state, key for key
  std::unique_ptr<QSocketNotifier> notifier;
  KeyStreamMerge merge;
  int typedAhead = 0;
  bool stopped = false;  // no keymap: Qt alone types

  bool LoadKeymap() {
    Keymap map(xkb_x11_keymap_new_from_device(context.get(), connection.get(), device,
                                              XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!map) return false;
    KeyState state(xkb_state_new(map.get()));
    if (!state) return false;
    keymap = std::move(map);
    keys = std::move(state);
    return true;
  }

  // Feeds a press to the compose mirror; true when it takes part in a sequence (or
  // ends one), which only Qt may finish.
  bool Composes(xkb_keysym_t sym) {
    if (!compose) return false;
    const bool idle = xkb_compose_state_get_status(compose.get()) == XKB_COMPOSE_NOTHING;
    xkb_compose_state_feed(compose.get(), sym);
    const xkb_compose_status status = xkb_compose_state_get_status(compose.get());
    if (status == XKB_COMPOSE_COMPOSED || status == XKB_COMPOSE_CANCELLED) {
      xkb_compose_state_reset(compose.get());
    }
    return !idle || status != XKB_COMPOSE_NOTHING;
  }

  void OnKey(const xcb_key_press_event_t& e) {
    // The event's state holds the modifiers and the layout group as they were.
    xkb_state_update_mask(keys.get(), e.state & 0xFF, 0, 0, 0, 0, (e.state >> 13) & 3);
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(keys.get(), e.detail);
    auto want = KeyStreamMerge::Want::kQt;
    char32_t character = 0;
    if ((e.response_type & 0x7F) == XCB_KEY_PRESS) {
      character = xkb_state_key_get_utf32(keys.get(), e.detail);
      const bool composes = Composes(sym);
      const bool plain =
          character >= 0x20 && character != 0x7F && (e.state & kCommandModifiers) == 0;
      if (plain && !composes && !stopped && hooks.mayType()) want = KeyStreamMerge::Want::kType;
    } else if (!IsModifier(sym)) {
      // A release changes nothing here, but a modifier's may (Alt's, to the menu bar).
      want = KeyStreamMerge::Want::kQtNoWait;
    }
    if (!merge.FromDirect(IdOf(e), want)) return;
    ++typedAhead;
    hooks.type(QString::fromUcs4(&character, 1));
  }
};

std::unique_ptr<X11KeyTap> X11KeyTap::Open(std::uint32_t topLevel, std::uint32_t view,
                                           Hooks hooks) {
  if (const char* tap = std::getenv("KEYRILL_KEY_TAP"); tap != nullptr && *tap == '0') {
    return nullptr;
  }
  if (qGuiApp == nullptr ||
      qGuiApp->nativeInterface<QNativeInterface::QX11Application>() == nullptr ||
      !QtComposesItself()) {
    return nullptr;
  }
  auto state = std::make_unique<State>();
  state->connection.reset(xcb_connect(nullptr, nullptr));
  xcb_connection_t* connection = state->connection.get();
  if (xcb_connection_has_error(connection) != 0) return nullptr;
  if (xkb_x11_setup_xkb_extension(
          connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
          XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &state->xkbEvent, nullptr) == 0) {
    return nullptr;
  }
  state->device = xkb_x11_get_core_keyboard_device_id(connection);
  state->context.reset(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
  if (state->device < 0 || !state->context || !state->LoadKeymap()) return nullptr;
  state->composeTable.reset(xkb_compose_table_new_from_locale(state->context.get(), ComposeLocale(),
                                                              XKB_COMPOSE_COMPILE_NO_FLAGS));
  if (state->composeTable) {
    state->compose.reset(
        xkb_compose_state_new(state->composeTable.get(), XKB_COMPOSE_STATE_NO_FLAGS));
  }

  // A new layout (setxkbmap, a layout switch in the desktop) reloads the keymap.
  const std::uint16_t xkbEvents =
      XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY;
  const std::uint16_t mapParts =
      XCB_XKB_MAP_PART_KEY_TYPES | XCB_XKB_MAP_PART_KEY_SYMS | XCB_XKB_MAP_PART_MODIFIER_MAP |
      XCB_XKB_MAP_PART_EXPLICIT_COMPONENTS | XCB_XKB_MAP_PART_KEY_ACTIONS |
      XCB_XKB_MAP_PART_VIRTUAL_MODS | XCB_XKB_MAP_PART_VIRTUAL_MOD_MAP;
  xcb_xkb_select_events_details_t details{};
  details.affectNewKeyboard = XCB_XKB_NKN_DETAIL_KEYCODES;
  details.newKeyboardDetails = XCB_XKB_NKN_DETAIL_KEYCODES;
  xcb_xkb_select_events_aux(connection, static_cast<xcb_xkb_device_spec_t>(state->device),
                            xkbEvents, 0, 0, mapParts, mapParts, &details);

  bool reading = false;
  for (const std::uint32_t window : {topLevel, view}) {
    if (window == 0 || !QtReadsKeysOn(connection, window)) continue;
    const std::uint32_t mask = XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE |
                               (window == topLevel ? XCB_EVENT_MASK_FOCUS_CHANGE : 0);
    const Malloced<xcb_generic_error_t> error(xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, window, XCB_CW_EVENT_MASK, &mask)));
    reading = reading || !error;
  }
  if (!reading) return nullptr;

  state->topLevel = topLevel;
  state->view = view;
  state->hooks = std::move(hooks);
  state->notifier =
      std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection), QSocketNotifier::Read);
  std::unique_ptr<X11KeyTap> tap(new X11KeyTap(std::move(state)));
  QObject::connect(tap->state_->notifier.get(), &QSocketNotifier::activated,
                   [raw = tap.get()] { raw->Read(); });
  QCoreApplication::instance()->installNativeEventFilter(tap.get());
  tap->Read();  // events that came in with the replies above
  return tap;
}

X11KeyTap::X11KeyTap(std::unique_ptr<State> state) : state_(std::move(state)) {}

X11KeyTap::~X11KeyTap() {
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

void X11KeyTap::Read() {
  xcb_connection_t* connection = state_->connection.get();
  while (Event event{xcb_poll_for_event(connection)}) {
    const std::uint8_t type = event->response_type & 0x7F;
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
      state_->OnKey(*reinterpret_cast<const xcb_key_press_event_t*>(event.get()));
    } else if (type == XCB_FOCUS_IN && state_->compose) {
      // Keys typed elsewhere (a dialog) may have left Qt mid-sequence; it starts over.
      xkb_compose_state_reset(state_->compose.get());
    } else if (type == state_->xkbEvent && state_->xkbEvent != 0) {
      if (!state_->LoadKeymap()) state_->stopped = true;
    }
  }
  if (xcb_connection_has_error(connection) != 0) state_->notifier->setEnabled(false);
}

bool X11KeyTap::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  const std::uint8_t type = event->response_type & 0x7F;
  if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
  const auto& key = *reinterpret_cast<const xcb_key_press_event_t*>(event);
  if (key.event != state_->topLevel && key.event != state_->view) return false;
  return state_->merge.FromQt(IdOf(key));
}

int X11KeyTap::TypedAhead() const {
  return state_->typedAhead;
}

#else

struct X11KeyTap::State {};

std::unique_ptr<X11KeyTap> X11KeyTap::Open(std::uint32_t, std::uint32_t, Hooks) {
  return nullptr;
}
X11KeyTap::X11KeyTap(std::unique_ptr<State> state) : state_(std::move(state)) {}
X11KeyTap::~X11KeyTap() = default;
void X11KeyTap::Read() {}
bool X11KeyTap::nativeEventFilter(const QByteArray&, void*, qintptr*) {
  return false;
}
int X11KeyTap::TypedAhead() const {
  return 0;
}

#endif

}  // namespace keyrill::qt
