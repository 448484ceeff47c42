// What the end-to-end cases of keyrill.exe are run against, given on the driver's
// command line. Test side.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace e2e {

struct Options {
  std::string keyrillExe;     // Windows path
  std::string workRoot;       // Windows path of an empty directory for this case
  std::string poseDirectory;  // screenshots only: where the pose markers go
};

// Set once by the driver's main before any case runs.
Options& TheOptions();

}  // namespace e2e
