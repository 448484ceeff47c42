// Keyrill's entry on Qt: one application, one main window, the event loop.
// Platform side (Qt).
#include <QApplication>
#include <csignal>

#include "qt/main_window.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // A file size limit met by a save must fail that write (EFBIG), which the dialog
  // reports, instead of ending the program with the user's text in it.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("keyrill"));
  QGuiApplication::setDesktopFileName(QStringLiteral("keyrill"));
  keyrill::qt::MainWindow window;
  window.show();
  return QApplication::exec();
}
