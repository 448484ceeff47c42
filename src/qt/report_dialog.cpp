// The Report dialog, laid out from the dialogs' table and centred on the screen.
// Platform side (Qt).
#include "qt/report_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/dialog_layout.h"
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
    {DLG_REPORT_WPM_LABEL, DLG_REPORT_WPM_Y, IDC_WPM, "IDC_WPM", &ReportTexts::wordsPerMinute},
    {DLG_REPORT_WORDS_IN_TEST_LABEL, DLG_REPORT_WORDS_IN_TEST_Y, IDC_WORDS_IN_TEST,
     "IDC_WORDS_IN_TEST", &ReportTexts::wordsInTest},
    {DLG_REPORT_TIME_TAKEN_LABEL, DLG_REPORT_TIME_TAKEN_Y, IDC_TIME_TAKEN, "IDC_TIME_TAKEN",
     &ReportTexts::timeTaken},
    {DLG_REPORT_WORDS_TYPED_LABEL, DLG_REPORT_WORDS_TYPED_Y, IDC_WORDS_TYPED, "IDC_WORDS_TYPED",
     &ReportTexts::wordsTyped},
    {DLG_REPORT_CHARACTERS_LABEL, DLG_REPORT_CHARACTERS_Y, IDC_CHARACTERS, "IDC_CHARACTERS",
     &ReportTexts::characters},
}};
constexpr Row kErrorsRow = {DLG_REPORT_ERRORS_LABEL, DLG_REPORT_ERRORS_Y, IDC_ERRORS, "IDC_ERRORS",
                            &ReportTexts::errors};

QLineEdit* AddRow(QDialog& dialog, const Row& row, const ReportTexts& texts) {
  auto* label = new QLabel(QString::fromLatin1(row.label), &dialog);
  label->setGeometry(DialogRect(DLG_REPORT_LABEL_RECT(row.y)));
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);

  auto* field = new QLineEdit(&dialog);
  field->setObjectName(QString::fromLatin1(row.objectName));
  field->setProperty("controlId", row.controlId);
  field->setGeometry(DialogRect(DLG_REPORT_FIGURE_RECT(row.y)));
  field->setReadOnly(true);
  field->setFrame(false);
  field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // A read-only box shows the dialog's own background, as on Windows.
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  field->setPalette(palette);
  field->setText(QString::fromStdString(texts.*row.value));
  // Read with its label: the label-for relation, and the label as the field's name.
  label->setBuddy(field);
  field->setAccessibleName(label->text());
  return field;
}

}  // namespace

ReportDialog::ReportDialog(const ReportTexts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ok_(new QPushButton(QStringLiteral(DLG_REPORT_OK_TEXT), this)) {
  setObjectName(QStringLiteral("Report"));
  setWindowTitle(QStringLiteral(DLG_REPORT_CAPTION));
  PlaceDialog(*this, DialogRect(DLG_REPORT_RECT).size(), mainWindow, Centre::OnScreen);

  QWidget* previous = nullptr;
  QLineEdit* first = nullptr;
  for (const Row& row : kRowsBeforeOk) {
    QLineEdit* field = AddRow(*this, row, texts);
    if (previous != nullptr) setTabOrder(previous, field);
    if (first == nullptr) first = field;
    previous = field;
  }
  ok_->setObjectName(QStringLiteral("IDC_REPORT_OK"));
  ok_->setGeometry(DialogRect(DLG_REPORT_OK_RECT));
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
