// Add Test (253 x 196 dialog units) and Edit Test (356 x 198). Platform side (Qt).
#include "qt/entry_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "app/dialog_actions.h"
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
  setWindowTitle(edit ? QStringLiteral("Edit Test") : QStringLiteral("Add Test"));
  PlaceDialog(*this, edit ? DialogRect(0, 0, 356, 198).size() : DialogRect(0, 0, 253, 196).size(),
              mainWindow, Centre::OnMainWindow);

  name_->setObjectName(QStringLiteral("IDC_TEST_NAME"));
  name_->setGeometry(DialogRect(7, 7, 183, 14));
  name_->setMaxLength(kNameLimit);  // typed or pasted
  // A name is one line: a pasted text keeps only its first line, as a one-line
  // edit box takes it.
  connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) {
    const qsizetype cut = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    if (cut >= 0) name_->setText(text.left(cut));
  });

  text_->setObjectName(QStringLiteral("IDC_TEST_TEXT"));
  text_->setGeometry(DialogRect(7, 25, 239, 164));

  button_->setObjectName(edit ? QStringLiteral("IDC_UPDATE_BUTTON")
                              : QStringLiteral("IDC_ADD_BUTTON"));
  button_->setText(edit ? QStringLiteral("Update") : QStringLiteral("&Add Test"));
  button_->setGeometry(DialogRect(196, 7, 50, 14));
  button_->setDefault(true);
  connect(button_, &QPushButton::clicked, this, [this] { Save(); });

  if (edit) {
    list_ = new TestNameList(this);
    list_->setObjectName(QStringLiteral("IDC_TEST_LIST"));
    list_->setGeometry(DialogRect(249, 7, 100, 183));
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
  QMessageBox::warning(this, windowTitle(), QString::fromLatin1(SaveFailedText(program_)));
}

}  // namespace keyrill::qt
