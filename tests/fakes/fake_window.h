// A whole main window for tests: a fresh library folder, the recording surface and
// host, a hand-set clock and the program, measured at the example's 492 x 446 with
// a 13 x 24 "@" unless told otherwise. Test side.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "program/program.h"
#include "recording_host.h"
#include "recording_surface.h"
#include "support/code_pages.h"
#include "support/temp_dir.h"

namespace keyrill::fake {

struct StoredTest {
  std::string name;
  // Stored as the Add Test dialog stores its text: every LF is written as CR LF. So
  // "a\r\nb" (the dialog's own line break) loads as "a" CR and "b", while "a\nb"
  // (a hand-made file's line end) loads as "a" and "b".
  std::string text;
};

// The bytes of one library record: CR LF "~" name CR LF text, each LF written CR LF.
std::string LibraryRecord(std::string_view name, std::string_view text);
// Writes the whole library file, replacing it.
void WriteLibrary(const std::filesystem::path& file, const std::vector<StoredTest>& tests);

// Every line's typed (or target) text, first to last; the list's cursor stays put.
std::vector<std::string> TypedLines(LineList& lines);
std::vector<std::string> TargetLines(LineList& lines);

struct WindowSize {
  std::int32_t clientWidth = 492;
  std::int32_t clientHeight = 446;
  Extent textCell{13, 24};
  Extent statsCell{10, 16};
};

class FakeWindow {
 public:
  explicit FakeWindow(WindowSize size = {}, const CodePage& codePage = support::Cp1252());
  FakeWindow(const FakeWindow&) = delete;
  FakeWindow& operator=(const FakeWindow&) = delete;

  std::filesystem::path LibraryFile() const { return dir_.Path() / "tests.tst"; }
  void Store(const std::vector<StoredTest>& tests) { WriteLibrary(LibraryFile(), tests); }
  // Select Test with a double-click on name.
  void Select(const std::string& name);
  // Stores a test named "t" with this text (and another after it), selects it and
  // presses Enter; false when no run began.
  bool Start(const std::string& text);
  // Each byte through the router as a character message.
  void Type(std::string_view keys);
  void ClearLogs();

 private:
  support::TempDir dir_;  // first: the program's library path lives in it

 public:
  RecordingSurface surface;
  RecordingHost host;
  ManualClock clock;
  Program program;
};

}  // namespace keyrill::fake
