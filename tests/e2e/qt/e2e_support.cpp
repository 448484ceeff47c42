// Helpers for the Qt end-to-end tests. Test side (Qt).
#include "e2e_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/report_rows.h"
#include "qt/back_buffer_view.h"
#include "qt/image_surface.h"
#include "qt/locale_code_page.h"

namespace keyrill::qt::test {

WorkDir::WorkDir(bool withSample) {
  if (withSample) AddSample();
}

void WorkDir::AddSample() const {
  std::filesystem::copy_file(KEYRILL_SAMPLE_LIBRARY, Library());
}

bool WindowTests::OpenFresh(bool withSample) {
  open_.reset();  // the last window and folder go before the new ones come
  open_.emplace(withSample);
  return OpenWindow(open_->window);
}

void WindowTests::init() {
  QVERIFY(OpenFresh(withSample_));
}

void WindowTests::cleanup() {
  open_.reset();
}

DialogMatch Named(const QString& objectName) {
  return {objectName,
          [objectName](const QDialog& dialog) { return dialog.objectName() == objectName; }};
}

DialogMatch AnyMessageBox() {
  return {QStringLiteral("a message box"), [](const QDialog& dialog) {
            return qobject_cast<const QMessageBox*>(&dialog) != nullptr;
          }};
}

QDialog* FindDialog(const DialogMatch& matches) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (dialog != nullptr && dialog->isVisible() && matches.matches(*dialog)) return dialog;
  }
  return nullptr;
}

QDialog* FindDialog(const QString& objectName) {
  return FindDialog(Named(objectName));
}

namespace {
constexpr int kPollMs = 10;
}  // namespace

void WhenDialogOpens(DialogMatch matches, std::function<void(QDialog&)> action,
                     std::shared_ptr<bool> ran, int timeoutMs) {
  struct Poll {
    DialogMatch matches;
    std::function<void(QDialog&)> action;
    std::shared_ptr<bool> ran;
    int left;
    static void Run(std::shared_ptr<Poll> poll) {
      if (poll->ran.use_count() == 1) return;  // nobody is waiting for it any more
      if (QDialog* dialog = FindDialog(poll->matches)) {
        *poll->ran = true;
        poll->action(*dialog);
        return;
      }
      poll->left -= kPollMs;
      if (poll->left > 0) {
        QTimer::singleShot(kPollMs, [poll] { Run(poll); });
      } else {
        qWarning("no %s opened within the poll's time", qPrintable(poll->matches.what));
      }
    }
  };
  auto poll = std::make_shared<Poll>(
      Poll{std::move(matches), std::move(action), std::move(ran), timeoutMs});
  QTimer::singleShot(0, [poll] { Poll::Run(poll); });
}

void WhenDialogOpens(const QString& objectName, std::function<void(QDialog&)> action,
                     std::shared_ptr<bool> ran, int timeoutMs) {
  WhenDialogOpens(Named(objectName), std::move(action), std::move(ran), timeoutMs);
}

DialogWatch::DialogWatch(DialogMatch matches, std::function<void(QDialog&)> action) {
  QObject::connect(&timer_, &QTimer::timeout,
                   [matches = std::move(matches), action = std::move(action)] {
                     if (QDialog* dialog = FindDialog(matches)) action(*dialog);
                   });
  timer_.start(kPollMs);
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

bool ThroughDialog(MainWindow& window, char letter, const QString& dialogName,
                   std::function<void(QDialog&)> action) {
  auto opened = std::make_shared<bool>(false);
  WhenDialogOpens(dialogName, std::move(action), opened);
  PressAccelerator(window, letter);
  if (!*opened) qWarning("Ctrl+%c opened no %s", letter, qPrintable(dialogName));
  return *opened;
}

bool SelectThroughDialog(MainWindow& window, const QString& name) {
  // Shared: a poll that outlives this call (the dialog never opened) may still run.
  auto found = std::make_shared<bool>(false);
  const bool opened =
      ThroughDialog(window, 'S', QStringLiteral("SelectTest"), [name, found](QDialog& dialog) {
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
      });
  return opened && *found && FindDialog(QStringLiteral("SelectTest")) == nullptr;
}

bool BeginThroughDialog(MainWindow& window, const QString& name) {
  if (!SelectThroughDialog(window, name)) return false;
  QTest::keyClick(&window.view(), Qt::Key_Return);
  return window.program().TestRunning;
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

ReportTexts ReadReport(const QDialog& report) {
  ReportTexts shown;
  for (const ReportRow& row : kReportRows) {
    const auto* field = report.findChild<QLineEdit*>(QString::fromLatin1(row.controlName));
    shown.*row.figure = field != nullptr && field->isReadOnly() ? field->text().toStdString() : "?";
  }
  return shown;
}

void CloseReport(QDialog& report) {
  auto* ok = report.findChild<QPushButton*>(QStringLiteral("IDC_REPORT_OK"));
  if (ok != nullptr) {
    ok->click();
  } else {
    qWarning("the Report has no OK button; closed without it");
    report.done(QDialog::Rejected);
  }
}

std::shared_ptr<bool> WhenReportOpens(ReportTexts& shown, int timeoutMs) {
  auto opened = std::make_shared<bool>(false);
  WhenDialogOpens(
      QStringLiteral("Report"),
      [&shown](QDialog& report) {
        shown = ReadReport(report);
        CloseReport(report);
      },
      opened, timeoutMs);
  return opened;
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
