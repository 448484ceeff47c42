// The run's counters: each one a full walk of the line list that puts the cursor
// back. Nothing is cached. Core side.
// Floor 2, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <cstdint>

#include "program/line_list.h"

namespace keyrill {

// Words in one zero-terminated buffer: counted where a word ends (a byte that is
// neither space nor CR, followed by a space or the end).
std::int32_t CountWords(const char* text);
// Mismatches between two zero-terminated buffers, the shorter padded with zeros.
std::int32_t CountMismatches(const char* target, const char* typed);

std::int32_t CountTargetWords(LineList& lines);
std::int32_t CountTypedWords(LineList& lines);
std::int32_t CountErrors(LineList& lines);
std::int32_t CountTargetChars(LineList& lines);
std::int32_t CountTypedChars(LineList& lines);

}  // namespace keyrill
