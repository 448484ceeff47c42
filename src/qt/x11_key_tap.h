// Keys for the typing area read on a second X connection, which the main thread's
// event loop watches itself. Qt reads X events on a thread of its own and hands each
// to the main thread, a wake-up that costs more than the rest of a key's way to the
// screen; a plain press read here is typed and painted before Qt has it, and Qt's
// copy is dropped. Everything else (dead keys and what they compose, Ctrl and Alt,
// Enter, Backspace, keys while a menu or dialog is up) is left to Qt, and keys after
// such a key wait for Qt, so the order of keys never changes.
// Platform side (Qt on X11).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace keyrill::qt {

class X11KeyTap final : public QAbstractNativeEventFilter {
 public:
  struct Hooks {
    std::function<bool()> mayType;             // the typing area has the keyboard
    std::function<void(const QString&)> type;  // types (and paints) a key's text
  };
  // Reads the keys of the top-level window and the view's window, both Qt's. Null
  // when not on X11, when an input method other than dead keys and Compose is in
  // use, or when KEYRILL_KEY_TAP=0 says not to; then Qt alone reads the keys.
  static std::unique_ptr<X11KeyTap> Open(std::uint32_t topLevel, std::uint32_t view, Hooks hooks);
  ~X11KeyTap() override;
  X11KeyTap(const X11KeyTap&) = delete;
  X11KeyTap& operator=(const X11KeyTap&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  // How many presses were typed from here, ahead of Qt.
  int TypedAhead() const;

  struct State;

 private:
  explicit X11KeyTap(std::unique_ptr<State> state);
  void Read();

  std::unique_ptr<State> state_;
};

}  // namespace keyrill::qt
