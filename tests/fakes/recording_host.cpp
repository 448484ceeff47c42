// The recording main window for tests. Test side.
#include "recording_host.h"

#include "app/dialog_actions.h"

namespace keyrill::fake {

void RecordingHost::Invalidate(const Rect& rect, bool erase) {
  invalidations.push_back({rect, false, erase});
}

void RecordingHost::InvalidateAll(bool erase) {
  invalidations.push_back({Rect{}, true, erase});
}

void RecordingHost::StartTimer(int id, int periodMs) {
  events.push_back("start " + std::to_string(id) + " " + std::to_string(periodMs));
  if (id >= 0 && id < static_cast<int>(timers_.size())) {
    timers_[static_cast<std::size_t>(id)] = {true, periodMs};
  }
}

void RecordingHost::StopTimer(int id) {
  events.push_back("stop " + std::to_string(id));
  if (id >= 0 && id < static_cast<int>(timers_.size())) {
    timers_[static_cast<std::size_t>(id)].running = false;
  }
}

const TimerState& RecordingHost::Timer(int id) const {
  if (id >= 0 && id < static_cast<int>(timers_.size())) {
    return timers_[static_cast<std::size_t>(id)];
  }
  return unknownTimer_;
}

void RecordingHost::CloseMainWindow() {
  events.push_back("close");
  ++closeRequests;
}

void RecordingHost::ShowSelectTest() {
  events.push_back("select");
  ++selectOpened;
  if (program == nullptr) return;
  if (selectNoEntry) {
    ChooseTest(*program, nullptr, true);
  } else if (selectChoice) {
    ChooseTest(*program, selectChoice->c_str(), true);
  }
}

void RecordingHost::ShowAddTest() {
  events.push_back("add");
  ++addOpened;
  if (program != nullptr && addSave) {
    saveResults.push_back(SaveTest(*program, addSave->name, addSave->text));
  }
}

void RecordingHost::ShowEditTest() {
  events.push_back("edit");
  ++editOpened;
  if (program == nullptr) return;
  if (editChoice) ChooseTest(*program, editChoice->c_str(), false);
  if (editSave) saveResults.push_back(SaveTest(*program, editSave->name, editSave->text));
}

void RecordingHost::ShowReport(const ReportTexts& texts) {
  events.push_back("report");
  reports.push_back(texts);
  if (onReport) onReport(texts);
}

void RecordingHost::FatalError(const char* text) {
  events.push_back("fatal");
  fatalErrors.emplace_back(text);
}

void RecordingHost::ClearLog() {
  invalidations.clear();
  events.clear();
}

}  // namespace keyrill::fake
