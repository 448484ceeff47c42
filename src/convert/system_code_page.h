// A Windows code page's table from the system's own converter: iconv, or
// MultiByteToWideChar on Windows. Both programs and the checks make their tables
// here, so they agree on what a byte that is no character of its own becomes.
#pragma once

#include <optional>

#include "program/code_page.h"

namespace keyrill {

// The table of code page number (on Windows, 0 is the ANSI code page), each byte the
// converter leaves undefined given CodePage::Undefined; none without a converter.
std::optional<CodePage> SystemCodePage(int number);

}  // namespace keyrill
