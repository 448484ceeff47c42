// What the test dialogs ask of the core: the names to list, the chosen name, and
// the test to append. Core side; the platform builds the dialogs around these.
#include "app/dialog_actions.h"

#include <cstring>

#include "run/screen.h"

namespace keyrill {

void ListNames(const Program& program, const AddString& addString) {
  ListTestNames(program.libraryPath, program.codePage, addString);
}

void ChooseTest(Program& program, const char* name, bool redrawIdle) {
  // No entry chosen (a double-click on no selection): the name stays as it was.
  if (name != nullptr) {
    std::size_t length = 0;
    while (length < static_cast<std::size_t>(kNameLimit) && name[length] != '\0') ++length;
    std::memcpy(program.SelectedTest.data(), name, length);
    program.SelectedTest[length] = '\0';
  }
  if (redrawIdle) ShowIdle(program);
}

bool SaveTest(Program& program, std::string_view name, std::string_view text) {
  // The name box holds at most 47 characters; a longer name is cut as it would be.
  return AppendTest(program.libraryPath, program.codePage, name.substr(0, kNameLimit), text);
}

const char* SaveFailedText(const Program& program, std::string_view name) {
  if (NameHoldsEndMark(name.substr(0, kNameLimit))) {
    return "The test was not saved because its name contains an end-of-file mark "
           "(byte 0x1A), which tests.tst cannot hold; remove it from the name and "
           "save again.";
  }
  if (HoldsEndMark(program.libraryPath)) {
    return "The test was not saved because tests.tst contains an end-of-file mark "
           "(byte 0x1A) that would hide it; remove that mark with a text editor and "
           "save again.";
  }
  return "The test could not be saved to tests.tst.";
}

}  // namespace keyrill
