// Accessible names for the dialogs' controls that have no label of their own
// (the name and text boxes, the list of tests) and for the Report's figures,
// whose labels stand apart from them in the template. Platform side (Win32):
// dynamic annotation through the system's IAccPropServices, where it is offered;
// where it is not, the controls keep the system's default names.
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>

namespace keyrill::win32 {

// WM_INITDIALOG: names every listed control the dialog has.
void NameDialogControls(HWND dialog);
// WM_DESTROY: takes the names back, so none outlives its control.
void ClearDialogControlNames(HWND dialog);

}  // namespace keyrill::win32
