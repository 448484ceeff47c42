// Starting keyrill.exe and driving it by messages. Test side.
#include "keyrill_process.h"

#include <gtest/gtest.h>

#include <vector>

#include "expected_resources.h"

namespace e2e {

KeyrillProcess::KeyrillProcess(const std::string& exePath, const std::string& workDirectory) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exePath + "\"";
  if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workDirectory.c_str(), &startup, &info_)) {
    ADD_FAILURE() << "CreateProcess " << exePath << " (error " << GetLastError() << ")";
    info_ = PROCESS_INFORMATION{};
    return;
  }
  WaitForInputIdle(info_.hProcess, 60000);
  main_ = WaitForProcessWindow(info_.dwProcessId, "CForm", nullptr, 60000);
  EXPECT_TRUE(main_ != nullptr) << "keyrill.exe shows a window of class CForm";
}

KeyrillProcess::~KeyrillProcess() {
  if (info_.hProcess == nullptr) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 10000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool KeyrillProcess::Running() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void KeyrillProcess::Command(int command) {
  EXPECT_TRUE(SendWithTimeout(main_, WM_COMMAND, MAKEWPARAM(command, 0), 0))
      << "command " + std::to_string(command) + " is handled";
}

void KeyrillProcess::Char(unsigned char code) {
  EXPECT_TRUE(SendWithTimeout(main_, WM_CHAR, code, 1))
      << "character " + std::to_string(code) + " is handled";
}

void KeyrillProcess::Type(std::string_view text) {
  for (char c : text) Char(static_cast<unsigned char>(c));
}

void KeyrillProcess::PostCommand(int command) {
  EXPECT_TRUE(PostMessageA(main_, WM_COMMAND, MAKEWPARAM(command, 0), 0) != 0)
      << "command " + std::to_string(command) + " is posted";
}

void KeyrillProcess::PostChar(unsigned char code) {
  EXPECT_TRUE(PostMessageA(main_, WM_CHAR, code, 1) != 0)
      << "character " + std::to_string(code) + " is posted";
}

HWND KeyrillProcess::WaitDialog(const char* caption, DWORD timeoutMs) {
  HWND dialog = WaitForProcessWindow(info_.dwProcessId, "#32770", caption, timeoutMs);
  EXPECT_TRUE(dialog != nullptr) << std::string("dialog \"") + caption + "\" opens";
  return dialog;
}

void KeyrillProcess::ChooseTest(const std::string& name) {
  PostCommand(kSelectTest);
  if (HWND dialog = WaitDialog("Select Test")) {
    DoubleClickEntry(dialog, kTestList, name);
    EXPECT_TRUE(WaitClosed(dialog)) << "the double-click on \"" << name << "\" closes Select Test";
  }
}

std::optional<DWORD> KeyrillProcess::WaitExit(DWORD timeoutMs) {
  if (info_.hProcess == nullptr) return std::nullopt;
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void KeyrillProcess::ExpectExit(DWORD status, const std::string& how) {
  const std::optional<DWORD> code = WaitExit(30000);
  EXPECT_TRUE(code.has_value()) << how + " ends the program";
  if (code) {
    EXPECT_EQ(*code, status) << "exit status after " << how;
  }
}

HWND Control(HWND dialog, int id, const char* what) {
  HWND control = GetDlgItem(dialog, id);
  EXPECT_TRUE(control != nullptr) << std::string(what) + " (id " + std::to_string(id) + ") exists";
  return control;
}

void Click(HWND button, const char* what) {
  EXPECT_TRUE(SendWithTimeout(button, BM_CLICK, 0, 0)) << std::string("click ") + what;
}

void SetText(HWND control, const std::string& text, const char* what) {
  LRESULT ok = 0;
  EXPECT_TRUE(
      SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &ok) &&
      ok != 0)
      << std::string("set the text of ") + what;
}

void DoubleClickEntry(HWND dialog, int listId, const std::string& entry) {
  HWND list = GetDlgItem(dialog, listId);
  LRESULT index = LB_ERR;
  SendWithTimeout(list, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                  reinterpret_cast<LPARAM>(entry.c_str()), &index);
  EXPECT_TRUE(index != LB_ERR) << "the list holds \"" + entry + "\"";
  EXPECT_TRUE(SendWithTimeout(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK),
                              reinterpret_cast<LPARAM>(list)))
      << "double-click \"" + entry + "\"";
}

std::vector<std::string> ListEntries(HWND list) {
  // Asked in UTF-16 and turned back into the ANSI code page here: Wine hands a
  // cross-process LB_GETTEXT back in UTF-16 even to the A call.
  std::vector<std::string> entries;
  LRESULT count = 0;
  if (!SendWithTimeout(list, LB_GETCOUNT, 0, 0, &count) || count < 0) return entries;
  for (LRESULT i = 0; i < count; ++i) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0, SMTO_NORMAL, 20000,
                        &length);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                        reinterpret_cast<LPARAM>(wide.data()), SMTO_NORMAL, 20000, &copied);
    const auto units = static_cast<int>(static_cast<LRESULT>(copied) > 0 ? copied : 0);
    std::string text(static_cast<std::size_t>(units) * 2 + 1, '\0');
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, text.data(),
                                          static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
    entries.push_back(text);
  }
  return entries;
}

std::string JoinEntries(const std::vector<std::string>& entries) {
  std::string joined;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) joined += "|";
    joined += entries[i];
  }
  return joined;
}

}  // namespace e2e
