// Checks of the run's counters: the word rule, the error rule, the character sums
// and that every walk puts the list's cursor back. Test side.
#include "results/counters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace keyrill {
namespace {

TEST(Counters, WordRule) {
  struct Case {
    std::string text;
    std::int32_t words;
  };
  const std::vector<Case> cases = {
      {"", 0},          {"a", 1},          {"the cat", 2}, {"  the  cat  ", 2}, {"a - b", 3},
      {"the cat\r", 1}, {"the cat \r", 2}, {"\r", 0},      {"x\ry", 1},         {"a\tb", 1},
      {"the ca", 2},    {"   ", 0},        {"\r\r x", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CountWords(c.text.c_str()), c.words);
  }
}

TEST(Counters, ErrorRule) {
  struct Case {
    std::string target;
    std::string typed;
    std::int32_t errors;
  };
  const std::vector<Case> cases = {
      {"the cat", "the cat", 0},
      {"the cat", "the bat", 1},
      {"Abc", "abc", 1},
      {"the cat", "the", 4},
      {"the", "the cat", 4},
      {"abc", "", 3},
      {"", "", 0},
      {"the cat\r", "the cat", 1},
      {"abc", "xyzw", 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target + " / " + c.typed);
    EXPECT_EQ(CountMismatches(c.target.c_str(), c.typed.c_str()), c.errors);
  }
}

// A loaded run of pairs; frees them when done.
class LoadedRun {
 public:
  explicit LoadedRun(const std::vector<std::pair<std::string, std::string>>& pairs) {
    for (const auto& [target, typed] : pairs) {
      auto* pair = new LinePair;
      pair->target = std::make_unique<char[]>(target.size() + 1);
      std::memcpy(pair->target.get(), target.c_str(), target.size() + 1);
      pair->typed = std::make_unique<char[]>(typed.size() + 1);
      std::memcpy(pair->typed.get(), typed.c_str(), typed.size() + 1);
      lines.Add(pair);
    }
    lines.First();
  }
  ~LoadedRun() {
    lines.FreeLinePairs();
    lines.Clear();
  }
  LineList lines;
};

TEST(Counters, SumOverEveryPair) {
  LoadedRun run({{"the cat\r", "the cat"}, {"sat on ", "sat in"}, {"the mat", ""}});
  EXPECT_EQ(CountTargetWords(run.lines), 1 + 2 + 2);
  EXPECT_EQ(CountTypedWords(run.lines), 2 + 2 + 0);
  EXPECT_EQ(CountErrors(run.lines), 1 + 2 + 7);
  EXPECT_EQ(CountTargetChars(run.lines), 8 + 7 + 7);
  EXPECT_EQ(CountTypedChars(run.lines), 7 + 6 + 0);
}

TEST(Counters, EveryCounterPutsTheCursorBack) {
  using Counter = std::int32_t (*)(LineList&);
  const std::vector<std::pair<const char*, Counter>> counters = {
      {"target words", CountTargetWords}, {"typed words", CountTypedWords}, {"errors", CountErrors},
      {"target chars", CountTargetChars}, {"typed chars", CountTypedChars},
  };
  for (const auto& [name, count] : counters) {
    for (const std::int32_t at : {0, 2, 4}) {
      SCOPED_TRACE(std::string(name) + " at " + std::to_string(at));
      LoadedRun run({{"a", "a"}, {"b", ""}, {"c", "c"}, {"d", ""}, {"e", "e"}});
      run.lines.Seek(at);
      const LineNode* before = run.lines.Cursor();
      count(run.lines);
      EXPECT_EQ(run.lines.Index(), at);
      EXPECT_EQ(run.lines.Cursor(), before);
    }
  }
}

}  // namespace
}  // namespace keyrill
