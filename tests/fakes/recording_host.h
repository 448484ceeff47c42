// A main window for tests: it records repaint requests, timers, closing, dialog
// openings and fatal errors, and answers each dialog as the test scripted it through
// the core's dialog operations. Test side: it implements the core's Host.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "program/host.h"
#include "program/program.h"

namespace keyrill::fake {

struct Invalidation {
  Rect rect;  // meaningless when all is set
  bool all;
  bool erase;
};

struct TimerState {
  bool running = false;
  int periodMs = 0;
};

struct ScriptedSave {
  std::string name;
  std::string text;
};

class RecordingHost final : public Host {
 public:
  void Invalidate(const Rect& rect, bool erase) override;
  void InvalidateAll(bool erase) override;
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void CloseMainWindow() override;
  void ShowSelectTest() override;
  void ShowAddTest() override;
  void ShowEditTest() override;
  void ShowReport(const ReportTexts& texts) override;
  void FatalError(const char* text) override;

  // The program the dialogs act on; set once the program exists.
  Program* program = nullptr;

  // Scripted answers. Select Test: double-click this name (nullopt: Escape);
  // selectNoEntry double-clicks with nothing selected. Edit Test: double-click
  // editChoice first, then press Update with editSave. Add Test: press Add with addSave.
  std::optional<std::string> selectChoice;
  bool selectNoEntry = false;
  std::optional<std::string> editChoice;
  std::optional<ScriptedSave> addSave;
  std::optional<ScriptedSave> editSave;
  // Runs while the Report is open, before ShowReport returns.
  std::function<void(const ReportTexts&)> onReport;

  const TimerState& Timer(int id) const;

  // The record since the last ClearLog (counts and reports are kept for good).
  std::vector<Invalidation> invalidations;
  std::vector<std::string> events;  // timers, dialogs, closing, fatal errors, in order
  void ClearLog();

  int closeRequests = 0;
  int selectOpened = 0;
  int addOpened = 0;
  int editOpened = 0;
  std::vector<ReportTexts> reports;
  std::vector<std::string> fatalErrors;
  std::vector<bool> saveResults;

 private:
  std::array<TimerState, 3> timers_{};
  TimerState unknownTimer_{};
};

// A clock the test sets by hand.
class ManualClock final : public ClockSource {
 public:
  std::int32_t NowMs() override { return now; }
  std::int32_t now = 0;
};

}  // namespace keyrill::fake
