// Loading a generated 1 MiB and 10 MiB test, beside a plain read of the same file
// (the floor); loading 1 MiB of French in the code page and of Russian in UTF-8; and
// one statistics refresh on the 1 MiB test with every line typed.
// Benchmark side; the core is linked as the programs link it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "support/code_pages.h"
#include "library/library_file.h"
#include "prose.h"
#include "results/counters.h"
#include "run/loader.h"

namespace keyrill {
namespace {

constexpr std::int32_t kLineCapacity = 36;  // the example window's line capacity
constexpr const char* kTestName = "Bench";

enum class Prose { English, FrenchCp1252, RussianUtf8 };

// The generated libraries, one per language and size, made on first use and removed
// at exit. Written byte for byte as Add Test stores a record (each LF as CR LF).
class BenchLibraries {
 public:
  ~BenchLibraries() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  const std::string& Path(std::size_t mebibytes, Prose prose = Prose::English) {
    const auto key = std::make_pair(prose, mebibytes);
    auto found = paths_.find(key);
    if (found != paths_.end()) return found->second;
    std::filesystem::create_directories(dir_);
    const std::string path = (dir_ / ("tests-" + std::to_string(static_cast<int>(prose)) + "-" +
                                      std::to_string(mebibytes) + ".tst"))
                                 .string();
    const std::size_t bytes = mebibytes << 20;
    const std::string text = prose == Prose::English        ? MakeProse(bytes)
                             : prose == Prose::FrenchCp1252 ? MakeFrenchCp1252(bytes)
                                                            : MakeRussianUtf8(bytes);
    std::string record = std::string("\r\n~") + kTestName + "\r\n";
    for (const char c : text) {
      if (c == '\n') record += '\r';
      record += c;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << record;
    if (!out) std::abort();
    return paths_.emplace(key, path).first->second;
  }
  static BenchLibraries& Get() {
    static BenchLibraries libraries;
    return libraries;
  }

 private:
  std::filesystem::path dir_ = std::filesystem::temp_directory_path() /
                               ("keyrill-bench-" + std::to_string(std::random_device{}()));
  std::map<std::pair<Prose, std::size_t>, std::string> paths_;
};

struct LoadBuffers {
  std::unique_ptr<char[]> line = std::make_unique<char[]>(kLineCapacity);
  std::unique_ptr<char[]> carry = std::make_unique<char[]>(kLineCapacity);
};

void FreeLines(LineList& lines) {
  lines.FreeLinePairs();
  lines.Clear();
}

void LoadLibrary(benchmark::State& state, const std::string& path,
                 const CodePage& codePage = support::Cp1252()) {
  LoadBuffers buffers;
  LineList lines;
  for (auto _ : state) {
    const LoadResult result = LoadTest(path, codePage, kTestName, kLineCapacity, buffers.line.get(),
                                       buffers.carry.get(), lines);
    benchmark::DoNotOptimize(result);
    state.PauseTiming();
    if (result != LoadResult::Loaded || lines.Empty()) state.SkipWithError("load failed");
    FreeLines(lines);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

void BM_LoadTest(benchmark::State& state) {
  LoadLibrary(state, BenchLibraries::Get().Path(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_LoadTest)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_LoadFrenchCp1252(benchmark::State& state) {
  LoadLibrary(state, BenchLibraries::Get().Path(1, Prose::FrenchCp1252));
}
BENCHMARK(BM_LoadFrenchCp1252)->Unit(benchmark::kMillisecond);

void BM_LoadRussianUtf8(benchmark::State& state) {
  LoadLibrary(state, BenchLibraries::Get().Path(1, Prose::RussianUtf8),
              support::WindowsCodePage(1251));
}
BENCHMARK(BM_LoadRussianUtf8)->Unit(benchmark::kMillisecond);

// The floor: the same file read in the reader's 64 KiB chunks with nothing done.
void BM_PlainRead(benchmark::State& state) {
  const std::string& path = BenchLibraries::Get().Path(static_cast<std::size_t>(state.range(0)));
  std::vector<char> chunk(64 * 1024);
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::size_t total = 0;
    for (std::size_t got; (got = std::fread(chunk.data(), 1, chunk.size(), file)) > 0;) {
      total += got;
    }
    std::fclose(file);
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_PlainRead)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// One refresh of the statistics bar: two full walks over every line, each typed
// exactly as its target up to the target's closing CR (typing never enters a CR).
void BM_StatsRefresh(benchmark::State& state) {
  const std::string& path = BenchLibraries::Get().Path(1);
  LoadBuffers buffers;
  LineList lines;
  if (LoadTest(path, support::Cp1252(), kTestName, kLineCapacity, buffers.line.get(),
               buffers.carry.get(), lines) != LoadResult::Loaded) {
    state.SkipWithError("load failed");
    return;
  }
  std::int64_t lineCount = 0;
  lines.WalkAll([&](LinePair& pair) {
    std::size_t length = std::strlen(pair.target.get());
    if (length > 0 && pair.target[length - 1] == '\r') --length;
    std::memcpy(pair.typed.get(), pair.target.get(), length);
    pair.typed[length] = '\0';
    ++lineCount;
  });
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountTypedWords(lines));
    benchmark::DoNotOptimize(CountTypedChars(lines));
  }
  state.counters["lines"] = static_cast<double>(lineCount);
  FreeLines(lines);
}
BENCHMARK(BM_StatsRefresh)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keyrill
