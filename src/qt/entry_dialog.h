// Add Test and Edit Test: a name box, the text box and a default button that saves
// through the core's SaveTest; Edit Test adds the list of names, whose double-click
// fills the name box. A save that fails is reported and the dialog stays open with
// everything typed. Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QDialog>

#include "program/program.h"

class QLineEdit;
class QPushButton;

namespace keyrill::qt {

class TestNameList;
class TestTextBox;

enum class EntryKind { Add, Edit };

class TestEntryDialog final : public QDialog {
 public:
  TestEntryDialog(Program& program, QWidget& mainWindow, EntryKind kind);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Save();

  Program& program_;
  QLineEdit* name_;
  TestTextBox* text_;
  QPushButton* button_;
  TestNameList* list_ = nullptr;
};

}  // namespace keyrill::qt
