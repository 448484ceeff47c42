// The run's line list. Core side.
#include "program/line_list.h"

#include <new>

namespace keyrill {

LineNode* LineList::NewSentinel() {
  // The list cannot exist without its sentinel: a failed allocation here throws.
  auto* node = new LineNode;
  node->next = node;
  node->prev = node;
  return node;
}

LineList::LineList() : sentinel_(NewSentinel()), cursor_(sentinel_), index_(-1) {}

LineList::~LineList() {
  FreeNodes();
}

bool LineList::Add(LinePair* item) {
  return InsertBefore(item);
}

bool LineList::InsertBefore(LinePair* item) {
  auto* node = new (std::nothrow) LineNode;
  if (node == nullptr) return false;
  node->item = item;
  node->next = cursor_;
  node->prev = cursor_->prev;
  cursor_->prev = node;
  node->prev->next = node;
  return true;
}

bool LineList::InsertAfter(LinePair* item) {
  auto* node = new (std::nothrow) LineNode;
  if (node == nullptr) return false;
  node->item = item;
  node->next = cursor_->next;
  node->prev = cursor_;
  cursor_->next->prev = node;
  cursor_->next = node;
  return true;
}

LinePair* LineList::GetItem() {
  return cursor_->item;
}

void LineList::SetItem(LinePair* item) {
  cursor_->item = item;
}

void LineList::RemoveCurrent() {
  if (cursor_ == sentinel_) return;  // the sentinel is never removed
  cursor_->next->prev = cursor_->prev;
  cursor_->prev->next = cursor_->next;
  LineNode* gone = cursor_;
  // Park the cursor on the sentinel so nothing points at the freed node.
  cursor_ = sentinel_;
  index_ = -1;
  delete gone;
}

void LineList::First() {
  if (Empty()) return;
  cursor_ = sentinel_->next;
  index_ = 0;
}

bool LineList::Next() {
  if (cursor_->next == sentinel_) return false;
  cursor_ = cursor_->next;
  ++index_;
  return true;
}

void LineList::Previous() {
  if (cursor_->prev == sentinel_) return;
  cursor_ = cursor_->prev;
  --index_;
}

std::int32_t LineList::Seek(std::int32_t n) {
  const std::int32_t goal = n < 0 ? 0 : n;
  LineNode* node = sentinel_;
  std::int32_t count = -1;
  if (index_ > 0 && index_ < goal) {
    node = cursor_;
    count = index_;
  }
  std::int32_t steps = 0;
  // Stop at the last pair rather than wrap onto the sentinel when asked past the end.
  while (count < goal && node->next != sentinel_) {
    node = node->next;
    ++count;
    ++steps;
  }
  cursor_ = node;
  index_ = count;
  return steps;
}

void LineList::SeekNear(std::int32_t n) {
  if (Empty()) return;
  if (cursor_ == sentinel_) First();
  const std::int32_t goal = n < 0 ? 0 : n;
  while (index_ > goal) Previous();
  while (index_ < goal) {
    if (!Next()) break;
  }
}

void LineList::FreeNodes() {
  LineNode* node = sentinel_->next;
  while (node != sentinel_) {
    LineNode* next = node->next;
    delete node;
    node = next;
  }
  delete sentinel_;
}

void LineList::Clear() {
  FreeNodes();
  sentinel_ = NewSentinel();
  cursor_ = sentinel_;
  index_ = -1;
}

void LineList::FreeLinePairs() {
  if (Empty()) return;
  First();
  for (;;) {
    // The target buffer, the typed buffer, then the pair itself.
    if (LinePair* pair = cursor_->item) {
      pair->target.reset();
      pair->typed.reset();
      delete pair;
    }
    cursor_->item = nullptr;
    if (cursor_->next == sentinel_) return;
    cursor_ = cursor_->next;
    ++index_;
  }
}

}  // namespace keyrill
