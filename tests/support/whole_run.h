// The whole-run scenario every driver plays (the fake host, the Qt window, keyrill.exe):
// a library, the keys of three runs and the Report figures each must show, plain
// data with one check of the figures. Test side, no platform.
#pragma once

#include <string>
#include <vector>

#include "program/host.h"

namespace keyrill::support::whole_run {

// Three tests as Add Test stores them; "Typing" is the one run. Its lines end in
// a CR but the last (each line is far shorter than any window's line).
inline constexpr const char* kLibrary =
    "\r\n~zeta\r\nzz"
    "\r\n~Typing\r\nthe cat\r\r\nsat on\r\r\nab cdefgh\r\r\ndog\r\r\nend"
    "\r\n~Alpha\r\nshort";
inline constexpr const char* kTest = "Typing";
// Select Test's list, in the list's order, joined by "|".
inline constexpr const char* kListed = "Alpha|Typing|zeta";

// What a step does: type its keys (each byte a character: CR is Enter, BS is
// Backspace, TAB is Tab), or give a command from the menu or its accelerator.
enum class Action { Keys, BeginTest, PauseTest, EndTest };

struct Step {
  Action action;
  const char* keys;  // for Keys
};

struct Figures {
  const char* wordsInTest;
  const char* wordsTyped;
  const char* characters;
  const char* errors;
};

struct Run {
  const char* name;
  std::vector<Step> steps;
  // Whether the last key opens the Report; a run without one ends by End Test.
  bool reported;
  Figures figures;
};

// Targets: "the cat"+CR, "sat on"+CR, "ab cdefgh"+CR, "dog"+CR, "end".
inline const std::vector<Run>& Runs() {
  static const std::vector<Run> runs = {
      {"run 1: slips, Backspace across a line, Tab, Enter, a pause",
       {{Action::Keys, "\r"},
        {Action::Keys, "thx cat"},     // a mistake; the CR ends the line
        {Action::Keys, "sa\b\b"},      // typed and taken back on line 2
        {Action::Keys, "\b"},          // back across the line break, onto "thx cat"
        {Action::Keys, "\b\b\b\b\b"},  // down to "th"
        {Action::Keys, "e cat"},       // line 1 again, now right; on to line 2
        {Action::BeginTest, ""},       // refused: a run is in progress
        {Action::Keys, "sat om"},      // a mistake
        {Action::Keys, "ab\t"},        // Tab: five spaces, the line goes on
        {Action::Keys, "gh"},          // "ab     gh": the CR ends the line
        {Action::Keys, "d\r"},         // Enter leaves "dog" with "d"
        {Action::PauseTest, ""},       // paused: keys are dropped, the clock stops
        {Action::Keys, "zzz"},
        {Action::PauseTest, ""},
        {Action::Keys, "end"}},
       true,
       // Typed: "the cat", "sat om", "ab     gh", "d", "end": 2+2+2+1+1 words;
       // errors 1 (CR) + 2 + 5 + 3 + 0.
       {"4", "8", "32", "11"}},
      {"run 2: ended early",
       {{Action::Keys, "\r"}, {Action::Keys, "the"}, {Action::EndTest, ""}},
       false,
       {}},
      {"run 3: begun from the menu, typed right",
       {{Action::BeginTest, ""}, {Action::Keys, "the catsat onab cdefghdogend"}},
       true,
       // Only the CRs count as errors.
       {"4", "8", "32", "4"}},
  };
  return runs;
}

// What is wrong with a Report's texts against the run's figures, empty when nothing:
// the four counts exactly, time and rate in "%f" form, and the rate the typed
// words over the time (which must be above zero and at most maxSeconds).
std::string FiguresMismatch(const ReportTexts& got, const Figures& expected, double maxSeconds);

}  // namespace keyrill::support::whole_run
