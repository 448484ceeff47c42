// Checks of the run's line list: ring order, the cursor and its index, the seek
// rule that walks from the sentinel, the full walk and freeing. Test side.
#include "program/line_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keyrill {
namespace {

// Pairs that name themselves by their target text; owned by the test.
struct Pairs {
  explicit Pairs(const std::vector<std::string>& names) {
    for (const auto& name : names) {
      auto pair = std::make_unique<LinePair>();
      pair->target = std::make_unique<char[]>(name.size() + 1);
      name.copy(pair->target.get(), name.size());
      pair->typed = std::make_unique<char[]>(1);
      owned.push_back(std::move(pair));
    }
  }
  LinePair* operator[](std::size_t i) const { return owned[i].get(); }
  std::vector<std::unique_ptr<LinePair>> owned;
};

LineList& AppendAll(LineList& list, const Pairs& pairs) {
  for (const auto& pair : pairs.owned) EXPECT_TRUE(list.Add(pair.get()));
  return list;
}

// The ring read forwards from the sentinel, checked against the ring read backwards.
std::string Order(const LineList& list) {
  std::string forward;
  for (const LineNode* node = list.Sentinel()->next; node != list.Sentinel(); node = node->next) {
    forward += node->item->target.get();
  }
  std::string backward;
  for (const LineNode* node = list.Sentinel()->prev; node != list.Sentinel(); node = node->prev) {
    backward.insert(0, node->item->target.get());
  }
  EXPECT_EQ(forward, backward) << "prev does not run the ring backwards";
  return forward;
}

std::string Current(const LineList& list) {
  return list.OnSentinel() ? std::string("<sentinel>") : list.Cursor()->item->target.get();
}

TEST(LineList, NewListIsEmptyAndNavigationChangesNothing) {
  LineList list;
  EXPECT_TRUE(list.Empty());
  EXPECT_TRUE(list.OnSentinel());
  EXPECT_EQ(list.Index(), -1);
  list.First();
  EXPECT_FALSE(list.Next());
  list.Previous();
  EXPECT_TRUE(list.OnSentinel());
  EXPECT_EQ(list.Index(), -1);
  EXPECT_EQ(list.Sentinel()->next, list.Sentinel());
  EXPECT_EQ(list.Sentinel()->prev, list.Sentinel());
}

TEST(LineList, AppendingKeepsOrderAndFirstGoesToTheFirstPair) {
  Pairs pairs({"a", "b", "c"});
  LineList list;
  AppendAll(list, pairs);
  EXPECT_EQ(list.Index(), -1);  // appending never moves the cursor
  EXPECT_EQ(Order(list), "abc");
  list.First();
  EXPECT_EQ(Current(list), "a");
  EXPECT_EQ(list.Index(), 0);
  EXPECT_EQ(list.GetItem(), pairs[0]);
}

TEST(LineList, NextAndPreviousStopAtTheEnds) {
  Pairs pairs({"a", "b", "c"});
  LineList list;
  AppendAll(list, pairs).First();
  list.Previous();
  EXPECT_EQ(Current(list), "a");
  EXPECT_EQ(list.Index(), 0);
  EXPECT_TRUE(list.Next());
  EXPECT_TRUE(list.Next());
  EXPECT_EQ(Current(list), "c");
  EXPECT_FALSE(list.Next());
  EXPECT_EQ(Current(list), "c");
  EXPECT_EQ(list.Index(), 2);
  list.Previous();
  EXPECT_EQ(Current(list), "b");
  EXPECT_EQ(list.Index(), 1);
}

// Seek walks forward from the cursor only when the cursor is past index 0 and
// before the goal; otherwise it starts again at the sentinel.
TEST(LineList, SeekStepsFromTheCursorOrFromTheSentinel) {
  struct Case {
    std::int32_t from;  // -1: cursor on the sentinel
    std::int32_t goal;
    std::int32_t steps;
    std::int32_t index;
    const char* pair;
  };
  const std::vector<Case> cases = {
      {1, 2, 1, 2, "c"},   // forward from the cursor
      {2, 1, 2, 1, "b"},   // backwards: again from the sentinel
      {0, 2, 3, 2, "c"},   // from index 0: from the sentinel
      {2, 2, 3, 2, "c"},   // its own index: from the sentinel
      {1, -5, 1, 0, "a"},  // negative: 0
      {-1, 1, 2, 1, "b"},  // from the sentinel
      {3, 4, 1, 4, "e"},   // forward to the last pair
      {4, 9, 0, 4, "e"},   // past the last pair: stays on it
      {-1, 9, 5, 4, "e"},  // past the last pair from the sentinel
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.goal));
    Pairs pairs({"a", "b", "c", "d", "e"});
    LineList list;
    AppendAll(list, pairs);
    if (c.from >= 0) {
      list.First();
      for (std::int32_t i = 0; i < c.from; ++i) list.Next();
    }
    EXPECT_EQ(list.Seek(c.goal), c.steps);
    EXPECT_EQ(list.Index(), c.index);
    EXPECT_EQ(Current(list), c.pair);
  }
}

// SeekNear ends where Seek does, but steps from the cursor both ways.
TEST(LineList, SeekNearEndsWhereSeekDoes) {
  struct Case {
    std::int32_t from;  // -1: cursor on the sentinel
    std::int32_t goal;
    std::int32_t index;
    const char* pair;
  };
  const std::vector<Case> cases = {
      {1, 3, 3, "d"},  {3, 1, 1, "b"},   {4, 0, 0, "a"}, {2, 2, 2, "c"}, {2, -5, 0, "a"},
      {-1, 2, 2, "c"}, {-1, -1, 0, "a"}, {1, 9, 4, "e"}, {4, 9, 4, "e"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.goal));
    Pairs pairs({"a", "b", "c", "d", "e"});
    LineList list;
    AppendAll(list, pairs);
    if (c.from >= 0) {
      list.First();
      for (std::int32_t i = 0; i < c.from; ++i) list.Next();
    }
    list.SeekNear(c.goal);
    EXPECT_EQ(list.Index(), c.index);
    EXPECT_EQ(Current(list), c.pair);
  }
  LineList empty;
  empty.SeekNear(2);
  EXPECT_TRUE(empty.OnSentinel());
  EXPECT_EQ(empty.Index(), -1);
}

TEST(LineList, SeekOnAnEmptyListStaysOnTheSentinel) {
  LineList list;
  list.Seek(3);
  EXPECT_TRUE(list.OnSentinel());
  EXPECT_EQ(list.Index(), -1);
}

TEST(LineList, FullWalkVisitsInOrderAndPutsTheCursorBack) {
  struct Case {
    std::int32_t from;
    std::int32_t endIndex;
  };
  // A walk begun on the sentinel ends at the first pair, as Seek takes -1 as 0.
  const std::vector<Case> cases = {{2, 2}, {0, 0}, {4, 4}, {-1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    Pairs pairs({"a", "b", "c", "d", "e"});
    LineList list;
    AppendAll(list, pairs);
    if (c.from >= 0) list.Seek(c.from);
    std::string visited;
    list.WalkAll([&](const LinePair& pair) { visited += pair.target.get(); });
    EXPECT_EQ(visited, "abcde");
    EXPECT_EQ(list.Index(), c.endIndex);
    EXPECT_EQ(Current(list), std::string(1, static_cast<char>('a' + c.endIndex)));
  }
}

TEST(LineList, InsertAtTheCursor) {
  struct Case {
    const char* what;
    std::vector<std::string> names;
    std::int32_t cursor;  // -1: the sentinel
    bool before;
    const char* order;
    std::int32_t index;
  };
  const std::vector<Case> cases = {
      {"before the sentinel appends", {"a", "b"}, -1, true, "abx", -1},
      {"after the sentinel puts in front", {"a", "b"}, -1, false, "xab", -1},
      {"after a pair", {"a", "b", "c"}, 1, false, "abxc", 1},
      {"before a pair", {"a", "b", "c"}, 1, true, "axbc", 1},
      {"into an empty list", {}, -1, true, "x", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Pairs pairs(c.names);
    Pairs x({"x"});
    LineList list;
    AppendAll(list, pairs);
    if (c.cursor >= 0) list.Seek(c.cursor);
    const std::string before = Current(list);
    EXPECT_TRUE(c.before ? list.InsertBefore(x[0]) : list.InsertAfter(x[0]));
    EXPECT_EQ(Order(list), c.order);
    EXPECT_EQ(list.Index(), c.index);
    EXPECT_EQ(Current(list), before);
  }
}

TEST(LineList, SetItemReplacesWithoutMoving) {
  Pairs pairs({"a", "b"});
  Pairs x({"x"});
  LineList list;
  AppendAll(list, pairs).First();
  list.Next();
  list.SetItem(x[0]);
  EXPECT_EQ(Order(list), "ax");
  EXPECT_EQ(list.Index(), 1);
  EXPECT_EQ(list.GetItem(), x[0]);
}

TEST(LineList, RemoveCurrentUnlinksOnlyThatNode) {
  Pairs pairs({"a", "b", "c"});
  LineList list;
  AppendAll(list, pairs).First();
  list.Next();
  list.RemoveCurrent();
  EXPECT_EQ(Order(list), "ac");
  list.First();
  EXPECT_EQ(Current(list), "a");
  EXPECT_EQ(list.Index(), 0);
  EXPECT_TRUE(list.Next());
  EXPECT_EQ(Current(list), "c");
  // Removing the only remaining pairs empties the list.
  list.RemoveCurrent();
  list.First();
  list.RemoveCurrent();
  EXPECT_TRUE(list.Empty());
}

TEST(LineList, ClearEmptiesAndStartsWithAFreshSentinel) {
  for (const std::size_t count : {std::size_t{3}, std::size_t{0}}) {
    SCOPED_TRACE(count);
    Pairs pairs(std::vector<std::string>(count, "p"));
    LineList list;
    AppendAll(list, pairs).First();
    list.Clear();
    EXPECT_TRUE(list.Empty());
    EXPECT_TRUE(list.OnSentinel());
    EXPECT_EQ(list.Index(), -1);
    // Usable again afterwards.
    Pairs more({"q"});
    EXPECT_TRUE(list.Add(more[0]));
    list.First();
    EXPECT_EQ(Order(list), "q");
  }
}

// Sanitizer builds catch a pair freed twice or never; here the cursor's end place
// and the emptied items are checked.
TEST(LineList, FreeLinePairsFreesEveryPairAndEndsOnTheLast) {
  LineList list;
  for (const char* name : {"a", "b", "c"}) {
    auto* pair = new LinePair;
    pair->target = std::make_unique<char[]>(2);
    pair->target[0] = name[0];
    pair->typed = std::make_unique<char[]>(2);
    ASSERT_TRUE(list.Add(pair));
  }
  list.FreeLinePairs();
  EXPECT_EQ(list.Index(), 2);
  EXPECT_TRUE(list.AtLast());
  for (const LineNode* node = list.Sentinel()->next; node != list.Sentinel(); node = node->next) {
    EXPECT_EQ(node->item, nullptr);
  }
  list.Clear();
  EXPECT_TRUE(list.Empty());

  LineList empty;
  empty.FreeLinePairs();
  EXPECT_EQ(empty.Index(), -1);
}

}  // namespace
}  // namespace keyrill
