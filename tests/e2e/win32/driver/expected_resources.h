// What keyrill.exe's resources must hold. The menu, the accelerators and the
// dialogs' rectangles and texts come from the tables both programs are built from
// (app/commands.h, app/dialog_layout.h); the rest is written out here from the
// program's documented tables, so that a drift on either side shows. Test side.
#pragma once

#include <windows.h>

#include <vector>

#include "app/commands.h"
#include "app/dialog_layout.h"
#include "app/main_window_layout.h"

namespace e2e {

struct ExpectedControl {
  const char* windowClass;
  int id;
  const char* text;
  int x, y, cx, cy;
  DWORD style;  // as stored, WS_CHILD and WS_VISIBLE included
  DWORD exStyle;
};

struct ExpectedDialog {
  int resourceId;
  const char* caption;
  int x, y, cx, cy;
  DWORD style;
  int pointSize;
  const char* face;
  std::vector<ExpectedControl> controls;
};

inline constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
inline constexpr DWORD kTestDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
inline constexpr DWORD kListStyle =
    kChild | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
inline constexpr DWORD kNameStyle = kChild | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
inline constexpr DWORD kTextStyle =
    kChild | ES_LEFT | ES_MULTILINE | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
inline constexpr DWORD kDefaultButtonStyle = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP;
inline constexpr DWORD kLabelStyle = kChild | SS_LEFT | WS_GROUP;
inline constexpr DWORD kFigureStyle = kChild | ES_LEFT | ES_READONLY | WS_TABSTOP;

// Rectangles, captions and texts from the table both programs are built from; the
// ids, classes, order and styles are written out here, so a drift of either shows.
inline const std::vector<ExpectedDialog>& ExpectedDialogs() {
  static const std::vector<ExpectedDialog> dialogs = {
      {108,
       DLG_SELECT_CAPTION,
       DLG_SELECT_RECT,
       kTestDialogStyle,
       DLG_FONT_POINTS,
       DLG_FONT_FACE,
       {{"ListBox", 1010, "", DLG_SELECT_LIST_RECT, kListStyle, 0}}},
      {110,
       DLG_ADD_CAPTION,
       DLG_ADD_RECT,
       kTestDialogStyle,
       DLG_FONT_POINTS,
       DLG_FONT_FACE,
       {{"Edit", 1012, "", DLG_ENTRY_NAME_RECT, kNameStyle, 0},
        {"Edit", 1013, "", DLG_ENTRY_TEXT_RECT, kTextStyle, 0},
        {"Button", 1011, DLG_ADD_BUTTON_TEXT, DLG_ENTRY_BUTTON_RECT, kDefaultButtonStyle, 0}}},
      {111,
       DLG_EDIT_CAPTION,
       DLG_EDIT_RECT,
       kTestDialogStyle,
       DLG_FONT_POINTS,
       DLG_FONT_FACE,
       {{"Button", 1014, DLG_UPDATE_BUTTON_TEXT, DLG_ENTRY_BUTTON_RECT, kDefaultButtonStyle, 0},
        {"Edit", 1013, "", DLG_ENTRY_TEXT_RECT, kTextStyle, 0},
        {"Edit", 1012, "", DLG_ENTRY_NAME_RECT, kNameStyle, 0},
        {"ListBox", 1010, "", DLG_EDIT_LIST_RECT, kListStyle, 0}}},
      {106,
       DLG_REPORT_CAPTION,
       DLG_REPORT_RECT,
       WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_CENTER,
       DLG_FONT_POINTS,
       DLG_FONT_FACE,
       {{"Static", -1, DLG_REPORT_WPM_LABEL, DLG_REPORT_LABEL_RECT(DLG_REPORT_WPM_Y), kLabelStyle,
         WS_EX_RIGHT},
        {"Static", -1, DLG_REPORT_WORDS_IN_TEST_LABEL,
         DLG_REPORT_LABEL_RECT(DLG_REPORT_WORDS_IN_TEST_Y), kLabelStyle, WS_EX_RIGHT},
        {"Static", -1, DLG_REPORT_TIME_TAKEN_LABEL, DLG_REPORT_LABEL_RECT(DLG_REPORT_TIME_TAKEN_Y),
         kLabelStyle, WS_EX_RIGHT},
        {"Static", -1, DLG_REPORT_WORDS_TYPED_LABEL,
         DLG_REPORT_LABEL_RECT(DLG_REPORT_WORDS_TYPED_Y), kLabelStyle, WS_EX_RIGHT},
        {"Static", -1, DLG_REPORT_CHARACTERS_LABEL, DLG_REPORT_LABEL_RECT(DLG_REPORT_CHARACTERS_Y),
         kLabelStyle, WS_EX_RIGHT},
        {"Edit", 1002, "", DLG_REPORT_FIGURE_RECT(DLG_REPORT_WPM_Y), kFigureStyle, 0},
        {"Edit", 1003, "", DLG_REPORT_FIGURE_RECT(DLG_REPORT_WORDS_IN_TEST_Y), kFigureStyle, 0},
        {"Edit", 1004, "", DLG_REPORT_FIGURE_RECT(DLG_REPORT_TIME_TAKEN_Y), kFigureStyle, 0},
        {"Edit", 1005, "", DLG_REPORT_FIGURE_RECT(DLG_REPORT_WORDS_TYPED_Y), kFigureStyle, 0},
        {"Edit", 1006, "", DLG_REPORT_FIGURE_RECT(DLG_REPORT_CHARACTERS_Y), kFigureStyle, 0},
        {"Button", 1001, DLG_REPORT_OK_TEXT, DLG_REPORT_OK_RECT,
         kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
        {"Static", -1, DLG_REPORT_ERRORS_LABEL, DLG_REPORT_LABEL_RECT(DLG_REPORT_ERRORS_Y),
         kLabelStyle, WS_EX_RIGHT},
        {"Edit", 1007, "", DLG_REPORT_FIGURE_RECT(DLG_REPORT_ERRORS_Y), kFigureStyle, 0}}},
  };
  return dialogs;
}

inline const ExpectedDialog& ExpectedDialogById(int resourceId) {
  for (const ExpectedDialog& dialog : ExpectedDialogs()) {
    if (dialog.resourceId == resourceId) return dialog;
  }
  return ExpectedDialogs().front();
}

// Command numbers the cases send.
inline constexpr int kExit = 40001;
inline constexpr int kEndTest = 40002;
inline constexpr int kSelectTest = 40005;
inline constexpr int kBeginTest = 40006;
inline constexpr int kAddTest = 40008;
inline constexpr int kEditTest = 40009;
inline constexpr int kPauseTest = 40011;

// Control numbers the cases use.
inline constexpr int kReportOk = 1001;
inline constexpr int kWpm = 1002;
inline constexpr int kWordsInTest = 1003;
inline constexpr int kTimeTaken = 1004;
inline constexpr int kWordsTyped = 1005;
inline constexpr int kCharacters = 1006;
inline constexpr int kErrors = 1007;
inline constexpr int kTestList = 1010;
inline constexpr int kAddButton = 1011;
inline constexpr int kTestName = 1012;
inline constexpr int kTestText = 1013;
inline constexpr int kUpdateButton = 1014;

}  // namespace e2e
