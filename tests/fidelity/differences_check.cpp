// The harness's verdicts on two key streams: each kind of fault is named as what it
// is, at the right key, and equal streams pass. Test side (GoogleTest).
#include <gtest/gtest.h>

#include "differences.h"

namespace keyrill::fidelity {
namespace {

std::vector<int> Codes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(KeyStreamDifference, NamesEachFaultAtItsKey) {
  struct Case {
    const char* sent;
    const char* got;
    const char* starts;  // empty: no difference
    const char* at;
  };
  const Case cases[] = {
      {"\rDear Sam", "\rDear Sam", "", ""},
      {"\rDear Sam", "\rDear SSam", "doubled key 'S'", "at key 7 of 9"},
      {"\rDear Sam", "\rDeaar Sam", "doubled key 'a'", "at key 4 of 9"},
      {"\rDear Sam", "\rDer Sam", "lost key 'a'", "at key 4 of 9"},
      {"\rDear Sam", "\rDaer Sam", "reordered keys 'ea'", "at key 3 of 9"},
      {"\rDear Sam", "\rDeor Sam", "changed key: sent 'a', got 'o'", "at key 4 of 9"},
      {"\rDear Sam", "\rDear S", "lost keys: the core got only 7 of 9", "at key 8 of 9"},
      {"\rDear", "\rDear Sam", "extra keys: the core got 9 for 5 sent", "at key 6 of 5"},
      {"a\bb\tc", "a\bb\t\tc", "doubled key '<Tab>'", "at key 4 of 5"},
  };
  for (const Case& c : cases) {
    const std::string verdict = KeyStreamDifference(Codes(c.sent), Codes(c.got));
    if (*c.starts == '\0') {
      EXPECT_EQ(verdict, "") << Printable(c.got);
      continue;
    }
    EXPECT_EQ(verdict.rfind(c.starts, 0), 0u) << verdict;
    EXPECT_NE(verdict.find(c.at), std::string::npos) << verdict;
  }
}

TEST(LinesDifference, ShowsTheFirstDifferingLine) {
  EXPECT_EQ(LinesDifference("typed", {"ab\r", "cd"}, {"ab\r", "cd"}), "");
  EXPECT_EQ(LinesDifference("typed", {"ab\r", "cd"}, {"ab\r", "cdd"}),
            "typed line 2: expected \"cd\", got \"cdd\"");
  EXPECT_EQ(LinesDifference("target", {"ab\r", "cd"}, {"ab\r"}),
            "target line 2: expected \"cd\", got none");
  EXPECT_EQ(LinesDifference("typed", {"caf\xE9\r"}, {"cafe\r"}),
            "typed line 1: expected \"caf<E9><CR>\", got \"cafe<CR>\"");
}

}  // namespace
}  // namespace keyrill::fidelity
