// The keystroke engine's cost per key (ordinary, line-ending, scrolling) at line
// 20,000 of a 1 MiB test and at line 5 of a 1 KiB test, and one statistics bar on
// the 1 MiB test, through a surface and host that draw nothing. A counting
// operator new shows whether a key allocates. Benchmark side.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/dialog_actions.h"
#include "fakes/null_window.h"
#include "fakes/recording_host.h"
#include "program/program.h"
#include "prose.h"
#include "results/counters.h"
#include "results/stats_bar.h"
#include "run/keys.h"
#include "run/run_control.h"
#include "run/screen.h"
#include "support/code_pages.h"

// Every allocation of the process is counted, so a benchmark can see its own. The
// one mutable global of this program, and only the benchmark has it.
namespace {
std::atomic<long long> gAllocations{0};

void* CountedAllocate(std::size_t size) {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) {
  return CountedAllocate(size);
}
void* operator new[](std::size_t size) {
  return CountedAllocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}

namespace keyrill {
namespace {

// The bench test as the Add Test dialog stores it (each line break CR LF, written
// CR CR LF), followed by another test.
std::string MakeLibrary(std::size_t bytes) {
  std::string stored;
  for (const char c : MakeProse(bytes)) {
    if (c == '\n') stored += '\r';
    stored += c;
  }
  return "\r\n~Bench\r\n" + stored + "\r\n~After\r\nx";
}

// A program with the bench test loaded in the example window (line capacity 36,
// six blocks a page), its library in a folder of its own.
class Engine {
 public:
  explicit Engine(std::size_t bytes)
      : folder_(std::filesystem::temp_directory_path() /
                ("keyrill-engine-bench-" + std::to_string(bytes))),
        program_(surface_, host_, clock_, support::Cp1252(), (folder_ / "tests.tst").string()) {
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "tests.tst", std::ios::binary | std::ios::trunc) << MakeLibrary(bytes);
    MeasureLayout(program_, 492, 446);
    ChooseTest(program_, "Bench", true);
    ClearScreen(program_);
    clock_.now = 5000;  // the run begins at 5 s; the bar is drawn at 65 s
    BeginTest(program_);
    program_.lines.WalkAll([&](const LinePair& pair) { targets_.emplace_back(pair.target.get()); });
  }
  ~Engine() {
    EndTest(program_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  Program& program() { return program_; }
  std::size_t LineCount() const { return targets_.size(); }

  // The first line at or after `from` that a key can be typed into without ending
  // it (two characters before any CR) and that has a line after it.
  std::int32_t FindLine(std::int32_t from) const {
    for (auto i = static_cast<std::size_t>(from); i + 1 < targets_.size(); ++i) {
      const std::string& t = targets_[i];
      if (t.size() >= 3 && t[0] != '\r' && t[1] != '\r') return static_cast<std::int32_t>(i);
    }
    return -1;
  }

  // Lines before `line` typed as their targets (the user got this far); the page
  // scrolled so that `line` stands in block `block` with nothing typed yet.
  void PlaceAt(std::int32_t line, std::int32_t block) {
    LineList& lines = program_.lines;
    lines.First();
    for (std::int32_t i = 0; i < line; ++i) {
      const std::string& t = targets_[static_cast<std::size_t>(i)];
      const std::size_t typed = t.empty() || t.back() != '\r' ? t.size() : t.size() - 1;
      std::memcpy(lines.GetItem()->typed.get(), t.data(), typed);
      lines.GetItem()->typed[typed] = '\0';
      lines.Next();
    }
    lines.GetItem()->typed[0] = '\0';
    // Typed straight into the lines: the running totals follow by a full count.
    program_.typedTotals = TypedTotals{CountTypedWords(lines), CountTypedChars(lines)};
    lines.Seek(line - block);
    RenderPage(program_);
    lines.Seek(line);
    program_.CaretX = kMargin;
    program_.CaretY = (3 * block + 1) * program_.layout.CharHeight + kPageTop;
  }

  // The line's text without its closing CR: what completes it.
  std::string Typable(std::int32_t line) const {
    std::string t = targets_[static_cast<std::size_t>(line)];
    if (!t.empty() && t.back() == '\r') t.pop_back();
    return t;
  }

 private:
  std::filesystem::path folder_;
  fake::NullSurface surface_;
  fake::NullHost host_;
  fake::ManualClock clock_;
  Program program_;
  std::vector<std::string> targets_;
};

constexpr std::size_t kOneMiB = 1 << 20;
constexpr std::size_t kOneKiB = 1 << 10;

Engine& EngineOf(std::size_t bytes) {
  // Loaded once per size for the whole run; loading 1 MiB is not what is measured.
  static Engine big(kOneMiB);
  static Engine small(kOneKiB);
  return bytes == kOneMiB ? big : small;
}

struct Where {
  std::size_t bytes;
  std::int32_t line;
};

constexpr Where kDeep{kOneMiB, 20000};  // line 20,000 of a 1 MiB test
constexpr Where kEarly{kOneKiB, 5};     // line 5 of a 1 KiB test

void ReportAllocations(benchmark::State& state, long long before, bool mustBeNone) {
  const long long allocations = gAllocations.load() - before;
  state.counters["allocs/key"] = benchmark::Counter(static_cast<double>(allocations) /
                                                    static_cast<double>(state.iterations()));
  if (mustBeNone && allocations != 0) state.SkipWithError("a key allocated memory");
}

// One character typed at a line's start; then the line is put back as it was (a
// zero byte and the caret: a few nanoseconds, see BM_ResetOnly).
void BM_OrdinaryKey(benchmark::State& state, Where where) {
  Engine& engine = EngineOf(where.bytes);
  const std::int32_t line = engine.FindLine(where.line);
  engine.PlaceAt(line, 2);
  Program& program = engine.program();
  char* typed = program.lines.GetItem()->typed.get();
  const int key = static_cast<unsigned char>(engine.Typable(line)[0]);
  const long long before = gAllocations.load();
  for (auto _ : state) {
    HandleKey(program, key);
    typed[0] = '\0';
    program.CaretX = kMargin;
  }
  ReportAllocations(state, before, true);
  state.counters["line"] = program.lines.Index();
  state.counters["target_length"] = static_cast<double>(engine.Typable(line).size());
}
BENCHMARK_CAPTURE(BM_OrdinaryKey, MiB_line20000, kDeep);
BENCHMARK_CAPTURE(BM_OrdinaryKey, KiB_line5, kEarly);
// Controls: the cost follows the line's own buffers (their length and alignment),
// not its position or the size of the test.
BENCHMARK_CAPTURE(BM_OrdinaryKey, MiB_line5, (Where{kOneMiB, 5}));
BENCHMARK_CAPTURE(BM_OrdinaryKey, MiB_line20001, (Where{kOneMiB, 20001}));

// The reset the key benchmarks do after each key, alone.
void BM_ResetOnly(benchmark::State& state) {
  Engine& engine = EngineOf(kOneKiB);
  engine.PlaceAt(engine.FindLine(5), 2);
  Program& program = engine.program();
  char* typed = program.lines.GetItem()->typed.get();
  for (auto _ : state) {
    typed[0] = '\0';
    program.CaretX = kMargin;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ResetOnly);

// The last character of a line: the length (or CR) rule moves to the next line, in
// block 2 (no scroll) or block 4 (the page scrolls). Then back to the line.
void LineEndingKey(benchmark::State& state, Where where, std::int32_t block) {
  Engine& engine = EngineOf(where.bytes);
  const std::int32_t line = engine.FindLine(where.line);
  engine.PlaceAt(line, block);
  Program& program = engine.program();
  const std::string text = engine.Typable(line);
  const auto prefix = static_cast<std::int32_t>(text.size()) - 1;
  const int key = static_cast<unsigned char>(text.back());
  char* typed = program.lines.GetItem()->typed.get();
  std::memcpy(typed, text.data(), static_cast<std::size_t>(prefix));
  typed[prefix] = '\0';
  const std::int32_t caretX = kMargin + prefix * program.layout.CharWidth;
  const std::int32_t caretY = program.CaretY;
  program.CaretX = caretX;
  long long scrolled = 0;
  const long long before = gAllocations.load();
  for (auto _ : state) {
    HandleKey(program, key);
    if (program.CaretY != caretY + 3 * program.layout.CharHeight) ++scrolled;
    program.lines.Previous();
    typed[prefix] = '\0';
    program.CaretX = caretX;
    program.CaretY = caretY;
  }
  ReportAllocations(state, before, false);
  state.counters["line"] = line;
  state.counters["scrolled"] =
      benchmark::Counter(static_cast<double>(scrolled) / static_cast<double>(state.iterations()));
}

void BM_LineEndingKey(benchmark::State& state, Where where) {
  LineEndingKey(state, where, 2);
}
BENCHMARK_CAPTURE(BM_LineEndingKey, MiB_line20000, kDeep);
BENCHMARK_CAPTURE(BM_LineEndingKey, KiB_line5, kEarly);

void BM_ScrollingKey(benchmark::State& state, Where where) {
  LineEndingKey(state, where, 4);
}
BENCHMARK_CAPTURE(BM_ScrollingKey, MiB_line20000, kDeep)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ScrollingKey, KiB_line5, kEarly)->Unit(benchmark::kMicrosecond);

// One refresh of the statistics bar with the first 20,000 lines typed.
void BM_DrawStatsBar(benchmark::State& state) {
  Engine& engine = EngineOf(kOneMiB);
  engine.PlaceAt(engine.FindLine(20000), 2);
  Program& program = engine.program();
  for (auto _ : state) DrawStatsBar(program, 65000);
  state.counters["lines"] = static_cast<double>(engine.LineCount());
}
BENCHMARK(BM_DrawStatsBar)->Unit(benchmark::kMicrosecond);

// What each refresh of the bar used to cost on top of its drawing: two full walks
// of the lines, now replaced by the running totals.
void BM_FullWalkTypedCounters(benchmark::State& state) {
  Engine& engine = EngineOf(kOneMiB);
  engine.PlaceAt(engine.FindLine(20000), 2);
  LineList& lines = engine.program().lines;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountTypedWords(lines));
    benchmark::DoNotOptimize(CountTypedChars(lines));
  }
}
BENCHMARK(BM_FullWalkTypedCounters)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keyrill
