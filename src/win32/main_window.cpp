// The window procedure of class "CForm": six messages, each handed to one OnXxx,
// and three more for assistive technology (the focus's two and WM_GETOBJECT for
// the client area); every other message goes to DefWindowProcA. Commands,
// characters and timer ticks go straight to the core's router, and what they
// changed is then published for screen readers and magnifiers. Platform side (Win32).
#include "win32/main_window.h"

#include <optional>

#include "app/router.h"
#include "run/screen.h"

namespace keyrill::win32 {

namespace {

// WM_CREATE: make the back buffer and TextFont for the client area as it is now,
// at the system DPI, then let the core fix the layout (in 96-DPI pixels) and draw
// the idle screen into it.
void OnCreate(HWND window, const CREATESTRUCTA& create) {
  auto* state = new MainWindow(window, create.hInstance, DisplayScale::OfSystem());
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  MeasureLayout(state->program, state->surface.ClientWidth(), state->surface.ClientHeight());
  state->assistive.Publish();
}

// WM_DESTROY: release the back buffer and TextFont, then end the message loop.
// Exit posts this message too, so both ways out end alike.
void OnDestroy(HWND window) {
  if (MainWindow* state = MainWindowOf(window)) {
    state->assistive.Disconnect();
    state->surface.Release();
    state->closed = true;
  }
  PostQuitMessage(0);
}

// The state to route input to: none once the window has been torn down, so that a
// key or command still queued behind Exit cannot start anything on a dead window.
MainWindow* RoutingTarget(HWND window) {
  MainWindow* state = MainWindowOf(window);
  return state != nullptr && !state->closed ? state : nullptr;
}

// WM_PAINT: one block copy of the back buffer at the size measured at creation
// (the core's client size, in the display's pixels).
void OnPaint(HWND window) {
  PaintScope paint(window);
  MainWindow* state = MainWindowOf(window);
  if (state == nullptr || state->surface.Dc() == nullptr) return;
  const GdiSurface& surface = state->surface;
  BitBlt(paint.get(), 0, 0, surface.DeviceWidth(), surface.DeviceHeight(), surface.Dc(), 0, 0,
         SRCCOPY);
}

void OnCharMessage(HWND window, WPARAM code) {
  if (MainWindow* state = RoutingTarget(window)) {
    OnChar(state->program, static_cast<int>(code));
    state->assistive.Publish();
  }
}

// A command may run a modal dialog; what it changed is published once it returns.
void OnCommandMessage(HWND window, WPARAM wParam) {
  if (MainWindow* state = RoutingTarget(window)) {
    OnCommand(state->program, LOWORD(wParam));
    state->assistive.Publish();
  }
}

void OnTimerMessage(HWND window, WPARAM timerId) {
  if (MainWindow* state = RoutingTarget(window)) {
    OnTimer(state->program, static_cast<int>(timerId));
    state->assistive.Publish();
  }
}

void OnSetFocus(HWND window) {
  if (MainWindow* state = RoutingTarget(window)) state->assistive.OnFocus();
}

void OnKillFocus(HWND window) {
  if (MainWindow* state = MainWindowOf(window)) state->assistive.OnFocusLost();
}

// WM_GETOBJECT: the client area's object is the typing area's; the default
// window procedure answers for every other object (the frame, the menu, ...).
LRESULT OnGetObject(HWND window, WPARAM flags, LPARAM objectId) {
  if (MainWindow* state = RoutingTarget(window)) {
    if (const std::optional<LRESULT> answer = state->assistive.AnswerGetObject(flags, objectId)) {
      return *answer;
    }
  }
  return DefWindowProcA(window, WM_GETOBJECT, flags, objectId);
}

}  // namespace

MainWindow* MainWindowOf(HWND window) {
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void DetachMainWindow(HWND window) {
  if (IsWindow(window)) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
      return 0;
    case WM_DESTROY:
      OnDestroy(window);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_CHAR:
      OnCharMessage(window, wParam);
      return 0;
    case WM_COMMAND:
      OnCommandMessage(window, wParam);
      return 0;
    case WM_TIMER:
      OnTimerMessage(window, wParam);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus(window);
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus(window);
      return 0;
    case WM_GETOBJECT:
      return OnGetObject(window, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace keyrill::win32
