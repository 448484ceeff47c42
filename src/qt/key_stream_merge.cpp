// Reconciling the two readers of one key stream. Platform side (Qt), plain C++.
#include "qt/key_stream_merge.h"

#include <algorithm>

namespace keyrill::qt {

namespace {
// More keys than this seen by one reader and not the other means the two do not
// read the same keys; the oldest are forgotten rather than kept without end.
constexpr std::size_t kMostAhead = 256;
}  // namespace

void KeyStreamMerge::Push(const KeyEventId& key, Want route) {
  if (ahead_.size() >= kMostAhead) ahead_.pop_front();
  ahead_.push_back({key, route});
}

bool KeyStreamMerge::FromDirect(const KeyEventId& key, Want want) {
  if (!directAhead_ && !ahead_.empty()) {
    // Qt is ahead. If it has this key, it handled it; the entries before it are keys
    // only Qt gets (while a menu holds the keyboard). If not, all of them are.
    if (SkipTo(key).has_value()) return false;
    ahead_.clear();
  }
  directAhead_ = true;
  const bool waiting = std::any_of(ahead_.begin(), ahead_.end(),
                                   [](const Entry& e) { return e.route == Want::kQt; });
  const Want route = want == Want::kType && waiting ? Want::kQt : want;
  Push(key, route);
  return route == Want::kType;
}

bool KeyStreamMerge::FromQt(const KeyEventId& key) {
  if (directAhead_ && !ahead_.empty()) {
    // Not found: a key only Qt gets, which it handles alone.
    return SkipTo(key) == Want::kType;
  }
  directAhead_ = false;
  Push(key, Want::kQt);
  return false;
}

std::optional<KeyStreamMerge::Want> KeyStreamMerge::SkipTo(const KeyEventId& key) {
  const auto match =
      std::find_if(ahead_.begin(), ahead_.end(), [&](const Entry& e) { return e.key == key; });
  if (match == ahead_.end()) return std::nullopt;
  const Want route = match->route;
  ahead_.erase(ahead_.begin(), match + 1);
  return route;
}

}  // namespace keyrill::qt
