// The fuzz targets' library file: one per process in a scratch directory that is
// removed at exit, rewritten with each input. Fuzzing side; POSIX.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace keyrill::fuzz {

class ScratchLibrary {
 public:
  ScratchLibrary() : dir_(Base() / ("keyrill-fuzz-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / "tests.tst").string();
  }
  ~ScratchLibrary() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  const std::string& Write(const std::string& bytes) {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path_;
  }

 private:
  // Memory-backed when the system has it: one file write per input adds up.
  static std::filesystem::path Base() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
  }

  std::filesystem::path dir_;
  std::string path_;
};

// A broken promise is a finding: say which, and end the run so libFuzzer keeps the input.
inline void Require(bool ok, const char* broken, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "%s: %s\n", broken, what);
  std::abort();
}

// Writes the bytes as the library and returns its path.
inline const std::string& WriteLibrary(const std::string& bytes) {
  static ScratchLibrary library;
  return library.Write(bytes);
}

}  // namespace keyrill::fuzz
