// The Select Test dialog: the library's names, and a double-click as the only way
// to choose one. Platform side (Qt); the choice itself is the core's ChooseTest.
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QDialog>

#include "program/program.h"

namespace keyrill::qt {

class TestNameList;

class SelectTestDialog final : public QDialog {
 public:
  SelectTestDialog(Program& program, QWidget& mainWindow);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Program& program_;
  TestNameList* list_;
};

}  // namespace keyrill::qt
