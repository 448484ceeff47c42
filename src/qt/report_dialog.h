// The Report: six read-only figures of a finished run, formatted by the core, and
// an OK button that is the only way out (no close box; Escape does nothing; Enter
// only while OK has the focus). Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QDialog>

#include "program/host.h"

class QPushButton;

namespace keyrill::qt {

class ReportDialog final : public QDialog {
 public:
  ReportDialog(const ReportTexts& texts, QWidget& mainWindow);

  // Escape, the window manager's close and anything else that would cancel.
  void reject() override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPushButton* ok_;
};

}  // namespace keyrill::qt
