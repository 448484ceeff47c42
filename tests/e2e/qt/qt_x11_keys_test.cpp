// Real X key events, as fast as xdotool sends them, into the real window on an X
// display, all through Qt: the run holds exactly what was typed, in order, with dead
// keys composed, a menu's keys kept out of the run, and a layout set while the
// program runs obeyed.
// Test side (Qt on X11; run under xvfb-run with QT_QPA_PLATFORM=xcb and a locale
// whose code page has é).
#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <string>

#include "e2e_support.h"

using namespace keyrill;
using namespace keyrill::qt;
using namespace keyrill::qt::test;

namespace {

bool Xdotool(const QStringList& arguments) {
  return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// Presses the keys (xdotool key names) with `delayMs` between them, from another
// process, while this one's event loop runs.
bool PressKeys(const QString& keys, int delayMs) {
  QProcess xdotool;
  QStringList arguments = {QStringLiteral("key"), QStringLiteral("--delay"),
                           QString::number(delayMs)};
  arguments += keys.split(QLatin1Char(' '));
  xdotool.start(QStringLiteral("xdotool"), arguments);
  if (!xdotool.waitForStarted()) return false;
  while (!xdotool.waitForFinished(10)) QCoreApplication::processEvents();
  return xdotool.exitCode() == 0;
}

std::string Typed(MainWindow& window) {
  const std::vector<LineTexts> lines = RunLines(window.program());
  return lines.empty() ? std::string() : lines.front().typed;
}

}  // namespace

class QtX11KeysTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    // US international: the apostrophe key is a dead acute.
    QVERIFY2(QProcess::execute(
                 QStringLiteral("setxkbmap"),
                 {QStringLiteral("us"), QStringLiteral("-variant"), QStringLiteral("intl")}) == 0,
             "setxkbmap failed");
  }

  void keysArriveOnceAndInOrder() {
    WorkDir dir(false);
    support::WriteFile(dir.Library(),
                       "~Keys\nThe quick \xE9 q caf\xE9 au lait and a lot more besides\n");
    MainWindow window;
    QVERIFY(OpenWindow(window));
    QVERIFY(SelectThroughDialog(window, QStringLiteral("Keys")));
    QVERIFY(Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                     QString::number(window.winId())}));
    QVERIFY(PressKeys(QStringLiteral("Return"), 0));
    QTRY_VERIFY_WITH_TIMEOUT(window.program().TestRunning, 5000);

    struct Step {
      const char* what;
      const char* keys;
      int delayMs;
      std::string typed;             // the run's line after the step
      const char* layout = nullptr;  // a keyboard layout set first, while the program runs
    };
    // A dead key's letter is pressed apart from the keys before it, as people type:
    // Qt composes as it reads a key and hands plain keys on a little later, so a
    // burst of plain keys and a dead key within one X read can come out reordered.
    const std::vector<Step> steps = {
        {"plain keys, slowly", "T h e space q", 40, "The q"},
        {"plain keys, a wrong key and Backspace, at once", "u i x BackSpace c k space", 0,
         "The quick "},
        {"a dead key and the letter it makes", "dead_acute e space", 30, "The quick \xE9 "},
        {"a dead key and a letter it cannot make", "dead_acute q space", 30, "The quick \xE9 q "},
        {"the File menu opened and closed: its keys stay out of the run", "alt+f z Escape Escape",
         150, "The quick \xE9 q "},
        {"plain keys and a dead key", "c a f dead_acute e space", 30, "The quick \xE9 q caf\xE9 "},
        {"plain keys at once after it", "a u space l", 0, "The quick \xE9 q caf\xE9 au l"},
        // German swaps Y and Z: a keymap read only at the start would type y here.
        {"the z key of a layout set while the program runs", "z", 40,
         "The quick \xE9 q caf\xE9 au lz", "de"},
    };
    for (const Step& step : steps) {
      if (step.layout != nullptr) {
        QVERIFY(QProcess::execute(QStringLiteral("setxkbmap"),
                                  {QString::fromLatin1(step.layout)}) == 0);
      }
      QVERIFY2(PressKeys(QString::fromLatin1(step.keys), step.delayMs), step.what);
      QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr, 3000);
      QTest::qWait(100);  // anything still on its way arrives
      const std::string typed = Typed(window);
      QVERIFY2(typed == step.typed, (std::string(step.what) + ": typed \"" + typed + "\"").c_str());
    }
  }
};

QTEST_MAIN(QtX11KeysTest)
#include "qt_x11_keys_test.moc"
