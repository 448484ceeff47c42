// Key-to-paint latency in the real Qt main window: a generated test is typed key by
// key with the statistics timer live, each key timed from its arrival at the window
// (an event filter) to the end of the paint that shows its character (the view's
// paint observer), and the cells each key repaints are counted. Prints median and
// 99th percentile for a 1 MiB test and for a small one. A tool, not a ctest.
// A measurement beside the benchmarks (Qt): runs on whatever platform QT_QPA_PLATFORM
// names (offscreen, xcb).
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/dialog_actions.h"
#include "app/resource_ids.h"
#include "app/router.h"
#include "e2e_support.h"
#include "library/library_file.h"
#include "qt/back_buffer_view.h"
#include "qt/locale_code_page.h"
#include "qt/start_up.h"
#include "results/stats_bar.h"

using namespace keyrill;
using namespace keyrill::qt;

namespace {

// About `bytes` of prose-like text in lines of about 70 characters.
std::string MakeText(std::size_t bytes) {
  static const char* const kWords[] = {
      "the",    "quick",    "harbour", "lamp",   "keeper", "steps", "evening", "storm",
      "boats",  "counting", "flashes", "window", "market", "bread", "oranges", "river",
      "bridge", "Porto",    "1998",    "garden", "frost,", "late."};
  std::string text;
  std::uint32_t seed = 12345;
  std::size_t lineLength = 0;
  while (text.size() < bytes) {
    seed = seed * 1664525u + 1013904223u;
    const char* word = kWords[(seed >> 16) % (sizeof(kWords) / sizeof(kWords[0]))];
    if (lineLength > 0 && lineLength + std::char_traits<char>::length(word) > 70) {
      text += "\r\n";
      lineLength = 0;
    } else if (lineLength > 0) {
      text += ' ';
      ++lineLength;
    }
    text += word;
    lineLength += std::char_traits<char>::length(word);
  }
  return text;
}

struct Timing {
  qint64 arrived = -1;
  qint64 shown = -1;
  QRect cell;
  QRegion painted;
};

class KeyClock final : public QObject {
 public:
  KeyClock(BackBufferView& view, QElapsedTimer& timer, Timing& timing)
      : timer_(timer), timing_(timing) {
    view.installEventFilter(this);
    view.SetPaintObserver([this](const QRegion& region) {
      if (timing_.arrived < 0 || timing_.shown >= 0) return;
      timing_.painted += region;
      if (region.contains(timing_.cell)) timing_.shown = timer_.nsecsElapsed();
    });
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && timing_.arrived < 0) {
      timing_.arrived = timer_.nsecsElapsed();
    }
    return false;
  }

 private:
  QElapsedTimer& timer_;
  Timing& timing_;
};

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

void Measure(const char* label, std::size_t textBytes, int keys, int gapMs) {
  test::WorkDir dir(false);
  const std::string text = MakeText(textBytes);
  AppendTest("tests.tst", MakeCodePage(kDefaultCodePage), "Bench", text);

  MainWindow window;
  if (!test::OpenWindow(window)) {
    std::printf("%s: the window did not open\n", label);
    return;
  }
  Program& program = window.program();
  ChooseTest(program, "Bench", true);
  QElapsedTimer loadTimer;
  loadTimer.start();
  OnChar(program, 13);
  const double loadMs = static_cast<double>(loadTimer.nsecsElapsed()) / 1e6;
  if (!program.TestRunning) {
    std::printf("%s: the run did not start\n", label);
    return;
  }
  std::size_t lineCount = 0;
  program.lines.WalkAll([&lineCount](const LinePair&) { ++lineCount; });

  // What one statistics tick costs on this test (it walks every line twice).
  QElapsedTimer tickTimer;
  tickTimer.start();
  for (int i = 0; i < 20; ++i) DrawStatsBar(program, ClockNow(program.clockSource));
  const double tickMs = static_cast<double>(tickTimer.nsecsElapsed()) / 1e6 / 20;
  QTest::qWait(50);

  QElapsedTimer timer;
  timer.start();
  Timing timing;
  KeyClock clock(window.view(), timer, timing);
  const int cw = program.layout.CharWidth;
  const int ch = program.layout.CharHeight;
  const int cellArea = cw * ch;
  const QRegion band(0, 0, program.layout.ClientWidth, ch);

  std::vector<double> latencies;
  std::vector<double> inLine;  // keys that stay on their line
  std::vector<double> scrolling;
  int twoCellsOrFewer = 0;
  int lineEnds = 0;
  int scrolls = 0;
  int worstOrdinaryCells = 0;
  int worstLineEndCells = 0;
  int missed = 0;
  for (int k = 0; k < keys && program.TestRunning; ++k) {
    const LinePair* pair = program.lines.GetItem();
    const std::size_t typed = std::char_traits<char>::length(pair->typed.get());
    char c = pair->target[typed];
    if (c == '\r' || c == '\0') c = ' ';
    const std::int32_t indexBefore = program.lines.Index();
    timing = Timing{};
    timing.cell = QRect(program.CaretX, program.CaretY, cw, ch);

    const QString keyText(QChar(static_cast<char16_t>(static_cast<unsigned char>(c))));
    QCoreApplication::postEvent(
        &window.view(), new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, keyText));
    QCoreApplication::postEvent(&window.view(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_unknown,
                                                              Qt::NoModifier, keyText));
    QElapsedTimer wait;
    wait.start();
    while (timing.shown < 0 && wait.elapsed() < 1000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    if (timing.shown < 0) {
      ++missed;
      continue;
    }
    const double ms = static_cast<double>(timing.shown - timing.arrived) / 1e6;
    latencies.push_back(ms);

    // Cells repainted for this key, leaving out the statistics band a tick may add.
    QTest::qWait(1);
    const QRegion page = timing.painted.subtracted(band);
    int area = 0;
    for (const QRect& r : page) area += r.width() * r.height();
    const int cells = (area + cellArea - 1) / cellArea;
    const bool newLine = program.lines.Index() != indexBefore;
    if (newLine && area >= program.layout.ClientWidth * (program.layout.ClientHeight - ch)) {
      ++scrolls;
      scrolling.push_back(ms);
    } else if (newLine) {
      ++lineEnds;
      worstLineEndCells = std::max(worstLineEndCells, cells);
    } else {
      inLine.push_back(ms);
      worstOrdinaryCells = std::max(worstOrdinaryCells, cells);
      if (cells <= 2) ++twoCellsOrFewer;
    }
    QTest::qWait(gapMs);
  }

  std::printf(
      "%s: %zu bytes, %zu display lines, begin %.1f ms, statistics tick %.3f ms\n"
      "  %zu keys timed (%d missed): median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n"
      "  within a line: %d keys repainted at most two cells (most: %d cells); "
      "%d line ends (most: %d cells), %d scrolls (whole window)\n"
      "  keys within a line: median %.3f ms, 99th percentile %.3f ms; "
      "scrolling keys: median %.3f ms, max %.3f ms\n",
      label, text.size(), lineCount, loadMs, tickMs, latencies.size(), missed,
      Percentile(latencies, 0.5), Percentile(latencies, 0.99),
      latencies.empty() ? 0.0 : *std::max_element(latencies.begin(), latencies.end()),
      twoCellsOrFewer, worstOrdinaryCells, lineEnds, worstLineEndCells, scrolls,
      Percentile(inLine, 0.5), Percentile(inLine, 0.99), Percentile(scrolling, 0.5),
      Percentile(scrolling, 1.0));
  std::fflush(stdout);
  OnCommand(program, IDM_END_TEST);
}

}  // namespace

int main(int argc, char** argv) {
  keyrill::qt::PrepareQtStartUp();  // as the program starts
  QApplication app(argc, argv);
  const int keys = argc > 1 ? std::atoi(argv[1]) : 2000;
  const int gapMs = argc > 2 ? std::atoi(argv[2]) : 5;
  std::printf("platform %s, %d keys, %d ms between keys\n",
              qPrintable(QGuiApplication::platformName()), keys, gapMs);
  Measure("1 MiB test", std::size_t{1} << 20, keys, gapMs);
  Measure("small test", 2500, keys, gapMs);
  return 0;
}
