// Add Test and Edit Test, laid out from the dialogs' table. Platform side (Qt).
#include "qt/entry_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "app/dialog_actions.h"
#include "app/dialog_layout.h"
#include "app/resource_ids.h"
#include "library/text_mode_reader.h"
#include "qt/code_page_text.h"
#include "qt/dialog_geometry.h"
#include "qt/name_list.h"
#include "qt/text_box.h"

namespace keyrill::qt {

TestEntryDialog::TestEntryDialog(Program& program, QWidget& mainWindow, EntryKind kind)
    : QDialog(&mainWindow),
      program_(program),
      name_(new QLineEdit(this)),
      text_(new TestTextBox(this)),
      button_(new QPushButton(this)) {
  const bool edit = kind == EntryKind::Edit;
  setObjectName(edit ? QStringLiteral("EditTest") : QStringLiteral("AddTest"));
  setWindowTitle(QString::fromLatin1(edit ? DLG_EDIT_CAPTION : DLG_ADD_CAPTION));
  PlaceDialog(*this, edit ? DialogRect(DLG_EDIT_RECT).size() : DialogRect(DLG_ADD_RECT).size(),
              mainWindow, Centre::OnMainWindow);

  // The boxes and the list have no visible label: screen readers get names.
  name_->setObjectName(QStringLiteral("IDC_TEST_NAME"));
  name_->setAccessibleName(QStringLiteral(DLG_ENTRY_NAME_ACCESSIBLE));
  name_->setGeometry(DialogRect(DLG_ENTRY_NAME_RECT));
  name_->setMaxLength(kNameLimit);  // typed or pasted
  // A name is one line: a pasted text keeps only its first line, as a one-line
  // edit box takes it.
  connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) {
    const qsizetype cut = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    if (cut >= 0) name_->setText(text.left(cut));
  });

  text_->setObjectName(QStringLiteral("IDC_TEST_TEXT"));
  text_->setAccessibleName(QStringLiteral(DLG_ENTRY_TEXT_ACCESSIBLE));
  text_->setGeometry(DialogRect(DLG_ENTRY_TEXT_RECT));

  button_->setObjectName(edit ? QStringLiteral("IDC_UPDATE_BUTTON")
                              : QStringLiteral("IDC_ADD_BUTTON"));
  button_->setText(QString::fromLatin1(edit ? DLG_UPDATE_BUTTON_TEXT : DLG_ADD_BUTTON_TEXT));
  button_->setGeometry(DialogRect(DLG_ENTRY_BUTTON_RECT));
  button_->setDefault(true);
  connect(button_, &QPushButton::clicked, this, [this] { Save(); });

  if (edit) {
    list_ = new TestNameList(this);
    list_->setObjectName(QStringLiteral("IDC_TEST_LIST"));
    list_->setGeometry(DialogRect(DLG_EDIT_LIST_RECT));
    list_->Fill(program_);
    list_->SetDoubleClickHandler([this] {
      const std::optional<std::string> name = list_->SelectedName();
      ChooseTest(program_, name ? name->c_str() : nullptr, false);
      name_->setText(DecodeBytes(program_.SelectedTest.data(), program_.codePage));
    });
    // The template's order: Update, text, name, list; Update has the focus first.
    setTabOrder(button_, text_);
    setTabOrder(text_, name_);
    setTabOrder(name_, list_);
    button_->setFocus();
  } else {
    setTabOrder(name_, text_);
    setTabOrder(text_, button_);
    name_->setFocus();
  }
}

void TestEntryDialog::keyPressEvent(QKeyEvent* event) {
  // Enter in either box (the text box leaves plain Enter to us) presses the
  // default button; Escape closes without saving.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    button_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TestEntryDialog::Save() {
  const std::string name = EncodeText(name_->text(), program_.codePage);
  const std::string text = text_->TextBytes(program_.codePage);
  if (SaveTest(program_, name, text)) {
    done(0);
    return;
  }
  // Nothing was stored: say so, and keep the dialog and all it holds.
  QMessageBox::warning(this, windowTitle(), QString::fromLatin1(SaveFailedText(program_, name)));
}

}  // namespace keyrill::qt
