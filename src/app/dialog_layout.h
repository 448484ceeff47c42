/* What the four dialogs show: their rectangles in dialog units (x, y, width,
   height), captions, font and the texts of their controls. Plain #defines, read by
   the Windows resource script and by the Qt dialogs alike, so the two cannot drift.
   Floor 3: for the platform layers, the resource script and the tests. */
#ifndef KEYRILL_DIALOG_LAYOUT_H
#define KEYRILL_DIALOG_LAYOUT_H

/* Every dialog's font; its base units (6 x 13 pixels) turn dialog units to pixels. */
#define DLG_FONT_POINTS 8
#define DLG_FONT_FACE "MS Sans Serif"

#define DLG_SELECT_CAPTION "Select Test"
#define DLG_SELECT_RECT 0, 0, 133, 141
#define DLG_SELECT_LIST_RECT 7, 7, 119, 127

/* Add Test, and Edit Test: Add Test's layout widened by the list of stored names. */
#define DLG_ADD_CAPTION "Add Test"
#define DLG_ADD_RECT 0, 0, 253, 196
#define DLG_EDIT_CAPTION "Edit Test"
#define DLG_EDIT_RECT 0, 0, 356, 198
#define DLG_ENTRY_NAME_RECT 7, 7, 183, 14
#define DLG_ENTRY_TEXT_RECT 7, 25, 239, 164
#define DLG_ENTRY_BUTTON_RECT 196, 7, 50, 14
#define DLG_ADD_BUTTON_TEXT "&Add Test"
#define DLG_UPDATE_BUTTON_TEXT "Update"
#define DLG_EDIT_LIST_RECT 249, 7, 100, 183

/* The Report: a label and its figure share a row; labels are 65 x 8, figures
   59 x 12. "Charactars:" is the label as it has always stood. */
#define DLG_REPORT_CAPTION "Report"
#define DLG_REPORT_RECT 0, 0, 169, 135
#define DLG_REPORT_LABEL_X 7
#define DLG_REPORT_LABEL_CX 65
#define DLG_REPORT_LABEL_CY 8
#define DLG_REPORT_FIGURE_X 77
#define DLG_REPORT_FIGURE_CX 59
#define DLG_REPORT_FIGURE_CY 12
#define DLG_REPORT_WPM_Y 15
#define DLG_REPORT_WORDS_IN_TEST_Y 31
#define DLG_REPORT_WORDS_TYPED_Y 47
#define DLG_REPORT_TIME_TAKEN_Y 63
#define DLG_REPORT_CHARACTERS_Y 78
#define DLG_REPORT_ERRORS_Y 93
#define DLG_REPORT_WPM_LABEL "Words Per Minutes:"
#define DLG_REPORT_WORDS_IN_TEST_LABEL "Words In Test:"
#define DLG_REPORT_WORDS_TYPED_LABEL "Words Typed:"
#define DLG_REPORT_TIME_TAKEN_LABEL "Time Taken:"
#define DLG_REPORT_CHARACTERS_LABEL "Charactars:"
#define DLG_REPORT_ERRORS_LABEL "Errors:"
#define DLG_REPORT_OK_TEXT "&OK"
#define DLG_REPORT_OK_RECT 112, 114, 50, 14

/* The Report's rows in the template's order, which is the fields' tab order:
   ROW(label, y, control id, the ReportTexts member the field shows). The OK button
   stands between the rows before it and the Errors row. */
#define DLG_REPORT_ROWS_BEFORE_OK(ROW)                                                            \
  ROW(DLG_REPORT_WPM_LABEL, DLG_REPORT_WPM_Y, IDC_WPM, wordsPerMinute)                            \
  ROW(DLG_REPORT_WORDS_IN_TEST_LABEL, DLG_REPORT_WORDS_IN_TEST_Y, IDC_WORDS_IN_TEST, wordsInTest) \
  ROW(DLG_REPORT_TIME_TAKEN_LABEL, DLG_REPORT_TIME_TAKEN_Y, IDC_TIME_TAKEN, timeTaken)            \
  ROW(DLG_REPORT_WORDS_TYPED_LABEL, DLG_REPORT_WORDS_TYPED_Y, IDC_WORDS_TYPED, wordsTyped)        \
  ROW(DLG_REPORT_CHARACTERS_LABEL, DLG_REPORT_CHARACTERS_Y, IDC_CHARACTERS, characters)
#define DLG_REPORT_ROWS_AFTER_OK(ROW) \
  ROW(DLG_REPORT_ERRORS_LABEL, DLG_REPORT_ERRORS_Y, IDC_ERRORS, errors)

/* What a screen reader names the controls that show no label of their own. */
#define DLG_ENTRY_NAME_ACCESSIBLE "Test name"
#define DLG_ENTRY_TEXT_ACCESSIBLE "Test text"
#define DLG_LIST_ACCESSIBLE "Tests"

/* A Report row's label and figure rectangles from its y. */
#define DLG_REPORT_LABEL_RECT(y) DLG_REPORT_LABEL_X, y, DLG_REPORT_LABEL_CX, DLG_REPORT_LABEL_CY
#define DLG_REPORT_FIGURE_RECT(y) DLG_REPORT_FIGURE_X, y, DLG_REPORT_FIGURE_CX, DLG_REPORT_FIGURE_CY

#endif
