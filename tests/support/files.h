// Whole-file reads and writes of raw bytes, for checks that set up or inspect a
// library file. Test side, no platform.
#pragma once

#include <filesystem>
#include <string>

namespace keyrill::support {

// Every byte of the file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);
// Replaces the file with bytes. False when it cannot be written in full.
bool WriteFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace keyrill::support
