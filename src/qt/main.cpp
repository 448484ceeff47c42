// Keyrill's entry on Qt: one application, one main window, the event loop.
// Platform side (Qt).
#include <QApplication>
#include <csignal>
#include <future>

#include "qt/main_window.h"
#include "qt/start_up.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // A file size limit met by a save must fail that write (EFBIG), which the dialog
  // reports, instead of ending the program with the user's text in it.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  keyrill::qt::PrepareQtStartUp();
  QApplication app(argc, argv);
  // The icon's PNG is decoded on a second thread while the window loads its fonts:
  // the first frame need not wait for it. (Not before the application exists: the
  // first thread to touch Qt becomes its main thread.)
  auto icon = std::async(std::launch::async, keyrill::qt::LoadWindowIcon);
  QApplication::setApplicationName(QStringLiteral("keyrill"));
  QGuiApplication::setDesktopFileName(QStringLiteral("keyrill"));
  int status = 0;
  {
    keyrill::qt::MainWindow window([&icon] { return icon.get(); });
    window.show();
    status = QApplication::exec();
  }
  return keyrill::qt::EndingStatus(status);
}
