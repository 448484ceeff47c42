// The Qt main window, Keyrill's Linux platform layer. Platform side (Qt); the core
// (src/program, src/library, src/results, src/run, src/app) holds every rule.
//
// What the Qt layer provides, and what it does not:
//  [x] Main window, its title, place, object name (the class) and client area
//      below the menu bar from app/main_window_layout.h, measured once.
//                                                                   main_window.cpp
//  [x] File menu and the seven Ctrl accelerators from the core's tables, as
//      QActions; a menu command and its accelerator reach one router call.
//                                                                   main_window.cpp
//  [x] One way for a key: the view takes Qt's key and input-method events, hands
//      the codes to the router, and shows what the core marked in the back buffer
//      it owns; this window is menus, timers and dialogs, and passes the core's
//      invalidations to the view.              back_buffer_view.cpp, main_window.cpp
//  [x] Back buffer: a QImage with the device pixel ratio, owned by the view with its
//      dirty region; only the dirty rectangle is copied to the screen: through a
//      presenter where one applies (X11: src/present), elsewhere painted through Qt.
//                                          image_surface.cpp, back_buffer_view.cpp
//  [x] Each byte drawn as the core's cell rule says (program/cell_shape.h): a CR
//      blank, other control codes "^X" in small type in their cell.
//                                                                 image_surface.cpp
//  [x] The locale's code page, its table from iconv, handed to the core.
//                                                               locale_code_page.cpp
//  [x] Characters from Qt's key presses and input-method commits, in the order Qt
//      delivers them, as the code page's bytes; control codes as a Win32 window
//      would see them. No other way in: dead keys, Compose and input methods are
//      Qt's.                                                     key_translation.cpp
//  [x] Timers 1 (cursor) and 2 (statistics) as QTimers.            main_window.cpp
//  [x] Select Test, Add Test, Edit Test and Report sized from their templates'
//      dialog units; a save that fails is told and the dialog keeps the text.
//                 select_dialog.cpp, entry_dialog.cpp, report_dialog.cpp
//  [x] Fatal "Error" box, then exit status 1.                      main_window.cpp
//  [x] Assistive technology: the typing area as accessible text with its caret and
//      events, the bar as a status bar, a new line spoken as a notification; the
//      input method's window at the caret's cell.   typing_area_access.cpp
//  [ ] Re-measuring on resize: the layout is fixed at creation, by design.
//  [ ] Settings, command-line options: none, as on Windows.
#include "qt/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QTimer>
#include <clocale>
#include <cstdlib>

#include "app/commands.h"
#include "app/main_window_layout.h"
#include "app/router.h"
#include "qt/back_buffer_view.h"
#include "qt/code_page_text.h"
#include "qt/entry_dialog.h"
#include "qt/locale_code_page.h"
#include "qt/report_dialog.h"
#include "qt/select_dialog.h"
#include "qt/typing_area_access.h"
#include "run/screen.h"

namespace keyrill::qt {

MainWindow::MainWindow(const std::function<QImage()>& icon)
    : codePage_(MakeCodePage(CodePageFromEnvironment())),
      view_(new BackBufferView(codePage_, program_, this)),
      program_(view_->surface(), *this, clock_, codePage_, kLibraryFileName) {
  // Qt sets the process's locale from the environment; the core formats its figures
  // with printf, and "129.4" must not become "129,4" in a Russian or French locale.
  std::setlocale(LC_NUMERIC, "C");
  setObjectName(QString::fromLatin1(kWindowClass));
  setWindowTitle(QString::fromLatin1(kWindowTitle));
  setWindowIcon(QIcon(QPixmap::fromImage(icon())));
  setCentralWidget(view_);
  InstallAccessibleFactory();
  AddAccessibleObjects(*this, *view_);
  CreateMenus();
  CreateAccelerators();
  move(kWindowX, kWindowY);
  MeasureClientArea();
  view_->setFocus();
}

MainWindow::~MainWindow() = default;

const QImage& MainWindow::backBuffer() const {
  return view_->image();
}

QImage LoadWindowIcon() {
  return QImage(QStringLiteral(":/keyrill.png"), "PNG");
}

void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QString::fromLatin1(kFileMenuTitle));
  for (const MenuEntry& entry : kFileMenu) {
    if (entry.text == nullptr) {
      file->addSeparator();
      continue;
    }
    // The text after "\t" is shown as the shortcut; the key itself is the
    // accelerator's, so the action gets no key sequence of its own.
    QAction* action = file->addAction(QString::fromLatin1(entry.text));
    action->setData(entry.command);
    const int command = entry.command;
    connect(action, &QAction::triggered, this, [this, command] { Command(command); });
  }
}

void MainWindow::CreateAccelerators() {
  for (const AcceleratorEntry& entry : kAccelerators) {
    const auto key = static_cast<Qt::Key>(entry.key);  // Qt::Key_A is 'A'
    auto* shortcut = new QShortcut(QKeySequence(QKeyCombination(Qt::ControlModifier, key)), this);
    // Only while the main window is the active window: a modal dialog switches them off.
    shortcut->setContext(Qt::WindowShortcut);
    const int command = entry.command;
    connect(shortcut, &QShortcut::activated, this, [this, command] { Command(command); });
  }
}

void MainWindow::Command(int command) {
  const TypingAreaChange change(*view_);
  OnCommand(program_, command);
}

void MainWindow::MeasureClientArea() {
  // Size the window so the client below the menu bar is the view's size hint, lay it
  // out, and read the size it really got: that is the client area, fixed from here on.
  const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
  const QSize client = view_->sizeHint();
  resize(client.width(), client.height() + menuHeight);
  if (layout() != nullptr) layout()->activate();
  const QSize measured = view_->CreateBackBuffer();
  MeasureLayout(program_, measured.width(), measured.height());
}

// The view owns the back buffer and its dirty region, so the core's invalidations
// are its own. Every pixel comes from the back buffer: erasing first changes nothing.
void MainWindow::Invalidate(const Rect& rect, bool /*erase*/) {
  view_->Invalidate(rect);
}

void MainWindow::InvalidateAll(bool /*erase*/) {
  view_->InvalidateAll();
}

void MainWindow::StartTimer(int id, int periodMs) {
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(program_, id); });
  }
  timer->start(periodMs);  // starting a running timer restarts its period
}

void MainWindow::StopTimer(int id) {
  const auto found = timers_.find(id);
  if (found != timers_.end()) found->second->stop();
}

void MainWindow::CloseMainWindow() {
  close();
}

void MainWindow::ShowSelectTest() {
  SelectTestDialog dialog(program_, *this);
  dialog.exec();
}

void MainWindow::ShowAddTest() {
  TestEntryDialog dialog(program_, *this, EntryKind::Add);
  dialog.exec();
}

void MainWindow::ShowEditTest() {
  TestEntryDialog dialog(program_, *this, EntryKind::Edit);
  dialog.exec();
}

void MainWindow::ShowReport(const ReportTexts& texts) {
  ReportDialog dialog(texts, *this);
  dialog.exec();
}

void MainWindow::FatalError(const char* text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), DecodeBytes(text, codePage_),
                  QMessageBox::Ok, this);
  box.exec();
  std::exit(1);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window goes away: no tick may reach the program after it.
  for (auto& [id, timer] : timers_) timer->stop();
  event->accept();
}

}  // namespace keyrill::qt
