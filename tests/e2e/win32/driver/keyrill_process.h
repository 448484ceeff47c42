// One keyrill.exe started the way a user's shell would start it, in a working
// directory of the test's choosing, and driven from outside through its main
// window. Test side.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "e2e_support.h"

namespace e2e {

class KeyrillProcess {
 public:
  // Starts the program and waits for its "CForm" window.
  KeyrillProcess(const std::string& exePath, const std::string& workDirectory);
  // A process the case left running is ended, so that no case leaks into the next.
  ~KeyrillProcess();
  KeyrillProcess(const KeyrillProcess&) = delete;
  KeyrillProcess& operator=(const KeyrillProcess&) = delete;

  bool Started() const { return main_ != nullptr; }
  HWND Main() const { return main_; }
  DWORD Pid() const { return info_.dwProcessId; }
  HANDLE Process() const { return info_.hProcess; }

  // Synchronous: returns when the main window has handled the message. Never use
  // these for what opens a modal dialog, which would hold the reply back.
  void Command(int command);
  void Char(unsigned char code);
  void Type(std::string_view text);
  // Queued: for commands and keys that open a dialog.
  void PostCommand(int command);
  void PostChar(unsigned char code);

  HWND WaitDialog(const char* caption, DWORD timeoutMs = 30000);
  // Opens Select Test and double-clicks the test of that name, which closes it.
  void ChooseTest(const std::string& name);
  // Exit code once the process has ended, or nothing when it is still running.
  std::optional<DWORD> WaitExit(DWORD timeoutMs);
  // Checks that the process ends within 30 s with that status; how: what ended it.
  void ExpectExit(DWORD status, const std::string& how);
  bool Running() const;

 private:
  PROCESS_INFORMATION info_{};
  HWND main_ = nullptr;
};

// A control of a dialog by id, checked to exist.
HWND Control(HWND dialog, int id, const char* what);
// Presses a button as a click would (BM_CLICK, answered synchronously).
void Click(HWND button, const char* what);
void SetText(HWND control, const std::string& text, const char* what);
// Selects the list's entry of that text and sends the double-click notification.
void DoubleClickEntry(HWND dialog, int listId, const std::string& entry);
// The list's entries, in the list's own order.
std::vector<std::string> ListEntries(HWND list);
// Entries joined by "|", for comparing and for messages.
std::string JoinEntries(const std::vector<std::string>& entries);

}  // namespace e2e
