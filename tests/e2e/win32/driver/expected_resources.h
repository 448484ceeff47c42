// What keyrill.exe's resources must hold, written out here from the program's
// documented tables rather than taken from its own headers, so that a drift on
// either side shows. Test side.
#pragma once

#include <windows.h>

#include <vector>

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
  bool extended;
  int cx, cy;
  DWORD style;
  int pointSize;
  const char* face;
  int charset;  // extended templates only
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

inline const std::vector<ExpectedDialog>& ExpectedDialogs() {
  static const std::vector<ExpectedDialog> dialogs = {
      {108,
       "Select Test",
       false,
       133,
       141,
       kTestDialogStyle,
       8,
       "MS Sans Serif",
       0,
       {{"ListBox", 1010, "", 7, 7, 119, 127, kListStyle, 0}}},
      {110,
       "Add Test",
       false,
       253,
       196,
       kTestDialogStyle,
       8,
       "MS Sans Serif",
       0,
       {{"Edit", 1012, "", 7, 7, 183, 14, kNameStyle, 0},
        {"Edit", 1013, "", 7, 25, 239, 164, kTextStyle, 0},
        {"Button", 1011, "&Add Test", 196, 7, 50, 14, kDefaultButtonStyle, 0}}},
      {111,
       "Edit Test",
       false,
       356,
       198,
       kTestDialogStyle,
       8,
       "MS Sans Serif",
       0,
       {{"Button", 1014, "Update", 196, 7, 50, 14, kDefaultButtonStyle, 0},
        {"Edit", 1013, "", 7, 25, 239, 164, kTextStyle, 0},
        {"Edit", 1012, "", 7, 7, 183, 14, kNameStyle, 0},
        {"ListBox", 1010, "", 249, 7, 100, 183, kListStyle, 0}}},
      {106,
       "Report",
       true,
       169,
       135,
       WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_CENTER,
       8,
       "MS Sans Serif",
       1,
       {{"Static", -1, "Words Per Minutes:", 7, 15, 65, 8, kLabelStyle, WS_EX_RIGHT},
        {"Static", -1, "Words In Test:", 7, 31, 65, 8, kLabelStyle, WS_EX_RIGHT},
        {"Static", -1, "Time Taken:", 7, 63, 65, 8, kLabelStyle, WS_EX_RIGHT},
        {"Static", -1, "Words Typed:", 7, 47, 65, 8, kLabelStyle, WS_EX_RIGHT},
        {"Static", -1, "Charactars:", 7, 78, 65, 8, kLabelStyle, WS_EX_RIGHT},
        {"Edit", 1002, "", 77, 15, 59, 12, kFigureStyle, 0},
        {"Edit", 1003, "", 77, 31, 59, 12, kFigureStyle, 0},
        {"Edit", 1004, "", 77, 63, 59, 12, kFigureStyle, 0},
        {"Edit", 1005, "", 77, 47, 59, 12, kFigureStyle, 0},
        {"Edit", 1006, "", 77, 78, 59, 12, kFigureStyle, 0},
        {"Button", 1001, "&OK", 112, 114, 50, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
        {"Static", -1, "Errors:", 7, 93, 65, 8, kLabelStyle, WS_EX_RIGHT},
        {"Edit", 1007, "", 77, 93, 59, 12, kFigureStyle, 0}}},
  };
  return dialogs;
}

inline const ExpectedDialog& ExpectedDialogById(int resourceId) {
  for (const ExpectedDialog& dialog : ExpectedDialogs()) {
    if (dialog.resourceId == resourceId) return dialog;
  }
  return ExpectedDialogs().front();
}

struct ExpectedMenuItem {
  const char* text;  // nullptr: a separator
  int command;
};

inline const std::vector<ExpectedMenuItem>& ExpectedFileMenu() {
  static const std::vector<ExpectedMenuItem> items = {
      {"&Pause Test", 40011},
      {nullptr, 0},
      {"&Add Test\tCtrl+A", 40008},
      {"Be&gin Test\tCtrl+B", 40006},
      {"&End Test\tCtrl+X", 40002},
      {"&Select Test\tCtrl+S", 40005},
      {nullptr, 0},
      {"E&xit\tCtrl+Q", 40001},
  };
  return items;
}

struct ExpectedAccelerator {
  char key;
  int command;
};

inline const std::vector<ExpectedAccelerator>& ExpectedAccelerators() {
  static const std::vector<ExpectedAccelerator> entries = {
      {'A', 40008}, {'B', 40006}, {'E', 40009}, {'P', 40011},
      {'Q', 40001}, {'S', 40005}, {'X', 40002},
  };
  return entries;
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
