// Loading a test: its text read from the library in pieces no longer than a
// display line and wrapped into LinePairs appended to the list. Core side.
// Floor 2, over results/, library/ and program/: for app/, the platforms and the tests.
#pragma once

#include <cstdint>
#include <string>

#include "program/code_page.h"
#include "program/line_list.h"

namespace keyrill {

enum class LoadResult {
  Loaded,        // the test was found; the list may still be empty (no display line)
  NotFound,      // no test of that name; the list is unchanged
  WordTooLarge,  // a word alone fills a display line: the caller stops the program
};

inline constexpr const char* kWordTooLarge = "Word too large for the window.";

// Loads the test named testName into the empty list, wrapped to lineCapacity (>= 2):
// each display line holds at most lineCapacity - 1 characters. lineBuffer and
// carryBuffer hold lineCapacity bytes each. Leaves the cursor on the first line.
// On WordTooLarge the lines made so far stay in the list, the cursor on the sentinel.
LoadResult LoadTest(const std::string& libraryPath, const CodePage& codePage, const char* testName,
                    std::int32_t lineCapacity, char* lineBuffer, char* carryBuffer,
                    LineList& lines);

}  // namespace keyrill
