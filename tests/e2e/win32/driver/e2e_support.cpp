// Paths, waits and cross-process window helpers for the end-to-end
// cases. Test side (a Windows program run under Wine).
#include "e2e_support.h"

#include <psapi.h>

#include <algorithm>

namespace e2e {

std::string ToWindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:";
  for (char c : path) out += c == '/' ? '\\' : c;
  return out;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  const char last = directory.back();
  return last == '\\' || last == '/' ? directory + name : directory + "\\" + name;
}

std::uint64_t NowMs() {
  return GetTickCount64();
}

void SleepMs(DWORD ms) {
  Sleep(ms);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const std::uint64_t deadline = NowMs() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (NowMs() >= deadline) return false;
    Sleep(20);
  }
}

bool WaitClosed(HWND window, DWORD timeoutMs) {
  return WaitUntil([&] { return IsWindow(window) == 0; }, timeoutMs);
}

HWND FindProcessWindow(DWORD processId, const char* windowClass, const char* caption) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, windowClass, caption)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND WaitForProcessWindow(DWORD processId, const char* windowClass, const char* caption,
                          DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindProcessWindow(processId, windowClass, caption);
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                     UINT timeoutMs) {
  DWORD_PTR answer = 0;
  const LRESULT ok =
      SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &answer);
  if (result != nullptr) *result = static_cast<LRESULT>(answer);
  return ok != 0;
}

std::string WindowText(HWND window) {
  char buffer[1024] = {};
  LRESULT length = 0;
  if (!SendWithTimeout(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                       &length)) {
    return "<no answer>";
  }
  if (length < 0) length = 0;
  if (length >= static_cast<LRESULT>(sizeof buffer)) length = sizeof buffer - 1;
  return std::string(buffer, static_cast<std::size_t>(length));
}

std::string ClassName(HWND window) {
  char buffer[256] = {};
  const int length = GetClassNameA(window, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

HWND FocusOfThreadOwning(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (!GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndFocus;
}

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT RectInParent(HWND child) {
  RECT rect = ScreenRect(child);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

SIZE TextCellAt96Dpi() {
  SIZE cell{};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HFONT font =
      CreateFontA(24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, nullptr);
  HGDIOBJ previous = SelectObject(memory, font);
  GetTextExtentPoint32A(memory, "@", 1, &cell);
  SelectObject(memory, previous);
  DeleteObject(font);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return cell;
}

std::vector<std::string> ModulePaths(HANDLE process) {
  std::vector<std::string> paths;
  std::vector<HMODULE> modules(512);
  DWORD needed = 0;
  if (!K32EnumProcessModules(process, modules.data(),
                             static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed)) {
    return paths;
  }
  modules.resize(std::min<std::size_t>(modules.size(), needed / sizeof(HMODULE)));
  for (HMODULE module : modules) {
    char path[MAX_PATH] = {};
    const DWORD length = K32GetModuleFileNameExA(process, module, path, sizeof path);
    if (length > 0) paths.emplace_back(path, length);
  }
  return paths;
}

}  // namespace e2e
