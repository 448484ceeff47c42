// Helpers for driving the real Qt main window in tests: a fresh working directory
// per test, finding a modal dialog from inside its own loop, reading the back
// buffer's pixels and the run's lines. Test side (Qt).
#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
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
  QString Path(const QString& name) const {
    return QString::fromStdString(work_.Dir().File(name.toStdString()));
  }
  std::filesystem::path Library() const { return work_.Dir().Library(); }

 private:
  support::WorkingDir work_;
};

// The visible top-level dialog of that object name, or null.
QDialog* FindDialog(const QString& objectName);

// Runs action on the named dialog once it is open (so from inside its modal loop)
// and sets *ran; gives up after timeoutMs. The flag lets the caller check it ran.
void WhenDialogOpens(const QString& objectName, std::function<void(QDialog&)> action,
                     std::shared_ptr<bool> ran, int timeoutMs = 3000);

// Shows the window and waits until it is exposed and active (accelerators need it).
bool OpenWindow(MainWindow& window);

// Presses Ctrl+letter on the main window, as the user does for a command.
void PressAccelerator(MainWindow& window, char letter);

// Chooses a test through the real Select Test dialog: Ctrl+S, then a double-click
// on the entry with that text. Returns whether the dialog opened and had the entry.
bool SelectThroughDialog(MainWindow& window, const QString& name);

// Types text into the client area with real key events, one key per character.
void TypeText(MainWindow& window, const std::string& text);

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
