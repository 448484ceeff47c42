// What assistive technology reads of the main window on Qt: the typing area as
// accessible text (the line to type above what is typed on it, as drawn, or the
// idle rows), its caret's cell, the bar's last text as a status bar, and the line
// that becomes current spoken as a notification. Everything is read from the core's
// ReadScreen when asked; events go out only while an assistive technology listens.
// Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QString>
#include <QWidget>

namespace keyrill::qt {

class BackBufferView;

// Registers the factory that gives the view, the bar and the announcer their
// accessible interfaces. Call before any of them is first asked for one.
void InstallAccessibleFactory();

// Adds the two invisible objects that only assistive technology sees (the bar's
// text and the announcer of a new line) to the main window.
void AddAccessibleObjects(QWidget& mainWindow, const BackBufferView& view);

// Brackets anything that may change the typing area (a key, a command): what was
// read before is compared with what is there when it ends, and the differences go
// out as text, caret and announcement events. Does nothing while nobody listens.
class TypingAreaChange {
 public:
  explicit TypingAreaChange(BackBufferView& view);
  ~TypingAreaChange();
  TypingAreaChange(const TypingAreaChange&) = delete;
  TypingAreaChange& operator=(const TypingAreaChange&) = delete;

 private:
  BackBufferView& view_;
  const bool listened_;
  bool running_ = false;
  int lineIndex_ = -1;
  QString text_;
  int caret_ = 0;
};

}  // namespace keyrill::qt
