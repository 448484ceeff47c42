// The core's Host on Windows: InvalidateRect, SetTimer/KillTimer, the destroy
// message for closing, DialogBoxParamA for the dialogs, MessageBoxA for the one
// fatal error. Platform side (Win32).
#include "win32/win32_host.h"

#include <cstdlib>

#include "app/resource_ids.h"
#include "win32/dialogs.h"

namespace keyrill::win32 {

void Win32Host::Invalidate(const Rect& rect, bool erase) {
  const RECT area = scale_.ToDevice(rect);
  InvalidateRect(window_, &area, erase ? TRUE : FALSE);
}

void Win32Host::InvalidateAll(bool erase) {
  InvalidateRect(window_, nullptr, erase ? TRUE : FALSE);
}

void Win32Host::StartTimer(int id, int periodMs) {
  SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
}

void Win32Host::StopTimer(int id) {
  KillTimer(window_, static_cast<UINT_PTR>(id));
}

// Exit ends the program exactly as the close box does: through the window's
// WM_DESTROY, posted to the window itself, which releases the drawing objects and
// posts the quit message.
void Win32Host::CloseMainWindow() {
  PostMessageA(window_, WM_DESTROY, 0, 0);
}

void Win32Host::RunDialog(int templateId, DLGPROC procedure) {
  DialogBoxParamA(instance_, MAKEINTRESOURCEA(templateId), window_, procedure, 0);
}

void Win32Host::ShowSelectTest() {
  RunDialog(IDD_SELECT_TEST, SelectTestProc);
}
void Win32Host::ShowAddTest() {
  RunDialog(IDD_ADD_TEST, AddTestProc);
}
void Win32Host::ShowEditTest() {
  RunDialog(IDD_EDIT_TEST, EditTestProc);
}

void Win32Host::ShowReport(const ReportTexts& texts) {
  // The dialog's initial parameter stays 0; ReportProc finds the figures here,
  // through its owner, for as long as the dialog runs.
  pendingReport_ = &texts;
  RunDialog(IDD_REPORT, ReportProc);
  pendingReport_ = nullptr;
}

void Win32Host::FatalError(const char* text) {
  MessageBoxA(window_, text, "Error", MB_OK);
  // The run-time's normal exit, so the exit handlers still run.
  std::exit(1);
}

}  // namespace keyrill::win32
