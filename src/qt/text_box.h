// The test text box of Add Test and Edit Test: no wrapping, no scroll bars, no
// vertical scrolling. Enter is left to the dialog (it presses the default button),
// Ctrl+Enter breaks the line, and a line break that would pass the last visible
// line is refused with a beep. Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QPlainTextEdit>
#include <string>

#include "program/code_page.h"

namespace keyrill::qt {

class TestTextBox final : public QPlainTextEdit {
 public:
  explicit TestTextBox(QWidget* parent);

  // The content as bytes of the code page, lines separated by CR LF.
  std::string TextBytes(const CodePage& codePage) const;
  // How many lines the box shows, and so holds.
  int VisibleLines() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // Whether breaks more line breaks still fit; beeps when they do not.
  bool RoomForBreaks(int breaks) const;
};

}  // namespace keyrill::qt
