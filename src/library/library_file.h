// Operations on the test library: scanning names, finding a test, listing every
// name for a dialog, and appending a test. Core side.
// Floor 1, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "library/text_mode_reader.h"

namespace keyrill {

// Fills name with the next test name from the reader's position; false when the
// end of the file comes first.
bool ReadNextTestName(TestFileReader& reader, TestName& name);

// True when a test of that name (byte for byte) follows the reader's position; the
// reader then stands at the start of that test's first text line.
bool FindTest(TestFileReader& reader, const char* wanted);

// The list's add-string operation: any dialog's list can receive the names.
using AddString = std::function<void(const char* name)>;

// Adds every name of the library, in file order, duplicates and empty names kept.
void ListTestNames(const std::string& path, const CodePage& codePage, const AddString& addString);

// Whether the file already holds the end mark 0x1A: a record appended behind it
// could never be read, so AppendTest refuses to write one.
bool HoldsEndMark(const std::string& path);

// Whether a name holds the end mark 0x1A, which no record can store: AppendTest
// refuses such a name rather than store the test under another.
bool NameHoldsEndMark(std::string_view name);

// Appends one record (CR LF "~" name CR LF text, each LF of the text stored as
// CR LF) with a single append write, flushed to the disk. Returns whether the
// whole record is stored where a reader will see it. Name and text are code-page
// bytes; they are written in UTF-8 when the library is a UTF-8 file (the reader's
// rule), so that the editor that wrote it keeps reading it, and also when they
// would make an ASCII, empty or missing library one; otherwise as they are.
bool AppendTest(const std::string& path, const CodePage& codePage, std::string_view name,
                std::string_view text);

}  // namespace keyrill
