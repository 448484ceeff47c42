// One stream of key events read twice: by Qt (through its event-reader thread) and
// by a second X connection that the main thread reads directly, a thread hop sooner.
// Each key must take effect once, in the order it was pressed, whichever reader
// sees it first. Plain presses may be typed at once by the direct reader; anything
// else goes through Qt, and while such a key waits for Qt, the keys after it wait too.
// Floor 4, the Qt layer: plain C++, so that the interleavings can be tested without X.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

namespace keyrill::qt {

// What tells two copies of one X key event apart from other events: the same press
// reaches both connections with the same fields.
struct KeyEventId {
  std::uint8_t type = 0;  // press or release
  std::uint8_t keycode = 0;
  std::uint16_t state = 0;
  std::uint32_t time = 0;
  std::uint32_t window = 0;
  std::int16_t rootX = 0;
  std::int16_t rootY = 0;
  bool operator==(const KeyEventId&) const = default;
};

class KeyStreamMerge {
 public:
  // What the direct reader would do with a key it has just read.
  enum class Want {
    kType,      // type it now (a plain press, nothing composing, the typing area focused)
    kQt,        // leave it to Qt; keys after it must wait until Qt has handled it
    kQtNoWait,  // leave it to Qt; it changes nothing (the release of a typed key)
  };
  // Whether the direct reader types the key now. Not when Qt got there first, nor
  // while a key before it still waits for Qt.
  bool FromDirect(const KeyEventId& key, Want want);
  // Qt is about to handle `key`; true means drop it, it was typed already.
  bool FromQt(const KeyEventId& key);

  // Keys one reader has seen and the other not yet.
  std::size_t Ahead() const { return ahead_.size(); }

 private:
  struct Entry {
    KeyEventId key;
    Want route;  // kType: typed, Qt drops its copy
  };

  void Push(const KeyEventId& key, Want route);
  // Drops the entries up to and including `key` and gives its route; none if it is
  // not there.
  std::optional<Want> SkipTo(const KeyEventId& key);

  std::deque<Entry> ahead_;
  bool directAhead_ = false;  // which reader the entries in ahead_ are ahead for
};

}  // namespace keyrill::qt
