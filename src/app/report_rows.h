// The Report's rows for C++: each label, its row, its field's control id and name
// and the figure it shows, expanded from the list the resource script expands too
// (dialog_layout.h). Both Report dialogs fill their fields from it, the tests read
// them back by it. Core side.
// Floor 3, over the core's other floors: for the platform layers and the tests.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "app/dialog_layout.h"
#include "app/resource_ids.h"
#include "program/host.h"

namespace keyrill {

struct ReportRow {
  const char* label;
  int y;  // dialog units; the label and the field share the row
  int controlId;
  const char* controlName;  // the id's name, which the Qt field takes as its object name
  std::string ReportTexts::*figure;
};

#define KEYRILL_REPORT_ROW(label, y, id, figure) ReportRow{label, y, id, #id, &ReportTexts::figure},
// In the template's order, the fields' tab order; OK stands after the first
// kReportRowsBeforeOk.
inline constexpr auto kReportRows = std::to_array<ReportRow>(
    {DLG_REPORT_ROWS_BEFORE_OK(KEYRILL_REPORT_ROW) DLG_REPORT_ROWS_AFTER_OK(KEYRILL_REPORT_ROW)});
#undef KEYRILL_REPORT_ROW
#define KEYRILL_REPORT_COUNT(label, y, id, figure) +1
inline constexpr std::size_t kReportRowsBeforeOk =
    0 DLG_REPORT_ROWS_BEFORE_OK(KEYRILL_REPORT_COUNT);
#undef KEYRILL_REPORT_COUNT

}  // namespace keyrill
