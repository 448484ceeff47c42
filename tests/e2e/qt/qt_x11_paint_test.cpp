// The typing area on a real X display: what the X server holds for the view's window
// must equal the back buffer, after every kind of change (a key, a timer tick, a
// dialog closed over it, an expose, a window grown past the image), and a key's cells
// must be in the window before the key's event returns, not a loop turn later. Run
// with the X11 presenter and, with KEYRILL_X11_PRESENTER=0, with Qt's own painting.
// Test side (Qt on X11; run under xvfb-run with QT_QPA_PLATFORM=xcb).
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <string>

#include "e2e_support.h"
#include "present/presenter.h"
#include "present/x11_shared_pixels.h"
#include "qt/back_buffer_view.h"

using namespace keyrill;
using namespace keyrill::qt;
using namespace keyrill::qt::test;

namespace {

// The view's window as the X server holds it.
QImage ServerPixels(MainWindow& window) {
  QScreen* screen = window.screen();
  return screen->grabWindow(window.view().winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The first pixel where the server's copy differs from the back buffer inside
// `rect` (device pixels), as "x,y", or empty.
std::string FirstDifference(const QImage& server, const QImage& buffer, const QRect& rect) {
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (server.pixel(x, y) != buffer.pixel(x, y)) {
        return std::to_string(x) + "," + std::to_string(y);
      }
    }
  }
  return {};
}

std::string CompareWithBuffer(MainWindow& window) {
  const QImage server = ServerPixels(window);
  const QImage& buffer = window.backBuffer();
  if (server.size() != buffer.size()) return "sizes differ";
  return FirstDifference(server, buffer, buffer.rect());
}

}  // namespace

class QtX11PaintTest : public WindowTests {
  Q_OBJECT

 public:
  QtX11PaintTest() : WindowTests(true) {}

 private Q_SLOTS:
  void initTestCase() {
    // Xvfb's 24-bit screen is the presenter's; only the switch turns it off.
    const bool off = qgetenv("KEYRILL_X11_PRESENTER") == "0";
    QCOMPARE(present::PresenterAvailable(), !off);
  }

  void serverHoldsTheBackBufferAfterEveryChange() {
    struct Step {
      const char* what;
      std::function<void()> act;
    };
    const std::vector<Step> steps = {
        {"the idle screen", [] {}},
        {"a test chosen in Select Test, the dialog closed over the view",
         [this] { QVERIFY(SelectThroughDialog(window(), QStringLiteral("Warm-up"))); }},
        {"Enter, then keys typed", [this] { TypeText(window(), "\rThe qu"); }},
        {"a wrong key and Backspace", [this] { TypeText(window(), "x\b"); }},
        {"ticks of the statistics bar and the caret's blink", [] { QTest::qWait(650); }},
        {"a black window opened over the view and closed: an expose",
         [this] {
           QWidget cover;
           cover.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
           cover.setAutoFillBackground(true);
           cover.setPalette(QPalette(Qt::black));
           cover.setGeometry(window().geometry());
           cover.show();
           QVERIFY(QTest::qWaitForWindowExposed(&cover));
           QTest::qWait(50);
           cover.hide();
           QTest::qWait(200);  // the expose reaches the view, which paints it again
         }},
        {"Add Test opened and cancelled over the view",
         [this] {
           auto ran = std::make_shared<bool>(false);
           WhenDialogOpens(
               QStringLiteral("AddTest"), [](QDialog& d) { d.reject(); }, ran);
           PressAccelerator(window(), 'A');
           QVERIFY(*ran);
         }},
    };
    for (const Step& step : steps) {
      step.act();
      // The queued puts of ticks and commands go out on this turn of the loop. A tick
      // that fires inside it queues one more put: deliver that too (posted events
      // alone run no timer), so nothing changes between here and the comparison.
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents();
      const std::string difference = CompareWithBuffer(window());
      QVERIFY2(difference.empty(), (std::string(step.what) + ": differs at " + difference).c_str());
    }
    QCOMPARE(window().view().Presented(), present::PresenterAvailable());
    // Xvfb shares memory unless started without MIT-SHM.
    QCOMPARE(window().view().PresentsThroughSharedMemory(),
             qgetenv("KEYRILL_TEST_SHARED_MEMORY") == "1");
  }

  void aKeysCellsAreOnTheServerBeforeItsEventReturns() {
    QVERIFY(SelectThroughDialog(window(), QStringLiteral("Warm-up")));
    TypeText(window(), "\r");
    QCoreApplication::processEvents();
    for (const char c : std::string("The quick")) {
      const QImage before = window().backBuffer().copy();
      QTest::keyClick(&window().view(), c);  // no event loop turn after it
      const QImage& after = window().backBuffer();
      const QImage server = ServerPixels(window());
      // Every pixel the key changed in the back buffer is already on the server.
      for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
          if (before.pixel(x, y) == after.pixel(x, y)) continue;
          QVERIFY2(server.pixel(x, y) == after.pixel(x, y),
                   (std::string("key '") + c + "' not yet shown at " + std::to_string(x) + "," +
                    std::to_string(y))
                       .c_str());
        }
      }
    }
  }

  void copiedPixelsAreTheImagesOwn() {
    // Every pixel different, so a row or column off by one shows.
    QImage image(40, 9, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 6, y * 25, 7));
    }
    struct Case {
      const char* what;
      QRect part;
      int toWidth;  // pixels a row at the destination
    };
    const Case cases[] = {
        {"whole rows into rows as wide", QRect(0, 2, 40, 5), 40},
        {"a cell packed", QRect(13, 1, 6, 7), 6},
        {"a cell into a wider copy", QRect(13, 1, 6, 7), 40},
        {"the last column, one pixel", QRect(39, 8, 1, 1), 1},
        {"whole rows into wider rows", QRect(0, 0, 40, 9), 44},
    };
    for (const Case& c : cases) {
      const auto stride = static_cast<std::size_t>(c.toWidth) * 4;
      std::vector<std::uint32_t> to(static_cast<std::size_t>(c.toWidth) * c.part.height(), 0);
      present::CopyPixels(image, c.part, reinterpret_cast<std::uint8_t*>(to.data()), stride);
      for (int y = 0; y < c.part.height(); ++y) {
        for (int x = 0; x < c.part.width(); ++x) {
          const std::uint32_t got = to[static_cast<std::size_t>(y) * c.toWidth + x];
          QVERIFY2(
              got == image.pixel(c.part.x() + x, c.part.y() + y),
              (std::string(c.what) + ": wrong at " + std::to_string(x) + "," + std::to_string(y))
                  .c_str());
        }
      }
    }
  }

  void aWindowGrownPastTheImageIsWhiteThere() {
    const QSize image = window().backBuffer().size();  // device pixels
    const qreal logicalWidth = window().backBuffer().deviceIndependentSize().width();
    window().resize(window().width() + 60, window().height() + 40);
    QTRY_VERIFY(window().view().width() > logicalWidth);
    QTest::qWait(100);
    QCoreApplication::processEvents();
    const QImage server = ServerPixels(window());
    QCOMPARE(FirstDifference(server, window().backBuffer(), window().backBuffer().rect()),
             std::string());
    const QRect past(image.width(), 0, server.width() - image.width(), server.height());
    for (int y = past.top(); y <= past.bottom(); ++y) {
      for (int x = past.left(); x <= past.right(); ++x) {
        QVERIFY2(server.pixel(x, y) == qRgb(255, 255, 255),
                 ("not white at " + std::to_string(x) + "," + std::to_string(y)).c_str());
      }
    }
  }
};

QTEST_MAIN(QtX11PaintTest)
#include "qt_x11_paint_test.moc"
