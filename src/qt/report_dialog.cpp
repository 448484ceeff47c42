// The Report dialog, laid out from the dialogs' table and centred on the screen.
// Platform side (Qt).
#include "qt/report_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialog_layout.h"
#include "app/report_rows.h"
#include "qt/dialog_geometry.h"

namespace keyrill::qt {
namespace {

QLineEdit* AddRow(QDialog& dialog, const ReportRow& row, const ReportTexts& texts) {
  auto* label = new QLabel(QString::fromLatin1(row.label), &dialog);
  label->setGeometry(DialogRect(DLG_REPORT_LABEL_RECT(row.y)));
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);

  auto* field = new QLineEdit(&dialog);
  field->setObjectName(QString::fromLatin1(row.controlName));
  field->setProperty("controlId", row.controlId);
  field->setGeometry(DialogRect(DLG_REPORT_FIGURE_RECT(row.y)));
  field->setReadOnly(true);
  field->setFrame(false);
  field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // A read-only box shows the dialog's own background, as on Windows.
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  field->setPalette(palette);
  field->setText(QString::fromStdString(texts.*row.figure));
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

  ok_->setObjectName(QStringLiteral("IDC_REPORT_OK"));
  ok_->setGeometry(DialogRect(DLG_REPORT_OK_RECT));
  ok_->setAutoDefault(false);
  ok_->setDefault(false);
  connect(ok_, &QPushButton::clicked, this, [this] { done(0); });

  // The fields in the template's order, the OK button in its place among them.
  QWidget* previous = nullptr;
  QLineEdit* first = nullptr;
  for (std::size_t i = 0; i < kReportRows.size(); ++i) {
    QLineEdit* field = AddRow(*this, kReportRows[i], texts);
    if (i == kReportRowsBeforeOk) {
      setTabOrder(previous, ok_);
      previous = ok_;
    }
    if (previous != nullptr) setTabOrder(previous, field);
    if (first == nullptr) first = field;
    previous = field;
  }

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
