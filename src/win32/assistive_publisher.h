// Keeps assistive technology in step with the main area: a system caret, never
// shown, on the drawn cursor's cell for magnifiers, screen readers and input
// methods; the typing area's MSAA object answered to WM_GETOBJECT; and the
// WinEvents that tell listeners what changed. Platform side (Win32): reads the
// core's screen reading and changes nothing a sighted user sees.
// Floor 4, the Win32 layer: for keyrill.exe only.
#pragma once

#include <windows.h>
// windows.h first: the COM headers need its types.
#include <wrl/client.h>

#include <cstdint>
#include <optional>

#include "program/program.h"
#include "win32/display_scale.h"
#include "win32/typing_area_accessible.h"

namespace keyrill::win32 {

class AssistivePublisher {
 public:
  AssistivePublisher(HWND window, DisplayScale scale, const Program& program);
  ~AssistivePublisher();
  AssistivePublisher(const AssistivePublisher&) = delete;
  AssistivePublisher& operator=(const AssistivePublisher&) = delete;

  // WM_SETFOCUS: the caret, the size of the cursor cell, on the cell.
  void OnFocus();
  // WM_KILLFOCUS: the caret goes with the focus.
  void OnFocusLost();
  // WM_GETOBJECT: the answer for the client area; nothing for any other object,
  // which the default window procedure answers.
  std::optional<LRESULT> AnswerGetObject(WPARAM flags, LPARAM objectId);
  // After each message the core took: the caret follows the drawn cursor, and
  // one event is raised for each thing a listener reads that changed.
  void Publish();
  // WM_DESTROY: no answer reaches the program from here on.
  void Disconnect();

 private:
  // What was last published, as fingerprints: no second copy of the run.
  struct Seen {
    std::uint64_t description = 0;  // the line to type (idle: the prompt), and its place
    std::uint64_t value = 0;        // the typed line (idle: the message row)
    Rect caretCell;
    friend bool operator==(const Seen&, const Seen&) = default;
  };
  Seen Observe() const;

  HWND window_;
  DisplayScale scale_;
  const Program* program_;
  Seen seen_;
  bool hasCaret_ = false;
  Microsoft::WRL::ComPtr<TypingAreaAccessible> accessible_;
};

}  // namespace keyrill::win32
