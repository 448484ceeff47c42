// The whole-window test fixture. Test side.
#include "fake_window.h"

#include <fstream>
#include <random>
#include <stdexcept>

#include "app/dialog_actions.h"
#include "app/router.h"
#include "run/screen.h"
#include "support/code_pages.h"

namespace keyrill::fake {

std::string LibraryRecord(std::string_view name, std::string_view text) {
  std::string record = "\r\n~";
  record += name;
  record += "\r\n";
  for (const char byte : text) {
    if (byte == '\n') record += '\r';
    record += byte;
  }
  return record;
}

void WriteLibrary(const std::filesystem::path& file, const std::vector<StoredTest>& tests) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const StoredTest& test : tests) out << LibraryRecord(test.name, test.text);
  if (!out) throw std::runtime_error("cannot write the test library");
}

std::vector<std::string> TypedLines(LineList& lines) {
  std::vector<std::string> texts;
  lines.WalkAll([&](const LinePair& pair) { texts.emplace_back(pair.typed.get()); });
  return texts;
}

std::vector<std::string> TargetLines(LineList& lines) {
  std::vector<std::string> texts;
  lines.WalkAll([&](const LinePair& pair) { texts.emplace_back(pair.target.get()); });
  return texts;
}

FakeWindow::FakeWindow(WindowSize size, const CodePage& codePage)
    : surface(size.clientWidth, size.clientHeight, size.textCell, size.statsCell),
      program(surface, host, clock, codePage, (dir_.Path() / "tests.tst").string()) {
  host.program = &program;
  MeasureLayout(program, size.clientWidth, size.clientHeight);
}

void FakeWindow::Select(const std::string& name) {
  ChooseTest(program, name.c_str(), true);
}

bool FakeWindow::Start(const std::string& text) {
  Store({{"t", text}, {"other", "zz"}});
  Select("t");
  Type("\r");
  return program.TestRunning;
}

void FakeWindow::Type(std::string_view keys) {
  for (const char key : keys) OnChar(program, static_cast<unsigned char>(key));
}

void FakeWindow::ClearLogs() {
  surface.ClearLog();
  host.ClearLog();
}

}  // namespace keyrill::fake
