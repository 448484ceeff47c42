// What every end-to-end case of keyrill.exe needs: GoogleTest expectations that
// say whether they held, Windows paths under Wine, whole-file reads and writes,
// and finding another process's windows and talking to them by message. Test
// side: a Windows program of its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// GoogleTest expectations (a failure is recorded, the case goes on) that return
// whether they held, so that a case can stop where going on makes no sense.
bool Expect(bool ok, const std::string& what);
bool ExpectEqual(const std::string& actual, const std::string& expected, const std::string& what);
bool ExpectEqual(long long actual, long long expected, const std::string& what);

// Bytes made readable: CR, LF and other control bytes escaped.
std::string Printable(const std::string& bytes);

// "/a/b" as Wine's drive Z: sees it; Windows paths pass unchanged.
std::string ToWindowsPath(const std::string& path);
std::string JoinPath(const std::string& directory, const std::string& name);
// An empty directory of that name: made when missing, emptied of files when not.
bool MakeFreshDirectory(const std::string& path);
bool ReadWholeFile(const std::string& path, std::string& bytes);
bool WriteWholeFile(const std::string& path, const std::string& bytes);

std::uint64_t NowMs();
// Polls the condition every 20 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
void SleepMs(DWORD ms);

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
