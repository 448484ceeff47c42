// Helpers for driving the real Qt main window in tests: a fresh working directory
// and window per test, finding a modal dialog from inside its own loop, reading the back
// buffer's pixels and the run's lines. Test side (Qt).
#pragma once

#include <QDialog>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "program/program.h"
#include "qt/main_window.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace keyrill::qt::test {

// A temporary working directory made current for the test's life, optionally
// holding a copy of the sample library; the previous directory comes back after.
class WorkDir {
 public:
  explicit WorkDir(bool withSample);
  // Puts a copy of the sample library in as tests.tst.
  void AddSample() const;
  QString Path(const QString& name) const {
    return QString::fromStdString(work_.Dir().File(name.toStdString()));
  }
  std::filesystem::path Library() const { return work_.Dir().Library(); }

 private:
  support::WorkingDir work_;
};

// A QtTest class whose test functions each start from a fresh working directory of
// their own, made current (with a copy of the sample library if asked), and the main
// window open on it: made before each by init(), dropped after it by cleanup(). The
// window reads tests.tst only when a command needs it, so a test may write its
// library after the window opened.
class WindowTests : public QObject {
  Q_OBJECT

 public:
  explicit WindowTests(bool withSample = false) : withSample_(withSample) {}

 protected:
  // Starts afresh within a test function; false: the window did not become active.
  bool OpenFresh(bool withSample = false);
  MainWindow& window() { return open_->window; }
  const WorkDir& dir() const { return open_->dir; }

 private Q_SLOTS:
  void init();
  void cleanup();

 private:
  struct Open {
    explicit Open(bool withSample) : dir(withSample) {}
    WorkDir dir;
    MainWindow window;
  };
  bool withSample_;
  std::optional<Open> open_;
};

// Which dialog a poll waits for, and its name for a message when none came.
struct DialogMatch {
  QString what;
  std::function<bool(const QDialog&)> matches;
};
DialogMatch Named(const QString& objectName);
DialogMatch AnyMessageBox();

// The first visible top-level dialog that matches, or null.
QDialog* FindDialog(const DialogMatch& matches);
QDialog* FindDialog(const QString& objectName);

// Runs action on the first matching dialog once it is open (so from inside its
// modal loop) and sets *ran; gives up after timeoutMs with a warning naming it, or
// quietly once the caller no longer holds ran (so no poll outlives its test).
void WhenDialogOpens(DialogMatch matches, std::function<void(QDialog&)> action,
                     std::shared_ptr<bool> ran, int timeoutMs = 3000);
void WhenDialogOpens(const QString& objectName, std::function<void(QDialog&)> action,
                     std::shared_ptr<bool> ran, int timeoutMs = 3000);

// For as long as it lives, runs action on every matching dialog that is open (the
// action should close it): for dialogs that may open any number of times, or must
// not open at all, each handled so that nothing waits on it.
class DialogWatch {
 public:
  DialogWatch(DialogMatch matches, std::function<void(QDialog&)> action);

 private:
  QTimer timer_;
};

// Shows the window and waits until it is exposed and active (accelerators need it).
bool OpenWindow(MainWindow& window);

// Presses Ctrl+letter on the main window, as the user does for a command.
void PressAccelerator(MainWindow& window, char letter);

// Presses Ctrl+letter and runs action on the named dialog it opens, from inside the
// dialog's modal loop, within WhenDialogOpens's bound. Returns whether it opened.
bool ThroughDialog(MainWindow& window, char letter, const QString& dialogName,
                   std::function<void(QDialog&)> action);

// Chooses a test through the real Select Test dialog: Ctrl+S, then a double-click
// on the entry with that text. Returns whether the dialog opened and had the entry.
bool SelectThroughDialog(MainWindow& window, const QString& name);

// SelectThroughDialog, then Enter on the main window: whether the run began.
bool BeginThroughDialog(MainWindow& window, const QString& name);

// Types text into the client area with real key events, one key per character.
void TypeText(MainWindow& window, const std::string& text);

// The Report's six figures as its fields show them; a field that is missing or not
// read-only reads "?".
ReportTexts ReadReport(const QDialog& report);
// Clicks the Report's OK, its only way out.
void CloseReport(QDialog& report);
// Once the Report opens, within timeoutMs, reads it into shown and closes it; the
// flag says whether it opened (shown must outlive the caller's hold on it).
std::shared_ptr<bool> WhenReportOpens(ReportTexts& shown, int timeoutMs);

struct LineTexts {
  std::string target;
  std::string typed;
};
std::vector<LineTexts> RunLines(Program& program);

// Whether the back buffer shows text at (x, y) in that font, pixel for pixel as a
// surface of its own draws it there.
bool ShowsText(const QImage& image, Font font, int x, int y, const std::string& text);

// Pixels of the back buffer, in the core's logical coordinates.
bool IsDark(const QImage& image, int x, int y);
bool IsWhite(const QImage& image, int x, int y);
int DarkPixels(const QImage& image, const QRect& rect);
bool AllWhite(const QImage& image, const QRect& rect);
bool AllBlack(const QImage& image, const QRect& rect);

}  // namespace keyrill::qt::test
