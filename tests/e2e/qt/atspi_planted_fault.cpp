// A fault planted from outside the real binary, for the AT-SPI probe to catch:
// preloaded into keyrill, it drops one kind of the events the program tells
// assistive technology (KEYRILL_DROP_EVENT=insert: typed characters; =caret: caret
// moves) and passes every other event on to Qt.
#include <dlfcn.h>

#include <QAccessible>
#include <cstdlib>
#include <string_view>

void QAccessible::updateAccessibility(QAccessibleEvent* event) {
  using Update = void (*)(QAccessibleEvent*);
  static const auto qtUpdate = reinterpret_cast<Update>(
      dlsym(RTLD_NEXT, "_ZN11QAccessible19updateAccessibilityEP16QAccessibleEvent"));
  const char* drop = std::getenv("KEYRILL_DROP_EVENT");
  const std::string_view dropped = drop != nullptr ? drop : "";
  if ((dropped == "insert" && event->type() == QAccessible::TextInserted) ||
      (dropped == "caret" && event->type() == QAccessible::TextCaretMoved)) {
    return;
  }
  qtUpdate(event);
}
