// The dialog procedures of the four modal dialogs, built from the resource
// templates. Platform side (Win32); every effect is a call into the core.
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>

namespace keyrill::win32 {

INT_PTR CALLBACK SelectTestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AddTestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK EditTestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ReportProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace keyrill::win32
