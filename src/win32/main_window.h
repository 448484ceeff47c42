// The main window of class "CForm": the state one window owns (surface, host,
// clock, program) and its window procedure. Platform side (Win32).
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>

#include "program/program.h"
#include "results/clock.h"
#include "win32/ansi_code_page.h"
#include "win32/assistive_publisher.h"
#include "win32/com_apartment.h"
#include "win32/display_scale.h"
#include "win32/gdi_surface.h"
#include "win32/win32_host.h"

namespace keyrill::win32 {

// Everything the main window owns. WM_CREATE makes it (the back buffer needs the
// window) and attaches it to the window; WinMain takes ownership right after
// CreateWindowExA returns and keeps it until the message loop has ended.
struct MainWindow {
  MainWindow(HWND window, HINSTANCE instance, DisplayScale scale)
      : surface(window, scale),
        host(window, instance, scale),
        program(surface, host, clock, AnsiCodePage()),
        assistive(window, scale, program) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  ComApartment com;  // first in, last out: the MSAA object lives in it
  SteadyClock clock;
  GdiSurface surface;
  Win32Host host;
  Program program;
  AssistivePublisher assistive;  // reads the program: made after it, gone before it
  bool closed = false;           // set by WM_DESTROY: input is no longer routed
};

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The state attached to a main window, or null (before WM_CREATE, after Detach).
MainWindow* MainWindowOf(HWND window);
// Unhooks the state from a window that is still alive, so that nothing reaches
// the state once its owner lets it go.
void DetachMainWindow(HWND window);

}  // namespace keyrill::win32
