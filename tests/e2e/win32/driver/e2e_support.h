// What every end-to-end case of keyrill.exe needs: Windows paths under Wine, the
// support library's scratch folders and whole-file reads and writes, and finding
// another process's windows and talking to them by message. Test side: a Windows
// program of its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/temp_dir.h"

namespace e2e {

// Shared with every other check; std::filesystem takes the Windows paths as they are.
using keyrill::support::MakeFreshDirectory;
using keyrill::support::ReadFile;
using keyrill::support::WriteFile;

// "/a/b" as Wine's drive Z: sees it; Windows paths pass unchanged.
std::string ToWindowsPath(const std::string& path);
std::string JoinPath(const std::string& directory, const std::string& name);

std::uint64_t NowMs();
// Polls the condition every 20 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
void SleepMs(DWORD ms);
// Whether the window is gone within the time.
bool WaitClosed(HWND window, DWORD timeoutMs = 20000);

// A visible top-level window of that process with that class and caption.
HWND FindProcessWindow(DWORD processId, const char* windowClass, const char* caption);
HWND WaitForProcessWindow(DWORD processId, const char* windowClass, const char* caption,
                          DWORD timeoutMs);

// Messages to another process's windows, never blocking for ever.
bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* result = nullptr, UINT timeoutMs = 20000);
std::string WindowText(HWND window);  // WM_GETTEXT
std::string ClassName(HWND window);
// The window that has the keyboard focus in the thread that owns window.
HWND FocusOfThreadOwning(HWND window);
// A window's frame in screen coordinates, and relative to its parent's client area.
RECT ScreenRect(HWND window);
RECT RectInParent(HWND child);

// The screen's DPI as this process sees it.
int SystemDpi();
// The "@" cell of keyrill.exe's text font as the program measures it at 96 DPI:
// the same request (24 pixels, bold, fixed pitch, ANSI), whose pixel size does
// not depend on the DPI.
SIZE TextCellAt96Dpi();
// The full paths of the modules another process has loaded.
std::vector<std::string> ModulePaths(HANDLE process);

}  // namespace e2e
