// What the test dialogs ask of the core: the names to list, a chosen name, and a
// test to save. The platform builds the dialog; the rules live here. Core side.
// Floor 3, over the core's other floors: for the platform layers and the tests.
#pragma once

#include <string_view>

#include "library/library_file.h"
#include "program/program.h"

namespace keyrill {

inline constexpr int kNameLimit = 47;  // characters a name box accepts

void ListNames(const Program& program, const AddString& addString);
// Stores the name in SelectedTest (cut to 47 characters); Select Test also redraws
// the idle rows, Edit Test does not. A null name (a double-click with no entry
// selected) keeps SelectedTest as it was; Select Test still redraws.
void ChooseTest(Program& program, const char* name, bool redrawIdle);
// Appends the test; false when it could not be saved, so the dialog keeps the text.
bool SaveTest(Program& program, std::string_view name, std::string_view text);
// The one sentence both programs show when SaveTest of that name failed: why, where
// the name or the library says so itself, and what the user can do about it.
const char* SaveFailedText(const Program& program, std::string_view name);

}  // namespace keyrill
