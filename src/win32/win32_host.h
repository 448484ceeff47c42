// The main window's services to the core on Windows: repaint marking, the two
// timers, closing, the four modal dialogs and the fatal error box. Platform side
// (Win32): implements the core's Host with USER calls on the main window.
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>

#include "program/host.h"
#include "win32/display_scale.h"

namespace keyrill::win32 {

class Win32Host final : public Host {
 public:
  Win32Host(HWND window, HINSTANCE instance, DisplayScale scale)
      : window_(window), instance_(instance), scale_(scale) {}
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

  void Invalidate(const Rect& rect, bool erase) override;
  void InvalidateAll(bool erase) override;
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void CloseMainWindow() override;
  void ShowSelectTest() override;
  void ShowAddTest() override;
  void ShowEditTest() override;
  void ShowReport(const ReportTexts& texts) override;
  [[noreturn]] void FatalError(const char* text) override;

  HWND Window() const { return window_; }
  // The figures the open Report shows; null while no Report is open.
  const ReportTexts* PendingReport() const { return pendingReport_; }

 private:
  void RunDialog(int templateId, DLGPROC procedure);

  HWND window_;
  HINSTANCE instance_;
  DisplayScale scale_;  // the core marks 96-DPI rectangles
  const ReportTexts* pendingReport_ = nullptr;
};

}  // namespace keyrill::win32
