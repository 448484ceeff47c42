// The typist: a seeded person typing prose, checked key by key against the core
// run through the recording fake. Test side.
#include "typist.h"

#include <cstring>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>

#include "app/router.h"

namespace keyrill::fidelity {
namespace {

constexpr unsigned char kAcuteE = 0xE9;  // é in code page 1252

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool IsDeadOnIntl(char c) {
  return c == '\'' || c == '"' || c == '`' || c == '~' || c == '^';
}

// Alternates a person's pace (40-120 ms a key) with short bursts (0-10 ms).
class Rhythm {
 public:
  Rhythm(Pace pace, std::mt19937& random) : pace_(pace), random_(random) {}
  int Next() {
    bool burst = pace_ == Pace::Burst;
    if (pace_ == Pace::Mixed) {
      if (left_ == 0) {
        inBurst_ = !inBurst_;
        left_ = Uniform(inBurst_ ? 4 : 8, inBurst_ ? 14 : 24);
      }
      --left_;
      burst = inBurst_;
    }
    return burst ? Uniform(0, 10) : Uniform(40, 120);
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  Pace pace_;
  std::mt19937& random_;
  bool inBurst_ = false;
  int left_ = 0;
};

Key CharKey(unsigned char code) {
  if (code == kAcuteE) return {KeyKind::DeadAcute, code, "e", 0};
  return {KeyKind::Char, code, KeysymFor(code), 0};
}

}  // namespace

std::string KeysymFor(unsigned char code) {
  static const std::map<unsigned char, const char*> kNames = {
      {' ', "space"},      {'!', "exclam"},       {'"', "quotedbl"},    {'#', "numbersign"},
      {'$', "dollar"},     {'%', "percent"},      {'&', "ampersand"},   {'\'', "apostrophe"},
      {'(', "parenleft"},  {')', "parenright"},   {'*', "asterisk"},    {'+', "plus"},
      {',', "comma"},      {'-', "minus"},        {'.', "period"},      {'/', "slash"},
      {':', "colon"},      {';', "semicolon"},    {'<', "less"},        {'=', "equal"},
      {'>', "greater"},    {'?', "question"},     {'@', "at"},          {'[', "bracketleft"},
      {'\\', "backslash"}, {']', "bracketright"}, {'^', "asciicircum"}, {'_', "underscore"},
      {'`', "grave"},      {'{', "braceleft"},    {'|', "bar"},         {'}', "braceright"},
      {'~', "asciitilde"}};
  if (const auto found = kNames.find(code); found != kNames.end()) return found->second;
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z'))
    return std::string(1, static_cast<char>(code));
  throw std::invalid_argument("no key types byte " + std::to_string(code));
}

std::string ProseExcerpt(const std::string& prose, std::uint32_t seed, int chars, bool accents) {
  std::vector<std::string> lines;
  for (std::string line : SplitLines(prose)) {
    std::string kept;
    for (char c : line) {
      if (c == '\t') c = ' ';
      if (c < 0x20 || c > 0x7E) continue;
      if (accents && IsDeadOnIntl(c)) continue;
      kept += c;
    }
    while (!kept.empty() && kept.back() == ' ') kept.pop_back();
    lines.push_back(kept);
  }
  // Paragraphs start after a blank line; the seed picks one of the first half, so
  // that enough text follows it.
  std::vector<size_t> starts;
  for (size_t i = 1; i < lines.size(); ++i) {
    if (lines[i - 1].empty() && !lines[i].empty()) starts.push_back(i);
  }
  if (starts.empty()) throw std::invalid_argument("the prose has no paragraphs");
  size_t line = starts[seed % ((starts.size() + 1) / 2)];
  std::string text;
  int es = 0;
  for (; line < lines.size() && static_cast<int>(text.size()) < chars; ++line) {
    std::string piece = lines[line];
    if (accents) {
      for (char& c : piece) {
        if (c == 'e' && ++es % 4 == 0) c = static_cast<char>(kAcuteE);
      }
    }
    if (!text.empty()) text += '\n';
    text += piece;
  }
  return text;
}

Script TypeProse(const std::string& text, const TypistOptions& options, fake::WindowSize size) {
  Script script;
  script.name = "Prose";
  script.text = text;
  fake::FakeWindow window(size);
  window.Store({{script.name, text}});
  window.Select(script.name);
  window.host.onReport = [&](const ReportTexts& texts) {
    script.report = texts;
    script.typedLines = fake::TypedLines(window.program.lines);
    script.targetLines = fake::TargetLines(window.program.lines);
  };
  std::mt19937 random(options.seed);
  auto chance = [&random](double p) { return std::uniform_real_distribution<>(0, 1)(random) < p; };
  Rhythm rhythm(options.pace, random);

  auto press = [&](Key key) {
    key.delayMs = script.keys.empty() ? 0 : rhythm.Next();
    script.keys.push_back(key);
    OnChar(window.program, key.code);
  };
  press({KeyKind::Enter, 13, "Return", 0});
  if (!window.program.TestRunning) throw std::runtime_error("the run did not begin");

  bool fixNext = false;
  std::int32_t lastIndex = window.program.lines.Index();
  const size_t limit = static_cast<size_t>(options.keys) * 20 + 1000;
  while (window.host.reports.empty()) {
    if (script.keys.size() > limit) throw std::runtime_error("the run did not end");
    const LinePair& pair = *window.program.lines.GetItem();
    const char* target = pair.target.get();
    const size_t typed = std::strlen(pair.typed.get());
    const size_t length = std::strlen(target);
    const bool newLine = window.program.lines.Index() != lastIndex;
    lastIndex = window.program.lines.Index();
    if (fixNext) {
      fixNext = false;
      press({KeyKind::Backspace, 8, "BackSpace", 0});
      continue;
    }
    if (typed >= length || target[typed] == '\r') {  // an empty line: skip it
      press({KeyKind::Enter, 13, "Return", 0});
      continue;
    }
    if (newLine && typed == 0 && chance(0.04)) {  // back to fix the line above, or refused
      press({KeyKind::Backspace, 8, "BackSpace", 0});
      continue;
    }
    if (std::strncmp(target + typed, "     ", 5) == 0 && chance(0.8)) {
      press({KeyKind::Tab, 9, "Tab", 0});
      continue;
    }
    const auto wanted = static_cast<unsigned char>(target[typed]);
    if (chance(0.06)) {  // a wrong letter, mostly put right at once
      auto wrong = static_cast<unsigned char>('a' + random() % 26);
      if (wrong == wanted) wrong = wrong == 'z' ? 'a' : wrong + 1;
      press(CharKey(wrong));
      fixNext = chance(0.75);
      continue;
    }
    if (typed > 0 && chance(0.01)) {  // gives up on the rest of the line
      press({KeyKind::Enter, 13, "Return", 0});
      continue;
    }
    if (chance(0.008)) {  // a stray Tab
      press({KeyKind::Tab, 9, "Tab", 0});
      continue;
    }
    press(CharKey(wanted));
  }
  return script;
}

}  // namespace keyrill::fidelity
