// The Report dialog, 169 x 135 dialog units, centred on the screen. Platform side (Qt).
#include "qt/report_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/resource_ids.h"
#include "qt/dialog_geometry.h"

namespace keyrill::qt {
namespace {

struct Row {
  const char* label;
  int y;  // dialog units; label and field share the row
  int controlId;
  const char* objectName;
  std::string ReportTexts::*value;
};

// In the template's order, which is the tab order of the fields.
constexpr std::array<Row, 5> kRowsBeforeOk = {{
    {"Words Per Minutes:", 15, IDC_WPM, "IDC_WPM", &ReportTexts::wordsPerMinute},
    {"Words In Test:", 31, IDC_WORDS_IN_TEST, "IDC_WORDS_IN_TEST", &ReportTexts::wordsInTest},
    {"Time Taken:", 63, IDC_TIME_TAKEN, "IDC_TIME_TAKEN", &ReportTexts::timeTaken},
    {"Words Typed:", 47, IDC_WORDS_TYPED, "IDC_WORDS_TYPED", &ReportTexts::wordsTyped},
    {"Charactars:", 78, IDC_CHARACTERS, "IDC_CHARACTERS", &ReportTexts::characters},
}};
constexpr Row kErrorsRow = {"Errors:", 93, IDC_ERRORS, "IDC_ERRORS", &ReportTexts::errors};

QLineEdit* AddRow(QDialog& dialog, const Row& row, const ReportTexts& texts) {
  auto* label = new QLabel(QString::fromLatin1(row.label), &dialog);
  label->setGeometry(DialogRect(7, row.y, 65, 8));
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);

  auto* field = new QLineEdit(&dialog);
  field->setObjectName(QString::fromLatin1(row.objectName));
  field->setProperty("controlId", row.controlId);
  field->setGeometry(DialogRect(77, row.y, 59, 12));
  field->setReadOnly(true);
  field->setFrame(false);
  field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // A read-only box shows the dialog's own background, as on Windows.
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  field->setPalette(palette);
  field->setText(QString::fromStdString(texts.*row.value));
  return field;
}

}  // namespace

ReportDialog::ReportDialog(const ReportTexts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ok_(new QPushButton(QStringLiteral("&OK"), this)) {
  setObjectName(QStringLiteral("Report"));
  setWindowTitle(QStringLiteral("Report"));
  PlaceDialog(*this, DialogRect(0, 0, 169, 135).size(), mainWindow, Centre::OnScreen);

  QWidget* previous = nullptr;
  QLineEdit* first = nullptr;
  for (const Row& row : kRowsBeforeOk) {
    QLineEdit* field = AddRow(*this, row, texts);
    if (previous != nullptr) setTabOrder(previous, field);
    if (first == nullptr) first = field;
    previous = field;
  }
  ok_->setObjectName(QStringLiteral("IDC_REPORT_OK"));
  ok_->setGeometry(DialogRect(112, 114, 50, 14));
  ok_->setAutoDefault(false);
  ok_->setDefault(false);
  connect(ok_, &QPushButton::clicked, this, [this] { done(0); });
  setTabOrder(previous, ok_);
  setTabOrder(ok_, AddRow(*this, kErrorsRow, texts));

  first->setFocus();  // the first tab stop, the words-per-minute field
}

void ReportDialog::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && focusWidget() == ok_) {
    ok_->click();
  }
  // Enter elsewhere and Escape are swallowed; the rest finds nothing to do here.
  event->accept();
}

}  // namespace keyrill::qt
