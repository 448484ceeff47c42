// The run's counters: each one a full walk of the line list that puts the cursor
// back; and the running totals of the typed buffers that spare the statistics bar
// those walks. Core side.
// Floor 2, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <cstdint>

#include "program/line_list.h"
#include "program/program.h"

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

// One typed buffer's share of the running totals: taken out before the buffer is
// edited and put back after, so the totals follow every edit.
void TakeFromTotals(TypedTotals& totals, const char* typed);
void AddToTotals(TypedTotals& totals, const char* typed);

}  // namespace keyrill
