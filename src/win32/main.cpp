// keyrill.exe's entry: registers the "CForm" class, creates the main window, and
// runs the message loop with the accelerators. Platform side (Win32); the core
// (src/program, src/library, src/results, src/run, src/app) holds every rule.
//
// What the Win32 layer provides, and what it does not:
//  [x] Window class "CForm" (icon IDI_APP, arrow cursor, menu IDR_MENU, white
//      background); main window WS_OVERLAPPEDWINDOW, its title, place and size
//      from app/main_window_layout.h, scaled by the system DPI.       main.cpp
//  [x] Accelerators IDR_ACCEL, offered to TranslateAcceleratorA before anything
//      else; characters through TranslateMessage as bytes of the ANSI code
//      page (the A functions throughout, no UNICODE).                 main.cpp
//  [x] Window procedure with exactly six messages; commands, characters and
//      timer ticks straight to the core's router.                     main_window.cpp
//  [x] For screen readers and magnifiers, three more: a system caret, never
//      shown, on the cursor cell while focused; the client area's MSAA text
//      object; WinEvents for the typed line, the line to type and the caret;
//      names for the dialogs' unlabelled controls.   assistive_publisher.cpp
//  [ ] A UI Automation provider: not provided (MSAA only).
//  [x] Back buffer: memory DC + compatible bitmap + TextFont; StatsFont only
//      while the bar is drawn; WM_PAINT is one BitBlt.                gdi_surface.cpp
//  [x] Each byte drawn as the core's cell rule says (program/cell_shape.h): a CR
//      blank, other control codes "^X" in small type in their cell.  gdi_surface.cpp
//  [x] Timers 1 (cursor) and 2 (statistics) with SetTimer/KillTimer.  win32_host.cpp
//  [x] Select Test, Add Test, Edit Test and Report from the resource templates;
//      a save that fails is told and the dialog keeps the text.       dialogs.cpp
//  [x] Fatal "Word too large for the window." box captioned "Error", then exit
//      status 1 through the run-time's exit.                          win32_host.cpp
//  [ ] Re-measuring on resize: the layout is fixed at creation, by design.
//  [x] System DPI awareness (manifest): the core's 96-DPI pixels mapped to the
//      display's once, at creation; text drawn at the display's resolution.
//                                                     display_scale.h, gdi_surface.cpp
//  [ ] Unicode text, per-monitor DPI, dark mode: not provided.
#include <windows.h>

#include <memory>

#include "app/main_window_layout.h"
#include "app/resource_ids.h"
#include "win32/display_scale.h"
#include "win32/main_window.h"

namespace {

using keyrill::win32::MainWindow;

// Lets the window go before its state does, on every way out of WinMain.
struct OwnedMainWindow {
  HWND window;
  std::unique_ptr<MainWindow> state;
  ~OwnedMainWindow() { keyrill::win32::DetachMainWindow(window); }
};

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.style = 0;
  windowClass.lpfnWndProc = keyrill::win32::MainWindowProc;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MENU);
  windowClass.lpszClassName = keyrill::kWindowClass;
  return RegisterClassA(&windowClass) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int showCommand) {
  // The module instance travels with the window (CREATESTRUCT) into its state.
  if (!RegisterMainWindowClass(instance)) return 0;

  // WM_CREATE measures the layout and draws the idle screen. The window's place
  // and size are 96-DPI pixels, scaled to the display.
  const keyrill::win32::DisplayScale scale = keyrill::win32::DisplayScale::OfSystem();
  HWND window =
      CreateWindowExA(0, keyrill::kWindowClass, keyrill::kWindowTitle, WS_OVERLAPPEDWINDOW,
                      scale.ToDevice(keyrill::kWindowX), scale.ToDevice(keyrill::kWindowY),
                      scale.ToDevice(keyrill::kWindowWidth), scale.ToDevice(keyrill::kWindowHeight),
                      nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 0;
  OwnedMainWindow owned{window, std::unique_ptr<MainWindow>(keyrill::win32::MainWindowOf(window))};

  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCEL));

  ShowWindow(window, showCommand);
  UpdateWindow(window);

  // Accelerators first; the loop ends at the quit message (or an error).
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(window, accelerators, &message) != 0) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }

  return static_cast<int>(message.wParam);
}
