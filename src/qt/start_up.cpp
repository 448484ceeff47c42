// Platform side (Qt).
#include "qt/start_up.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace keyrill::qt {
namespace {

void SetUnlessSet(const char* name, const char* value) {
  if (!qEnvironmentVariableIsSet(name)) qputenv(name, QByteArray(value));
}

}  // namespace

void PrepareQtStartUp() {
  // Qt's IBus context answers a key at once when IBus has already replied, while an
  // earlier key still waits for its reply: under load two keys then reach the window
  // swapped. Waiting for each reply keeps them in the order typed.
  SetUnlessSet("IBUS_ENABLE_SYNC_MODE", "1");
  // Qt's own event dispatcher wakes the main thread for a key sooner than GLib's
  // (scripts/latency.sh).
  SetUnlessSet("QT_NO_GLIB", "1");
}

int EndingStatus(int status) {
  if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}

}  // namespace keyrill::qt
