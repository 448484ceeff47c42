// Keyrill's entry on Qt: one application, one main window, the event loop.
// Platform side (Qt).
#include <QApplication>

#include "qt/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("keyrill"));
  QGuiApplication::setDesktopFileName(QStringLiteral("keyrill"));
  keyrill::qt::MainWindow window;
  window.show();
  return QApplication::exec();
}
