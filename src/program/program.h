// Everything the program keeps between messages, held in one object that the main
// window owns, so every test starts from a fresh program. Core side.
// Floor 0: any part of the core, the platform layers and the tests may include it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "program/clock_source.h"
#include "program/code_page.h"
#include "program/constants.h"
#include "program/host.h"
#include "program/line_list.h"

namespace keyrill {

// Fixed once when the main window is created; never recomputed.
struct Layout {
  std::int32_t ClientWidth = 0;
  std::int32_t ClientHeight = 0;
  std::int32_t CharWidth = 0;
  std::int32_t CharHeight = 0;
  std::int32_t UsableWidth = 0;
  std::int32_t UsableHeight = 0;
  std::int32_t LineCapacity = 0;
  std::int32_t RowsPerPage = 0;
};

// Words and characters in every typed buffer of the run, kept up to date by the
// keystroke engine at each edit, so the statistics bar does not walk every line ten
// times a second. They always equal the full walks of the counters.
struct TypedTotals {
  std::int32_t words = 0;
  std::int32_t chars = 0;
};

struct Program {
  Program(Surface& surface, Host& host, ClockSource& clockSource, const CodePage& codePage,
          std::string libraryPath = kLibraryFileName);
  ~Program();  // frees the lines of a run still in progress
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Surface& surface;
  Host& host;
  ClockSource& clockSource;
  // The platform's code page, fixed at start: what each byte the core handles stands
  // for, and how a UTF-8 library is read and appended to.
  const CodePage codePage;
  std::string libraryPath;

  LineList lines;
  TestName SelectedTest{};  // empty: no test selected

  Layout layout;
  Brush selectedBrush = Brush::White;  // the back buffer's current fill brush
  // The loader's scratch buffers, LineCapacity bytes each, made by MeasureLayout.
  std::unique_ptr<char[]> LineBuffer;
  std::unique_ptr<char[]> CarryBuffer;

  bool TestRunning = false;
  bool CursorOn = true;
  // While the Report is open the finished run takes no character: one keystroke can
  // yield two (a dead key and a letter), and the second must not open a second Report.
  bool ReportOpen = false;
  std::int32_t CaretX = 0;
  std::int32_t CaretY = 0;

  RunClock clock;
  TypedTotals typedTotals;

  // What the message row and the statistics bar last showed, kept only so that
  // assistive technology can read them (run/screen_reading.h); nothing draws from them.
  TestName shownMessage{};
  std::array<char, 128> barText{};
};

}  // namespace keyrill
