// The real Qt main window end to end, headless: geometry and menu, a whole run on a
// sample test typed with real key events (mistakes, a control code, Backspace
// across a line, Tab, Enter) up to the Report, the back buffer's pixels where the
// screen layout fixes them, pause, End Test, Exit, and the fatal error's exit.
// Test side (Qt, offscreen).
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/commands.h"
#include "app/main_window_layout.h"
#include "app/report_rows.h"
#include "e2e_support.h"
#include "qt/back_buffer_view.h"
#include "qt/image_surface.h"
#include "results/stats_bar.h"
#include "run/screen.h"
#include "support/whole_run.h"

using namespace keyrill;
using namespace keyrill::qt;
using namespace keyrill::qt::test;

namespace {

// The counting rules, restated from the user's side to check the Report against.
int Words(const std::string& s) {
  int words = 0;
  for (std::size_t j = 0; j < s.size(); ++j) {
    if (s[j] != ' ' && s[j] != '\r' && (j + 1 == s.size() || s[j + 1] == ' ')) ++words;
  }
  return words;
}

int Errors(const std::string& target, const std::string& typed) {
  const std::size_t length = std::max(target.size(), typed.size());
  int errors = 0;
  for (std::size_t i = 0; i < length; ++i) {
    const char a = i < target.size() ? target[i] : '\0';
    const char b = i < typed.size() ? typed[i] : '\0';
    errors += a != b ? 1 : 0;
  }
  return errors;
}

struct Run {
  MainWindow& window;
  Program& program;
  std::vector<std::string> typed;  // what each line's typed text should be
  std::vector<std::string> targets;
};

// Types one character of the current line and mirrors it in the expectation.
void Key(Run& run, std::size_t line, char c) {
  QTest::keyClick(&run.window.view(), c);
  run.typed[line].push_back(c);
}

}  // namespace

class QtProgramTest : public WindowTests {
  Q_OBJECT

 private Q_SLOTS:
  void windowGeometryAndMenu() {
    QCOMPARE(window().windowTitle(), QString::fromLatin1(kWindowTitle));
    QVERIFY(!window().windowIcon().isNull());
    QCOMPARE(window().frameGeometry().topLeft(), QPoint(50, 50));
    QCOMPARE(window().view().size(), QSize(kClientWidth, kClientHeight));
    QCOMPARE(window().view().y(), window().menuBar()->height());
    const Layout& layout = window().program().layout;
    QCOMPARE(layout.ClientWidth, kClientWidth);
    QCOMPARE(layout.ClientHeight, kClientHeight);
    QCOMPARE(layout.UsableHeight, kClientHeight - kReservedHeight);
    // A cell that divided the usable width would end every full line a key early.
    QVERIFY(layout.UsableWidth % layout.CharWidth != 0);

    const QList<QAction*> menus = window().menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first()->text(), QStringLiteral("&File"));
    const QList<QAction*> items = menus.first()->menu()->actions();
    QCOMPARE(items.size(), static_cast<qsizetype>(kFileMenu.size()));
    for (std::size_t i = 0; i < kFileMenu.size(); ++i) {
      const QAction* item = items.at(static_cast<qsizetype>(i));
      QCOMPARE(item->isSeparator(), kFileMenu[i].text == nullptr);
      if (kFileMenu[i].text == nullptr) continue;
      QCOMPARE(item->text(), QString::fromLatin1(kFileMenu[i].text));
      QVERIFY(item->shortcut().isEmpty());  // the accelerators alone own the keys
    }

    // Growing the window changes no metric; the new area is plain white.
    const Layout before = layout;
    const QImage idle = window().backBuffer();
    window().resize(800, 700);
    QTRY_COMPARE(window().view().width(), 800);
    QCOMPARE(window().program().layout.LineCapacity, before.LineCapacity);
    QCOMPARE(window().program().layout.ClientWidth, kClientWidth);
    const qreal ratio = window().devicePixelRatioF();
    const QSizeF client(kClientWidth, kClientHeight);
    QCOMPARE(window().backBuffer().deviceIndependentSize(), client);
    QCOMPARE(window().backBuffer().size(), (client * ratio).toSize());
    QImage shown = window().view().grab().toImage();
    QCOMPARE(shown.pixel(QPoint(700, 600) * ratio), qRgb(255, 255, 255));
    QCOMPARE(shown.pixel(QPoint(495, 20) * ratio), qRgb(255, 255, 255));
    shown = shown.copy(QRect(QPoint(0, 0), window().backBuffer().size()))
                .convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    QVERIFY(shown == idle);
  }

  void idleScreenAndEnterWithoutTest() {
    const QImage& image = window().backBuffer();
    const int ch = window().program().layout.CharHeight;
    QVERIFY(ShowsText(image, Font::Text, 12, 12, "Please select a test to begin..."));
    QTest::keyClick(&window().view(), Qt::Key_Return);
    QVERIFY(ShowsText(image, Font::Text, 12, ch + 12, "Error: No test selected"));
    QVERIFY(!window().program().TestRunning);
  }

  void wholeRunThroughTheReport() {
    dir().AddSample();
    Program& program = window().program();
    const QImage& image = window().backBuffer();
    const int cw = program.layout.CharWidth;
    const int ch = program.layout.CharHeight;

    QVERIFY(SelectThroughDialog(window(), QStringLiteral("Home Row")));
    QCOMPARE(std::string(program.SelectedTest.data()), std::string("Home Row"));
    QVERIFY(ShowsText(image, Font::Text, 12, 12, "Press enter to begin the test..."));
    QVERIFY(ShowsText(image, Font::Text, 12, ch + 12, "Home Row"));

    QTest::keyClick(&window().view(), Qt::Key_Return);
    QVERIFY(program.TestRunning);
    Run run{window(), program, {}, {}};
    for (const LineTexts& line : RunLines(program)) {
      run.targets.push_back(line.target);
      run.typed.emplace_back();
    }
    QVERIFY2(run.targets.size() >= 5, "Home Row wraps to at least five display lines");

    // The first page: the first target row as text, the cursor cell solid black.
    std::string firstRow = run.targets[0];
    QVERIFY(ShowsText(image, Font::Text, 12, 32, firstRow));
    const QRect cursor(12, 32 + ch, cw, ch);
    QVERIFY(AllBlack(image, cursor));
    // It blinks: white at the next tick, black at the one after.
    QTRY_VERIFY_WITH_TIMEOUT(AllWhite(image, cursor), 1500);
    QTRY_VERIFY_WITH_TIMEOUT(AllBlack(image, cursor), 1500);

    // The statistics band after a tick: the three texts in the core's columns.
    ImageSurface probe(window().program().codePage);
    probe.UseFont(Font::Stats);
    const int w = probe.MeasureBytes("A", 1).cx;
    const BarColumns bar = BarColumnsFor(w);
    QVERIFY2(bar.characters + 16 * w <= kClientWidth, "\"Characters: 9999\" fits in the window");
    QTRY_VERIFY_WITH_TIMEOUT(ShowsText(image, Font::Stats, bar.rate, kBarY, "Words Per Minute: "),
                             1000);
    QVERIFY(ShowsText(image, Font::Stats, bar.time, kBarY, "Time: "));
    QVERIFY(ShowsText(image, Font::Stats, bar.characters, kBarY, "Characters: 0"));

    // Line 0: a wrong letter, and Ctrl+J typed by mistake, shown in its cell.
    const std::string& t0 = run.targets[0];
    const std::size_t end0 = t0.back() == '\r' ? t0.size() - 1 : t0.size();
    for (std::size_t i = 0; i < end0; ++i) {
      if (i == 2) {
        Key(run, 0, t0[i] == 'q' ? 'z' : 'q');
      } else if (i == 4) {
        QTest::keyClick(&window().view(), Qt::Key_J, Qt::ControlModifier);
        run.typed[0].push_back('\n');
        QVERIFY(DarkPixels(image, QRect(12 + 4 * cw, 32 + ch, cw, ch)) > 5);
        QVERIFY(AllBlack(image, QRect(12 + 5 * cw, 32 + ch, cw, ch)));  // the cursor next to it
      } else {
        Key(run, 0, t0[i]);
      }
    }
    QCOMPARE(program.lines.Index(), 1);
    // Each typed cell holds its character; the row matches the typed text.
    QVERIFY(ShowsText(image, Font::Text, 12, 32 + ch, run.typed[0]));

    // Line 1: a slip put right with Backspace, then the rest.
    const std::string& t1 = run.targets[1];
    const std::size_t end1 = t1.back() == '\r' ? t1.size() - 1 : t1.size();
    Key(run, 1, t1[0]);
    Key(run, 1, t1[1] == '#' ? '%' : '#');
    QTest::keyClick(&window().view(), Qt::Key_Backspace);
    run.typed[1].pop_back();
    QVERIFY(AllBlack(image, QRect(12 + cw, 32 + 4 * ch, cw, ch)));  // the cursor on the erased cell
    QVERIFY(AllWhite(image, QRect(12 + 2 * cw, 32 + 4 * ch, cw, ch)));
    for (std::size_t i = 1; i < end1; ++i) Key(run, 1, t1[i]);
    QCOMPARE(program.lines.Index(), 2);

    // Backspace at the start of line 2 goes back up to line 1; Enter comes back down.
    const int caretY = program.CaretY;
    QTest::keyClick(&window().view(), Qt::Key_Backspace);
    QCOMPARE(program.lines.Index(), 1);
    QCOMPARE(program.CaretY, caretY - 3 * ch);
    if (run.typed[1].size() >= t1.size() && !run.typed[1].empty()) run.typed[1].pop_back();
    QCOMPARE(program.CaretX, 12 + static_cast<int>(run.typed[1].size()) * cw);
    // An input method's window opens at that cell, as Qt asks the focused widget.
    QInputMethodQueryEvent imQuery(Qt::ImCursorRectangle);
    QCoreApplication::sendEvent(&window().view(), &imQuery);
    QCOMPARE(imQuery.value(Qt::ImCursorRectangle).toRect(),
             QRect(12 + static_cast<int>(run.typed[1].size()) * cw, caretY - 3 * ch, cw, ch));
    QTest::keyClick(&window().view(), Qt::Key_Return);
    QCOMPARE(program.lines.Index(), 2);

    // Line 2: two letters, then Tab (five spaces, fewer at the line's end), then the rest.
    const std::string& t2 = run.targets[2];
    const std::size_t end2 = t2.back() == '\r' ? t2.size() - 1 : t2.size();
    Key(run, 2, t2[0]);
    Key(run, 2, t2[1]);
    QTest::keyClick(&window().view(), Qt::Key_Tab);
    run.typed[2].append(std::min<std::size_t>(5, t2.size() - 2), ' ');
    for (std::size_t i = run.typed[2].size(); i < end2; ++i) Key(run, 2, t2[i]);
    QCOMPARE(program.lines.Index(), 3);

    // Line 3: three letters, then Enter leaves the rest untyped.
    for (std::size_t i = 0; i < 3; ++i) Key(run, 3, run.targets[3][i]);
    QTest::keyClick(&window().view(), Qt::Key_Return);
    QCOMPARE(program.lines.Index(), 4);

    // The characters typed so far show on the bar at its next tick.
    std::size_t typedSoFar = 0;
    for (const std::string& t : run.typed) typedSoFar += t.size();
    QTRY_VERIFY_WITH_TIMEOUT(ShowsText(image, Font::Stats, bar.characters, kBarY,
                                       "Characters: " + std::to_string(typedSoFar)),
                             1000);

    // Every typed buffer is what the keys should have made of it.
    for (std::size_t i = 0; i < 4; ++i) QCOMPARE(RunLines(program)[i].typed, run.typed[i]);

    // The rest correctly; the last key opens the Report.
    ReportTexts shown;
    QStringList labels;
    bool stayedOpen = false;
    bool noCloseBox = false;
    QPoint centreOffset;
    std::string finalBand;
    auto opened = std::make_shared<bool>(false);
    WhenDialogOpens(
        QStringLiteral("Report"),
        [&](QDialog& report) {
          shown = ReadReport(report);
          QList<QLabel*> found = report.findChildren<QLabel*>();
          std::sort(found.begin(), found.end(),
                    [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
          for (QLabel* label : found) labels << label->text();
          noCloseBox = !report.windowFlags().testFlag(Qt::WindowCloseButtonHint);
          const QRect area = report.screen()->availableGeometry();
          centreOffset = report.frameGeometry().center() - area.center();
          // The bar's last drawing is in place behind the Report.
          finalBand = ShowsText(image, Font::Stats, bar.rate, kBarY, "Words Per Minute: ")
                          ? "ok"
                          : "missing";
          // Escape and Enter (the focus on the first field) leave it open.
          QWidget* focus = report.focusWidget() != nullptr ? report.focusWidget() : &report;
          QTest::keyClick(focus, Qt::Key_Escape);
          QTest::keyClick(focus, Qt::Key_Return);
          stayedOpen = report.isVisible();
          auto* ok = report.findChild<QPushButton*>(QStringLiteral("IDC_REPORT_OK"));
          ok->setFocus();
          QTest::keyClick(ok, Qt::Key_Return);  // Enter on OK closes it
        },
        opened);
    for (std::size_t line = 4; line < run.targets.size(); ++line) {
      const std::string& t = run.targets[line];
      const std::size_t end = t.back() == '\r' ? t.size() - 1 : t.size();
      for (std::size_t i = 0; i < end; ++i) {
        if (line == run.targets.size() - 1 && i == end - 1) {
          run.typed[line].push_back(t[i]);
          QTest::keyClick(&window().view(), t[i]);  // returns when the Report has closed
        } else {
          Key(run, line, t[i]);
        }
      }
    }
    QVERIFY(*opened);
    QVERIFY(stayedOpen);
    QVERIFY(noCloseBox);
    QCOMPARE(finalBand, std::string("ok"));
    QVERIFY2(std::abs(centreOffset.x()) <= 1 && std::abs(centreOffset.y()) <= 1,
             "the Report is centred on the screen");
    QCOMPARE(labels,
             QStringList({QStringLiteral("Words Per Minutes:"), QStringLiteral("Words In Test:"),
                          QStringLiteral("Words Typed:"), QStringLiteral("Time Taken:"),
                          QStringLiteral("Charactars:"), QStringLiteral("Errors:")}));

    int targetWords = 0;
    int typedWords = 0;
    int targetChars = 0;
    int errors = 0;
    for (std::size_t i = 0; i < run.targets.size(); ++i) {
      targetWords += Words(run.targets[i]);
      typedWords += Words(run.typed[i]);
      targetChars += static_cast<int>(run.targets[i].size());
      errors += Errors(run.targets[i], run.typed[i]);
    }
    const QRegularExpression sixDecimals(QStringLiteral("^-?\\d+\\.\\d{6}$"));
    for (const std::string& decimal : {shown.wordsPerMinute, shown.timeTaken}) {
      QVERIFY2(sixDecimals.match(QString::fromStdString(decimal)).hasMatch(), decimal.c_str());
    }
    QCOMPARE(shown.wordsInTest, std::to_string(targetWords));
    QCOMPARE(shown.wordsTyped, std::to_string(typedWords));
    QCOMPARE(shown.characters, std::to_string(targetChars));
    QCOMPARE(shown.errors, std::to_string(errors));
    QVERIFY(errors >= 4);  // the slips above all count
    const double seconds = std::stod(shown.timeTaken);
    QVERIFY(seconds > 1.0);
    QVERIFY(std::abs(std::stod(shown.wordsPerMinute) - typedWords / seconds * 60.0) < 1e-3);

    // Closing the Report ended the run: idle again, ready for the same test.
    QVERIFY(!program.TestRunning);
    QVERIFY(ShowsText(image, Font::Text, 12, 12, "Press enter to begin the test..."));
    QVERIFY(ShowsText(image, Font::Text, 12, ch + 12, "Home Row"));
  }

  // The scenario every driver plays, through Qt's key events and accelerators.
  void sharedWholeRun() {
    namespace scenario = support::whole_run;
    QVERIFY(support::WriteFile(dir().Library(), scenario::kLibrary));
    QVERIFY(SelectThroughDialog(window(), QString::fromLatin1(scenario::kTest)));
    for (const scenario::Run& run : scenario::Runs()) {
      QElapsedTimer took;
      took.start();
      qint64 paused = 0;
      QElapsedTimer pausing;
      ReportTexts shown;
      const auto opened =
          run.reported ? WhenReportOpens(shown, 10000) : std::make_shared<bool>(false);
      for (const scenario::Step& step : run.steps) {
        switch (step.action) {
          case scenario::Action::Keys:
            // A person's pace: the clock must see the run take time.
            QTest::qWait(100);
            TypeText(window(), step.keys);  // the last key returns once the Report has closed
            break;
          case scenario::Action::BeginTest:
            PressAccelerator(window(), 'B');
            break;
          case scenario::Action::PauseTest:
            PressAccelerator(window(), 'P');
            if (!pausing.isValid()) {
              pausing.start();
              QTest::qWait(1200);
            } else {
              paused += pausing.elapsed();
              pausing.invalidate();
            }
            break;
          case scenario::Action::EndTest:
            PressAccelerator(window(), 'X');
            break;
        }
      }
      QVERIFY2(!window().program().TestRunning, run.name);
      QCOMPARE(*opened, run.reported);
      if (!run.reported) continue;
      const double bound = static_cast<double>(took.elapsed() - paused) / 1000.0 + 0.05;
      const std::string wrong = scenario::FiguresMismatch(shown, run.figures, bound);
      QVERIFY2(wrong.empty(), (std::string(run.name) + ": " + wrong).c_str());
    }
    QCOMPARE(support::ReadFile(dir().Library()), std::string(scenario::kLibrary));
  }

  void charactersFromTextAndInputMethods() {
    support::WriteFile(dir().Library(), "\r\n~Accents\r\nabcdefghijklmnop");
    Program& program = window().program();
    QVERIFY(BeginThroughDialog(window(), QStringLiteral("Accents")));
    // A key whose text has a Windows-1252 byte, one without (dropped), a dead-key
    // composition committed by an input method, and Shift+Tab.
    QTest::sendKeyEvent(QTest::Click, &window().view(), Qt::Key_Eacute, QStringLiteral("\u00E9"),
                        Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, &window().view(), Qt::Key_unknown, QStringLiteral("\u0142"),
                        Qt::NoModifier);
    QInputMethodEvent compose;
    compose.setCommitString(QStringLiteral("\u00FC\u20AC"));
    QApplication::sendEvent(&window().view(), &compose);
    QTest::keyClick(&window().view(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(&window().view(), Qt::Key_F5);  // no text: nothing
    QCOMPARE(RunLines(program)[0].typed, std::string("\xE9\xFC\x80     "));
  }

  // One keystroke can give two characters (a dead key and a letter it does not
  // combine with, an input method's commit): those that come while the Report is
  // open must not reach the finished run, nor open a second Report over it.
  void noCharacterReachesTheRunWhileTheReportIsOpen() {
    support::WriteFile(dir().Library(), "\r\n~Two\r\nab\r\n~Next\r\nx");
    Program& program = window().program();
    QVERIFY(BeginThroughDialog(window(), QStringLiteral("Two")));
    QTest::keyClick(&window().view(), Qt::Key_A);

    int secondReports = 0;
    std::string typedWhileOpen;
    auto opened = std::make_shared<bool>(false);
    WhenDialogOpens(
        QStringLiteral("Report"),
        [&](QDialog& first) {
          // Any further Report is counted and closed, so the test cannot hang on it.
          const DialogWatch closer({QStringLiteral("second Report"),
                                    [&first](const QDialog& dialog) {
                                      return &dialog != &first &&
                                             dialog.objectName() == QStringLiteral("Report");
                                    }},
                                   [&secondReports](QDialog& dialog) {
                                     ++secondReports;
                                     dialog.done(0);
                                   });
          QTest::sendKeyEvent(QTest::Click, &window().view(), Qt::Key_Y, QStringLiteral("y"),
                              Qt::NoModifier);
          QInputMethodEvent commit;
          commit.setCommitString(QStringLiteral("z"));
          QApplication::sendEvent(&window().view(), &commit);
          QTest::sendKeyEvent(QTest::Click, &window().view(), Qt::Key_Return, QStringLiteral("\r"),
                              Qt::NoModifier);
          typedWhileOpen = RunLines(program).empty() ? "<none>" : RunLines(program)[0].typed;
          CloseReport(first);
        },
        opened);
    QTest::keyClick(&window().view(), Qt::Key_X);
    QVERIFY(*opened);
    QCOMPARE(secondReports, 0);
    QCOMPARE(typedWhileOpen, std::string("ax"));
    QVERIFY(!program.TestRunning);
  }

  void pauseDropsKeysAndTicks() {
    dir().AddSample();
    Program& program = window().program();
    QVERIFY(BeginThroughDialog(window(), QStringLiteral("Warm-up")));
    const std::string target = RunLines(program)[0].target;
    QTest::keyClick(&window().view(), target[0]);
    QTest::qWait(150);  // a statistics tick has drawn the bar

    PressAccelerator(window(), 'P');
    QVERIFY(program.clock.Paused);
    const QImage frozen = window().backBuffer().copy();
    QTest::keyClick(&window().view(), target[1]);
    QTest::qWait(1200);  // two blinks and a dozen statistics ticks, all dropped
    QCOMPARE(RunLines(program)[0].typed, target.substr(0, 1));
    QVERIFY(window().backBuffer() == frozen);

    PressAccelerator(window(), 'P');
    QVERIFY(!program.clock.Paused);
    QTest::keyClick(&window().view(), target[1]);
    QCOMPARE(RunLines(program)[0].typed, target.substr(0, 2));
  }

  void ticksGoOnBehindADialog() {
    dir().AddSample();
    QVERIFY(BeginThroughDialog(window(), QStringLiteral("Warm-up")));
    QTest::qWait(250);
    const QRect band(0, 0, kClientWidth, window().program().layout.CharHeight);
    bool changed = false;
    QVERIFY(ThroughDialog(window(), 'S', QStringLiteral("SelectTest"), [&](QDialog& dialog) {
      const QImage before = window().backBuffer().copy(band);
      QTest::qWait(400);
      changed = window().backBuffer().copy(band) != before;
      // Accelerators are off while the dialog is open: Ctrl+X ends nothing.
      QTest::keyClick(&dialog, Qt::Key_X, Qt::ControlModifier);
      QTest::keyClick(&dialog, Qt::Key_Escape);
    }));
    QVERIFY2(changed, "the statistics bar kept updating behind the dialog");
    QVERIFY(window().program().TestRunning);
  }

  void endTestAndExit() {
    dir().AddSample();
    Program& program = window().program();
    QVERIFY(BeginThroughDialog(window(), QStringLiteral("Warm-up")));
    QTest::keyClicks(&window().view(), QStringLiteral("Rest"));
    PressAccelerator(window(), 'X');
    QVERIFY(!program.TestRunning);
    QVERIFY(program.lines.Empty());
    QTest::qWait(100);
    QVERIFY(FindDialog(QStringLiteral("Report")) == nullptr);  // ended early: no Report
    QVERIFY(
        ShowsText(window().backBuffer(), Font::Text, 12, 12, "Press enter to begin the test..."));
    QVERIFY(AllWhite(window().backBuffer(), QRect(0, 100, kClientWidth, 300)));

    // Exit from the menu closes the window like its close box.
    QAction* exit = nullptr;
    for (QAction* item : window().menuBar()->actions().first()->menu()->actions()) {
      if (item->text() == QStringLiteral("E&xit\tCtrl+Q")) exit = item;
    }
    QVERIFY(exit != nullptr);
    exit->trigger();
    QVERIFY(!window().isVisible());

    MainWindow second;
    QVERIFY(OpenWindow(second));
    PressAccelerator(second, 'Q');
    QVERIFY(!second.isVisible());
  }

  void wordTooLargeEndsTheProgram() {
    support::WriteFile(dir().Library(), "\r\n~Long\r\nshort " + std::string(60, 'w') + " words");
    QProcess child;
    child.setWorkingDirectory(QDir::currentPath());
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--fatal-child")});
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromLatin1(child.readAllStandardOutput());
    QVERIFY2(output.contains(QStringLiteral("box: Error | Word too large for the window.")),
             qPrintable(output + QString::fromLatin1(child.readAllStandardError())));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
  }
};

// The child of wordTooLargeEndsTheProgram: selects the test, presses Enter, reports
// the message box it gets and dismisses it; the program must then exit with 1.
static int FatalChild(int argc, char** argv) {
  QApplication app(argc, argv);
  MainWindow window;
  if (!OpenWindow(window) || !SelectThroughDialog(window, QStringLiteral("Long"))) return 3;
  const DialogWatch boxes(AnyMessageBox(), [](QDialog& dialog) {
    auto& box = static_cast<QMessageBox&>(dialog);
    std::printf("box: %s | %s\n", qPrintable(box.windowTitle()), qPrintable(box.text()));
    std::fflush(stdout);
    box.button(QMessageBox::Ok)->click();
  });
  QTest::keyClick(&window.view(), Qt::Key_Return);
  return 0;  // reached only if the error did not end the program
}

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--fatal-child") return FatalChild(argc, argv);
  QApplication app(argc, argv);
  QtProgramTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_program_test.moc"
