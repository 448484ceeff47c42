// What the end-to-end cases of keyrill.exe are run against, given on the driver's
// command line. Test side.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace e2e {

struct Options {
  std::string keyrillExe;     // Windows path
  std::string workRoot;       // Windows path of an empty directory for this case
  std::string poseDirectory;  // screenshots only: where the pose markers go
  int dpi = 96;               // the DPI the Wine prefix was made at (KEYRILL_DPI)
};

// Set once by the driver's main before any case runs.
Options& TheOptions();

// The case's own working directory under the work root, made fresh, with a
// tests.tst of those bytes; its Windows path.
std::string CaseDirectory(const std::string& name, const std::string& library);

// A length of the program's own 96-DPI figures as the display shows it.
inline int Scaled(int pixels) {
  return MulDiv(pixels, TheOptions().dpi, 96);
}
// How far a scaled figure may be from the exact product: none at 96 DPI, where
// every figure is the program's own; a pixel of rounding on a scaled display.
inline int ScaledSlack() {
  return TheOptions().dpi == 96 ? 0 : 1;
}

}  // namespace e2e
