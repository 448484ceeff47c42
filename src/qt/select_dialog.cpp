// Select Test: one list, laid out from the dialogs' table. Platform side (Qt).
#include "qt/select_dialog.h"

#include <QKeyEvent>

#include "app/dialog_actions.h"
#include "app/dialog_layout.h"
#include "app/resource_ids.h"
#include "qt/dialog_geometry.h"
#include "qt/name_list.h"

namespace keyrill::qt {

SelectTestDialog::SelectTestDialog(Program& program, QWidget& mainWindow)
    : QDialog(&mainWindow), program_(program), list_(new TestNameList(this)) {
  setObjectName(QStringLiteral("SelectTest"));
  setWindowTitle(QStringLiteral(DLG_SELECT_CAPTION));
  PlaceDialog(*this, DialogRect(DLG_SELECT_RECT).size(), mainWindow, Centre::OnMainWindow);

  list_->setObjectName(QStringLiteral("IDC_TEST_LIST"));
  list_->setProperty("controlId", IDC_TEST_LIST);
  list_->setGeometry(DialogRect(DLG_SELECT_LIST_RECT));
  list_->Fill(program_);
  list_->SetDoubleClickHandler([this] {
    const std::optional<std::string> name = list_->SelectedName();
    ChooseTest(program_, name ? name->c_str() : nullptr, true);
    done(0);
  });
  list_->setFocus();
}

void SelectTestDialog::keyPressEvent(QKeyEvent* event) {
  // Enter chooses nothing: only a double-click does. Escape still closes.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace keyrill::qt
