// The typing-fidelity harness: the real main window, built as the program's main
// does, in a scratch folder holding one test of licence prose; real key events from
// another process (xdotool on X, wtype on Wayland), optionally with the pointer
// sweeping over the window; then the live Report's figures, the run's lines and
// every code that reached the core, held against the same keys run through the
// recording fake. Prints "fidelity: exact ..." and exits 0, or "FAIL: ..." and 1.
// A planted fault (a key delivered to the view twice, or dropped) must make it fail.
// Test side (Qt).
//   keyrill_fidelity --prose FILE [--seed N] [--keys N] [--pace person|burst|mixed]
//     [--sender xdotool|wtype] [--pointer none|rest|move] [--accents]
//     [--plant double|drop] [--deadline SECONDS]
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/dialog_actions.h"
#include "app/report_rows.h"
#include "differences.h"
#include "e2e_support.h"
#include "fakes/fake_window.h"
#include "qt/back_buffer_view.h"
#include "qt/start_up.h"
#include "senders.h"
#include "typist.h"

using namespace keyrill;
using namespace keyrill::fidelity;
using namespace keyrill::qt::test;

namespace {

struct Seen {
  bool reportOpened = false;
  ReportTexts report;
  std::vector<std::string> targetLines;
  std::vector<std::string> typedLines;
  std::vector<int> codes;  // every code handed to the core up to the Report
};

[[noreturn]] void Fail(const std::string& message) {
  std::printf("FAIL: %s\n", message.c_str());
  std::fflush(stdout);
  std::_Exit(1);
}

std::string Field(QDialog& dialog, const char* name) {
  auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
  return field != nullptr ? field->text().toStdString() : "<no " + std::string(name) + ">";
}

// Runs a program to its end, at most timeoutMs, keeping this event loop going.
bool RunQuietly(const QString& program, const QStringList& arguments, int timeoutMs) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished(1000);
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

template <typename Condition>
bool WaitFor(Condition condition, int timeoutMs) {
  return QTest::qWaitFor(condition, timeoutMs);
}

// A faulty event path at the view's door: once `at` codes have reached the core, the
// next key or commit carrying text is delivered twice ("double") or not at all ("drop").
class FaultPlanter final : public QObject {
 public:
  FaultPlanter(QWidget& view, QString fault, size_t at, const std::vector<int>& codes)
      : fault_(std::move(fault)), at_(at), codes_(codes) {
    if (!fault_.isEmpty()) view.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (planted_ || codes_.size() < at_ || !CarriesText(*event)) return false;
    planted_ = true;
    if (fault_ == QStringLiteral("drop")) return true;
    const std::unique_ptr<QEvent> copy(event->clone());
    watched->event(copy.get());  // straight to the view, past this filter
    return false;
  }

 private:
  static bool CarriesText(const QEvent& event) {
    if (event.type() == QEvent::KeyPress)
      return !static_cast<const QKeyEvent&>(event).text().isEmpty();
    if (event.type() == QEvent::InputMethod)
      return !static_cast<const QInputMethodEvent&>(event).commitString().isEmpty();
    return false;
  }

  const QString fault_;
  const size_t at_;
  const std::vector<int>& codes_;
  bool planted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  keyrill::qt::PrepareQtStartUp();  // as the program starts
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("keyrill"));
  QGuiApplication::setDesktopFileName(QStringLiteral("keyrill"));

  QCommandLineParser parser;
  const QCommandLineOption prose(QStringLiteral("prose"), QStringLiteral("prose file"),
                                 QStringLiteral("file"));
  const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("seed"), QStringLiteral("n"),
                                QStringLiteral("1"));
  const QCommandLineOption keys(QStringLiteral("keys"), QStringLiteral("about this many keys"),
                                QStringLiteral("n"), QStringLiteral("200"));
  const QCommandLineOption pace(QStringLiteral("pace"), QStringLiteral("person|burst|mixed"),
                                QStringLiteral("pace"), QStringLiteral("mixed"));
  const QCommandLineOption sender(QStringLiteral("sender"), QStringLiteral("xdotool|wtype"),
                                  QStringLiteral("program"), QStringLiteral("xdotool"));
  const QCommandLineOption pointer(QStringLiteral("pointer"), QStringLiteral("none|rest|move"),
                                   QStringLiteral("where"), QStringLiteral("rest"));
  const QCommandLineOption accents(QStringLiteral("accents"), QStringLiteral("type some é"));
  const QCommandLineOption plant(QStringLiteral("plant"), QStringLiteral("double|drop"),
                                 QStringLiteral("fault"));
  const QCommandLineOption deadline(QStringLiteral("deadline"), QStringLiteral("seconds"),
                                    QStringLiteral("s"), QStringLiteral("60"));
  parser.addOptions({prose, seed, keys, pace, sender, pointer, accents, plant, deadline});
  parser.process(app);

  const int deadlineS = parser.value(deadline).toInt();
  QString waitingFor = QStringLiteral("the start");
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    Fail("no result within " + std::to_string(deadlineS) + " s; waiting for " +
         waitingFor.toStdString());
  });
  watchdog.start(deadlineS * 1000);  // fires in a dialog's own loop too

  // The keys and what the core makes of them, worked out first.
  QFile proseFile(parser.value(prose));
  if (!proseFile.open(QIODevice::ReadOnly))
    Fail("cannot read the prose file " + parser.value(prose).toStdString());
  TypistOptions options;
  options.seed = parser.value(seed).toUInt();
  options.keys = parser.value(keys).toInt();
  const QString paceName = parser.value(pace);
  options.pace = paceName == QStringLiteral("person")  ? Pace::Person
                 : paceName == QStringLiteral("burst") ? Pace::Burst
                                                       : Pace::Mixed;
  options.accents = parser.isSet(accents);
  const std::string text = ProseExcerpt(proseFile.readAll().toStdString(), options.seed,
                                        options.keys * 4 / 5, options.accents);

  // The fake is measured as the real window was, so both wrap the text alike.
  WorkDir dir(false);
  qt::MainWindow window;
  const Layout& layout = window.program().layout;
  fake::WindowSize size;
  size.clientWidth = layout.ClientWidth;
  size.clientHeight = layout.ClientHeight;
  size.textCell = {layout.CharWidth, layout.CharHeight};
  const Script script = TypeProse(text, options, size);
  std::vector<int> sent;
  for (const Key& key : script.keys) sent.push_back(key.code);
  if (!support::WriteFile(dir.Library(), fake::LibraryRecord(script.name, script.text)))
    Fail("cannot write the scratch library");
  std::printf("fidelity: a client of %d x %d, cells of %d x %d, %d to a line\n", layout.ClientWidth,
              layout.ClientHeight, layout.CharWidth, layout.CharHeight, layout.LineCapacity);

  // Every code the view hands to the router is recorded on its way; a planted fault
  // delivers the middle key to the view twice, or not at all.
  Seen seen;
  window.view().SetCharObserver([&](int code) {
    if (!seen.reportOpened) seen.codes.push_back(code);
  });
  FaultPlanter planter(window.view(), parser.value(plant), sent.size() / 2, seen.codes);

  // The Report is read from inside its own modal loop, then closed with OK.
  QTimer reportPoll;
  QObject::connect(&reportPoll, &QTimer::timeout, [&] {
    QDialog* report = FindDialog(QStringLiteral("Report"));
    if (report == nullptr || seen.reportOpened) return;
    seen.reportOpened = true;
    for (const ReportRow& row : kReportRows) {
      seen.report.*row.figure = Field(*report, row.controlName);
    }
    for (const LineTexts& line : RunLines(window.program())) {
      seen.targetLines.push_back(line.target);
      seen.typedLines.push_back(line.typed);
    }
    if (auto* ok = report->findChild<QPushButton*>(QStringLiteral("IDC_REPORT_OK"))) ok->click();
  });
  reportPoll.start(20);

  waitingFor = QStringLiteral("the main window to be shown and active");
  window.show();
  const bool onX = QGuiApplication::platformName() == QStringLiteral("xcb");
  const QString id = QString::number(window.winId());
  if (!QTest::qWaitForWindowExposed(&window, 20000)) Fail("the main window was never exposed");
  // With no window manager nobody gives the new window the focus.
  if (onX && !RunQuietly(QStringLiteral("xdotool"),
                         {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id}, 10000))
    Fail("xdotool could not focus the main window");
  if (!WaitFor([&] { return window.isActiveWindow(); }, 20000))
    Fail("the main window never became active");
  waitingFor = QStringLiteral("Select Test");
  // On X through the real Select Test dialog; on Wayland the compositor does not
  // take the synthetic double-click, so the name is chosen as that click chooses it.
  if (onX && !SelectThroughDialog(window, QString::fromStdString(script.name)))
    Fail("Select Test did not choose " + script.name);
  if (!onX) ChooseTest(window.program(), script.name.c_str(), true);
  waitingFor = QStringLiteral("the main window to be active after Select Test");
  if (!WaitFor([&] { return window.isActiveWindow(); }, 20000))
    Fail("the main window was not active again after Select Test");

  const QString pointerMode = parser.value(pointer);
  if (onX && pointerMode != QStringLiteral("none") &&
      !RunQuietly(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QStringLiteral("--window"), id,
                   QStringLiteral("246"), QStringLiteral("240")},
                  10000))
    Fail("xdotool could not put the pointer over the window");

  // The sender, and meanwhile the pointer sweeping over the window.
  const bool wtype = parser.value(sender) == QStringLiteral("wtype");
  QProcess keySender;
  keySender.setProcessChannelMode(QProcess::MergedChannels);
  QProcess sweeper;
  if (onX && pointerMode == QStringLiteral("move"))
    sweeper.start(QStringLiteral("xdotool"),
                  XdotoolPointerSweep(window.winId(), DurationMs(script.keys) + 2000));
  waitingFor = QStringLiteral("the key sender to send its ") + QString::number(sent.size()) +
               QStringLiteral(" keys");
  keySender.start(wtype ? QStringLiteral("wtype") : QStringLiteral("xdotool"),
                  wtype ? WtypeKeys(script.keys) : XdotoolKeys(script.keys));
  if (!keySender.waitForStarted(10000)) Fail("the key sender did not start");
  if (!WaitFor([&] { return keySender.state() == QProcess::NotRunning; },
               DurationMs(script.keys) * 3 + 20000))
    Fail("the key sender did not end in time");
  if (keySender.exitStatus() != QProcess::NormalExit || keySender.exitCode() != 0)
    Fail("the key sender failed: " + keySender.readAll().toStdString());
  waitingFor = QStringLiteral("the Report after the last key");
  WaitFor([&] { return seen.reportOpened; }, 5000);
  sweeper.kill();
  sweeper.waitForFinished(2000);

  // Every key once, in order; then the run's lines and the Report's figures.
  if (const std::string keyDiff = KeyStreamDifference(sent, seen.codes); !keyDiff.empty())
    Fail(keyDiff);
  if (!seen.reportOpened)
    Fail("all " + std::to_string(sent.size()) + " keys reached the core, but no Report opened");
  if (const std::string d = LinesDifference("target", script.targetLines, seen.targetLines);
      !d.empty())
    Fail(d);
  if (const std::string d = LinesDifference("typed", script.typedLines, seen.typedLines);
      !d.empty())
    Fail(d);
  const std::pair<const char*, std::string ReportTexts::*> figures[] = {
      {"Words In Test", &ReportTexts::wordsInTest},
      {"Words Typed", &ReportTexts::wordsTyped},
      {"Charactars", &ReportTexts::characters},
      {"Errors", &ReportTexts::errors}};
  for (const auto& [label, member] : figures) {
    if (seen.report.*member != script.report.*member)
      Fail(std::string("the Report's ") + label + " is " + seen.report.*member +
           ", the core computes " + script.report.*member);
  }
  std::printf(
      "fidelity: exact: %zu keys, %zu lines; Words Typed %s, Charactars %s, Errors %s (%s, %s)\n",
      sent.size(), script.typedLines.size(), script.report.wordsTyped.c_str(),
      script.report.characters.c_str(), script.report.errors.c_str(),
      QGuiApplication::platformName().toUtf8().constData(), paceName.toUtf8().constData());
  return keyrill::qt::EndingStatus(0);
}
