// The run's lines: a circular doubly linked list closed by a sentinel, with a
// cursor on the line being typed and the cursor's index. Core side.
// The list owns its nodes, never its items: FreeLinePairs frees the pairs.
// Floor 0: any part of the core, the platform layers and the tests may include it.
#pragma once

#include <cstdint>
#include <memory>

namespace keyrill {

// One display line of the running test. Both buffers hold LineCapacity + 1 bytes.
struct LinePair {
  std::unique_ptr<char[]> target;
  std::unique_ptr<char[]> typed;
};

struct LineNode {
  LinePair* item = nullptr;  // never set in the sentinel
  LineNode* next = nullptr;
  LineNode* prev = nullptr;
};

class LineList final {
 public:
  LineList();
  ~LineList();
  LineList(const LineList&) = delete;
  LineList& operator=(const LineList&) = delete;

  // The six slot operations, in slot order. All act at the cursor and move nothing.
  virtual bool Add(LinePair* item);
  virtual bool InsertBefore(LinePair* item);
  virtual bool InsertAfter(LinePair* item);
  virtual LinePair* GetItem();
  virtual void SetItem(LinePair* item);
  virtual void RemoveCurrent();

  void First();
  bool Next();
  void Previous();
  // Makes the pair with index n current (negative n: 0). Returns the steps walked,
  // so that the walk-from-the-sentinel rule can be seen.
  std::int32_t Seek(std::int32_t n);
  // Makes the pair with index n current like Seek, but steps from the cursor,
  // forward or back, so that a move of a few lines deep in a long run takes a few
  // steps. Ends on the last pair when n is past it; on an empty list does nothing.
  void SeekNear(std::int32_t n);
  void Clear();
  void FreeLinePairs();

  // Visits every pair in order and puts the cursor back where it was. An empty
  // list is not walked.
  template <typename Visit>
  void WalkAll(Visit&& visit) {
    if (Empty()) return;
    const std::int32_t remembered = index_;
    First();
    visit(*cursor_->item);
    while (Next()) visit(*cursor_->item);
    Seek(remembered);
  }

  std::int32_t Index() const { return index_; }
  bool Empty() const { return sentinel_->next == sentinel_; }
  bool OnSentinel() const { return cursor_ == sentinel_; }
  bool AtLast() const { return cursor_->next == sentinel_; }
  bool AtFirst() const { return cursor_->prev == sentinel_; }
  const LineNode* Sentinel() const { return sentinel_; }
  const LineNode* Cursor() const { return cursor_; }

 private:
  static LineNode* NewSentinel();
  void FreeNodes();

  LineNode* sentinel_;
  LineNode* cursor_;
  std::int32_t index_;
};

}  // namespace keyrill
