// Scratch folders for checks, from std::filesystem alone. Test side, no platform.
#include "support/temp_dir.h"

#include <random>
#include <stdexcept>
#include <system_error>

namespace keyrill::support {

TempDir::TempDir() {
  // Tests run as parallel processes: a random name keeps their folders apart, and
  // create_directory's answer tells a name already taken.
  std::random_device seed;
  std::mt19937_64 random(seed());
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("keyrill-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = std::move(candidate);
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

WorkingDir::WorkingDir() : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(dir_.Path());
}

WorkingDir::~WorkingDir() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
}

bool MakeFreshDirectory(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::remove_all(path, error);
  if (error) return false;
  return std::filesystem::create_directories(path, error) && !error;
}

}  // namespace keyrill::support
