// Holds a dialog that keyrill.exe has open against the documented template: its
// caption, font face, client size, its controls in order with class, id, text,
// style and position in pixels, and where it stands on the screen. Test side.
#pragma once

#include <windows.h>

#include "e2e_support.h"
#include "expected_resources.h"

namespace e2e {

enum class Placement { OnMainWindow, InWorkArea, Anywhere };

void CheckLiveDialog(HWND dialog, const ExpectedDialog& expected, Placement placement,
                     HWND mainWindow);
// The same check of the dialog the system makes, in this process, from the template
// compiled into the module (keyrill.exe opened as a resource file); here the font's
// face can be read as well.
void CheckDialogResource(HMODULE module, const ExpectedDialog& expected);

// A dialog with none but the dialogs' own font, made in this process, to turn
// dialog units into pixels exactly as the system does.
class DialogUnits {
 public:
  DialogUnits();
  ~DialogUnits();
  DialogUnits(const DialogUnits&) = delete;
  DialogUnits& operator=(const DialogUnits&) = delete;
  bool ok() const { return dialog_ != nullptr; }
  RECT ToPixels(int x, int y, int cx, int cy) const;

 private:
  HWND dialog_ = nullptr;
};

// A dialog of the process owned by the given window (a message box over a dialog).
HWND FindOwnedDialog(DWORD processId, HWND owner);
// The texts of a window's Static children, joined by "|".
std::string StaticTexts(HWND window);

}  // namespace e2e
