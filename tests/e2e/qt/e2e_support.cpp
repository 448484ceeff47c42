// Helpers for the Qt end-to-end tests. Test side (Qt).
#include "e2e_support.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "qt/back_buffer_view.h"
#include "qt/image_surface.h"
#include "qt/locale_code_page.h"

namespace keyrill::qt::test {

WorkDir::WorkDir(bool withSample) {
  if (withSample) std::filesystem::copy_file(KEYRILL_SAMPLE_LIBRARY, Library());
}

QDialog* FindDialog(const QString& objectName) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (dialog != nullptr && dialog->isVisible() && dialog->objectName() == objectName) {
      return dialog;
    }
  }
  return nullptr;
}

void WhenDialogOpens(const QString& objectName, std::function<void(QDialog&)> action,
                     std::shared_ptr<bool> ran, int timeoutMs) {
  struct Poll {
    QString name;
    std::function<void(QDialog&)> action;
    std::shared_ptr<bool> ran;
    int left;
    static void Run(std::shared_ptr<Poll> poll) {
      if (QDialog* dialog = FindDialog(poll->name)) {
        *poll->ran = true;
        poll->action(*dialog);
        return;
      }
      poll->left -= 10;
      if (poll->left > 0) QTimer::singleShot(10, [poll] { Run(poll); });
    }
  };
  auto poll =
      std::make_shared<Poll>(Poll{objectName, std::move(action), std::move(ran), timeoutMs});
  QTimer::singleShot(0, [poll] { Poll::Run(poll); });
}

bool OpenWindow(MainWindow& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

void PressAccelerator(MainWindow& window, char letter) {
  // A window manager gives the activation back to the main window when a dialog
  // closes; the headless platform does it late, so wait for it.
  if (!window.isActiveWindow()) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qWarning("the main window did not become active");
  }
  QTest::keyClick(&window.view(), static_cast<Qt::Key>(letter), Qt::ControlModifier);
}

bool SelectThroughDialog(MainWindow& window, const QString& name) {
  auto found = std::make_shared<bool>(false);
  auto opened = std::make_shared<bool>(false);
  WhenDialogOpens(
      QStringLiteral("SelectTest"),
      [name, found](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("IDC_TEST_LIST"));
        if (list == nullptr) return;
        const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
        if (items.isEmpty()) {
          dialog.reject();
          return;
        }
        *found = true;
        const QPoint centre = list->visualItemRect(items.first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
      },
      opened);
  PressAccelerator(window, 'S');
  return *opened && *found && FindDialog(QStringLiteral("SelectTest")) == nullptr;
}

void TypeText(MainWindow& window, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '\r':
        QTest::keyClick(&window.view(), Qt::Key_Return);
        break;
      case '\t':
        QTest::keyClick(&window.view(), Qt::Key_Tab);
        break;
      case '\b':
        QTest::keyClick(&window.view(), Qt::Key_Backspace);
        break;
      default:
        QTest::keyClick(&window.view(), c);
        break;
    }
  }
}

std::vector<LineTexts> RunLines(Program& program) {
  std::vector<LineTexts> lines;
  program.lines.WalkAll([&lines](const LinePair& pair) {
    lines.push_back({pair.target.get(), pair.typed.get()});
  });
  return lines;
}

namespace {
QRgb PixelAt(const QImage& image, int x, int y) {
  const qreal ratio = image.devicePixelRatio();
  return image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}
}  // namespace

bool ShowsText(const QImage& image, Font font, int x, int y, const std::string& text) {
  const qreal ratio = image.devicePixelRatio();
  const QSize logical = image.deviceIndependentSize().toSize();
  const CodePage codePage = MakeCodePage(CodePageFromEnvironment());
  ImageSurface surface(codePage);
  surface.Create(logical.width(), logical.height(), ratio);
  surface.UseFont(font);
  const auto count = static_cast<std::int32_t>(text.size());
  surface.DrawBytes(x, y, text.data(), count);
  const Extent extent = surface.MeasureBytes(text.data(), count);
  const QRectF area(x * ratio, y * ratio, extent.cx * ratio, extent.cy * ratio);
  return image.copy(area.toRect()) == surface.image().copy(area.toRect());
}

bool IsDark(const QImage& image, int x, int y) {
  return qGray(PixelAt(image, x, y)) < 96;
}
bool IsWhite(const QImage& image, int x, int y) {
  return PixelAt(image, x, y) == qRgb(255, 255, 255);
}

int DarkPixels(const QImage& image, const QRect& rect) {
  int dark = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) dark += IsDark(image, x, y) ? 1 : 0;
  }
  return dark;
}

bool AllWhite(const QImage& image, const QRect& rect) {
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (!IsWhite(image, x, y)) return false;
    }
  }
  return true;
}

bool AllBlack(const QImage& image, const QRect& rect) {
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (PixelAt(image, x, y) != qRgb(0, 0, 0)) return false;
    }
  }
  return true;
}

}  // namespace keyrill::qt::test
