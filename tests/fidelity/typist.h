// A person typing a stretch of prose into a run: the keys they press (with their
// mistakes, Backspace, Tab and Enter, at a person's pace or in bursts), worked out by
// driving the core through the recording fake, which also gives the run's expected
// lines and Report. Test side.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fakes/fake_window.h"
#include "program/host.h"

namespace keyrill::fidelity {

enum class KeyKind { Char, Backspace, Tab, Enter, DeadAcute };

struct Key {
  KeyKind kind;
  int code;            // the byte the core must receive for it
  std::string keysym;  // the key's name; for DeadAcute the letter pressed after it
  int delayMs;         // the pause before it
};

enum class Pace { Person, Burst, Mixed };

struct TypistOptions {
  std::uint32_t seed = 1;
  int keys = 200;  // roughly: the run is typed to its end
  Pace pace = Pace::Mixed;
  // The text gets some é (typed as dead acute then e) and loses the characters that
  // are dead keys on a US international keyboard.
  bool accents = false;
};

struct Script {
  std::string name;
  std::string text;  // LF-separated lines, stored as the Add Test dialog stores them
  std::vector<Key> keys;
  std::vector<std::string> targetLines;
  std::vector<std::string> typedLines;  // when the Report opened
  ReportTexts report;
};

// A stretch of the prose file of about `chars` characters starting at a paragraph
// the seed picks: printable ASCII only, lines without trailing blanks.
std::string ProseExcerpt(const std::string& prose, std::uint32_t seed, int chars, bool accents);

// The keys a person types for `text`, and what the core makes of them. The first key
// is the Enter that begins the run; the last one ends it and opens the Report.
// The fake window is measured as the real one was, so that both wrap alike.
// Throws when the run does not end within a generous number of keys.
Script TypeProse(const std::string& text, const TypistOptions& options, fake::WindowSize size);

// The name of the key that types byte `code` (ASCII), as X and xkbcommon name it.
std::string KeysymFor(unsigned char code);

}  // namespace keyrill::fidelity
