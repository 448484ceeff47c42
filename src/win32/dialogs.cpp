// Select Test, Add Test, Edit Test and the Report: placing, filling and closing
// the dialogs and reading their controls. Platform side (Win32); the names, the
// choice and the saving are the core's (dialog_actions.h), the figures too.
#include "win32/dialogs.h"

#include <array>
#include <memory>
#include <string_view>

#include "app/dialog_actions.h"
#include "app/dialog_placement.h"
#include "app/report_rows.h"
#include "app/resource_ids.h"
#include "win32/control_names.h"
#include "win32/main_window.h"

namespace keyrill::win32 {

namespace {

// The main window owns every dialog: it was passed to DialogBoxParamA.
HWND MainWindowOfDialog(HWND dialog) {
  return GetWindow(dialog, GW_OWNER);
}

MainWindow* StateOf(HWND dialog) {
  return MainWindowOf(MainWindowOfDialog(dialog));
}

// Centres the dialog's frame on the main window's frame, without resizing it and
// without keeping it on the screen.
void CentreOnMainWindow(HWND dialog) {
  RECT main{};
  RECT box{};
  GetWindowRect(MainWindowOfDialog(dialog), &main);
  GetWindowRect(dialog, &box);
  const TopLeft at = CentredTopLeft(Rect{main.left, main.top, main.right, main.bottom},
                                    box.right - box.left, box.bottom - box.top);
  SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE);
}

// Every dialog ends in its WM_DESTROY handler; cancelling and saving send it.
void CloseDialog(HWND dialog) {
  SendMessageA(dialog, WM_DESTROY, 0, 0);
}

void FillTestList(HWND dialog, const Program& program) {
  ListNames(program, [dialog](const char* name) {
    SendDlgItemMessageA(dialog, IDC_TEST_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  });
}

void LimitNameBox(HWND dialog) {
  SendDlgItemMessageA(dialog, IDC_TEST_NAME, EM_LIMITTEXT, kNameLimit, 0);
}

// The list's selected entry becomes the selected test. With no selection nothing
// is copied and the name stays as it was.
void ChooseListedTest(HWND dialog, Program& program, bool redrawIdle) {
  TestName name{};
  bool copied = false;
  const LRESULT index = SendDlgItemMessageA(dialog, IDC_TEST_LIST, LB_GETCURSEL, 0, 0);
  // LB_GETTEXT takes no buffer size: an entry longer than a name (only another
  // program could put one there) is not copied at all.
  const LRESULT length =
      SendDlgItemMessageA(dialog, IDC_TEST_LIST, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (index != LB_ERR && length != LB_ERR && length < kNameCapacity) {
    copied = SendDlgItemMessageA(dialog, IDC_TEST_LIST, LB_GETTEXT, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(name.data())) != LB_ERR;
  }
  ChooseTest(program, copied ? name.data() : nullptr, redrawIdle);
}

// Shared by Add Test and Edit Test. A save that did not reach the file is told to
// the user and the dialog stays open with what was typed, so nothing is lost.
void SaveTestFromDialog(HWND dialog, Program& program) {
  const auto textLength =
      static_cast<std::size_t>(SendDlgItemMessageA(dialog, IDC_TEST_TEXT, WM_GETTEXTLENGTH, 0, 0));
  auto text = std::make_unique<char[]>(textLength + 1);
  const auto textRead = static_cast<std::size_t>(SendDlgItemMessageA(
      dialog, IDC_TEST_TEXT, WM_GETTEXT, textLength + 1, reinterpret_cast<LPARAM>(text.get())));
  TestName name{};
  SendDlgItemMessageA(dialog, IDC_TEST_NAME, WM_GETTEXT, name.size(),
                      reinterpret_cast<LPARAM>(name.data()));
  const bool saved =
      SaveTest(program, name.data(),
               std::string_view(text.get(), textRead <= textLength ? textRead : textLength));
  text.reset();
  if (!saved) {
    std::array<char, 64> caption{};
    GetWindowTextA(dialog, caption.data(), static_cast<int>(caption.size()));
    // The core's words, as in the Qt program; the box is captioned like its dialog.
    MessageBoxA(dialog, SaveFailedText(program, name.data()), caption.data(),
                MB_OK | MB_ICONWARNING);
    return;
  }
  CloseDialog(dialog);
}

enum class TestDialog { Select, Add, Edit };

// Select Test, Add Test and Edit Test. Select Test and Edit Test list the stored
// names; Add Test and Edit Test have a name box, a text box and a saving button.
INT_PTR TestDialogProc(HWND dialog, UINT message, WPARAM wParam, TestDialog kind) {
  switch (message) {
    case WM_INITDIALOG:
      CentreOnMainWindow(dialog);
      NameDialogControls(dialog);
      if (MainWindow* state = StateOf(dialog); state != nullptr && kind != TestDialog::Add) {
        FillTestList(dialog, state->program);
      }
      if (kind != TestDialog::Select) LimitNameBox(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        CloseDialog(dialog);
        return TRUE;
      }
      if (kind != TestDialog::Add && LOWORD(wParam) == IDC_TEST_LIST) {
        if (HIWORD(wParam) != LBN_DBLCLK) return FALSE;
        MainWindow* state = StateOf(dialog);
        if (kind == TestDialog::Select) {
          if (state != nullptr) ChooseListedTest(dialog, state->program, true);
          EndDialog(dialog, 0);
        } else if (state != nullptr) {
          // Only the name box and the selected test change; the text box keeps
          // what it holds and the main window is not redrawn.
          ChooseListedTest(dialog, state->program, false);
          SendDlgItemMessageA(dialog, IDC_TEST_NAME, WM_SETTEXT, 0,
                              reinterpret_cast<LPARAM>(state->program.SelectedTest.data()));
        }
        return TRUE;
      }
      if (kind != TestDialog::Select &&
          LOWORD(wParam) == (kind == TestDialog::Edit ? IDC_UPDATE_BUTTON : IDC_ADD_BUTTON)) {
        if (MainWindow* state = StateOf(dialog)) SaveTestFromDialog(dialog, state->program);
        return FALSE;
      }
      return FALSE;
    case WM_DESTROY:
      ClearDialogControlNames(dialog);
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK SelectTestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  return TestDialogProc(dialog, message, wParam, TestDialog::Select);
}

INT_PTR CALLBACK AddTestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  return TestDialogProc(dialog, message, wParam, TestDialog::Add);
}

INT_PTR CALLBACK EditTestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  return TestDialogProc(dialog, message, wParam, TestDialog::Edit);
}

INT_PTR CALLBACK ReportProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  switch (message) {
    case WM_INITDIALOG: {
      const MainWindow* state = StateOf(dialog);
      const ReportTexts* texts = state != nullptr ? state->host.PendingReport() : nullptr;
      if (texts != nullptr) {
        for (const ReportRow& row : kReportRows) {
          SetDlgItemTextA(dialog, row.controlId, (texts->*row.figure).c_str());
        }
      }
      NameDialogControls(dialog);
      // TRUE: the system gives the focus to the first tab stop, the rate field.
      return TRUE;
    }
    case WM_COMMAND:
      // Only OK closes the Report: Enter and Escape arrive as commands 1 and 2.
      if (LOWORD(wParam) == IDC_REPORT_OK) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      ClearDialogControlNames(dialog);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace keyrill::win32
