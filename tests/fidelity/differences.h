// Saying where what the core received parts from what was sent: the first key that
// was doubled, lost, reordered or changed, and the first line or Report figure that
// differs. Test side.
#pragma once

#include <string>
#include <vector>

namespace keyrill::fidelity {

// Empty when got equals sent; otherwise one line naming the first difference
// ("doubled key", "lost key", "reordered keys", "changed key", "extra keys") with
// the keys around it.
std::string KeyStreamDifference(const std::vector<int>& sent, const std::vector<int>& got);

// Empty when equal; otherwise the first differing line, both versions shown.
std::string LinesDifference(const char* what, const std::vector<std::string>& expected,
                            const std::vector<std::string>& got);

// A code or bytes as a reader wants them: <Enter>, <BS>, <Tab>, <E9>, or the letter.
std::string Printable(int code);
std::string Printable(const std::string& bytes);

}  // namespace keyrill::fidelity
