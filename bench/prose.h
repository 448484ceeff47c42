// Prose-like test texts for the benchmarks: words of 1 to 12 letters in text lines
// of 20 to 200 characters. Benchmark side.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace keyrill {

// Prose-like text of about the given size from the given words, text lines of 20 to
// 200 bytes separated by CR LF as the text box gives them. A line is never cut inside
// a word, so words of several bytes a character stay whole.
template <std::size_t N>
inline std::string MakeProseFrom(std::size_t bytes, const char* const (&words)[N]) {
  std::uint32_t state = 12345;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  std::string text;
  text.reserve(bytes + 256);
  while (text.size() < bytes) {
    const std::size_t lineLength = 20 + next() % 181;
    std::string line;
    while (line.size() < lineLength) {
      if (!line.empty()) line += ' ';
      line += words[next() % N];
    }
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

// Prose-like text of about the given size: words of 1 to 12 letters, text lines of
// 20 to 200 characters separated by CR LF as the text box gives them.
inline std::string MakeProse(std::size_t bytes) {
  static const char* const kWords[] = {
      "the",        "of",        "and",    "a",        "to",      "in",        "is",
      "you",        "that",      "it",     "he",       "was",     "for",       "on",
      "are",        "as",        "with",   "his",      "they",    "keyboard",  "typing",
      "quickly",    "practice",  "window", "sentence", "letters", "brown",     "jumps",
      "lazy",       "dog.",      "fox,",   "remember", "through", "paragraph", "x",
      "especially", "wonderful", "I",      "because",  "thought;"};
  constexpr std::size_t kWordCount = sizeof kWords / sizeof kWords[0];
  std::uint32_t state = 12345;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  std::string text;
  text.reserve(bytes + 256);
  while (text.size() < bytes) {
    const std::size_t lineLength = 20 + next() % 181;
    std::string line;
    while (line.size() < lineLength) {
      if (!line.empty()) line += ' ';
      line += kWords[next() % kWordCount];
    }
    line.resize(lineLength);
    if (line.back() == ' ') line.back() = 'e';
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

// French words in Windows-1252 bytes: accented letters, typographic apostrophe.
inline std::string MakeFrenchCp1252(std::size_t bytes) {
  static const char* const kWords[] = {"le",
                                       "de",
                                       "caf\xE9",
                                       "\xE9l\xE8ve",
                                       "d\xE9j\xE0",
                                       "o\xF9",
                                       "gar\xE7on",
                                       "tr\xE8s",
                                       "for\xEAt",
                                       "na\xEF"
                                       "f",
                                       "l\x92"
                                       "eau",
                                       "\xE0",
                                       "et",
                                       "clavier",
                                       "la",
                                       "\xAB",
                                       "\xBB",
                                       "pr\xE8s",
                                       "c\x9Cur",
                                       "No\xEBl",
                                       "\xE9t\xE9,"};
  return MakeProseFrom(bytes, kWords);
}

// Russian words in UTF-8, as a Linux editor saves them: two bytes a letter.
inline std::string MakeRussianUtf8(std::size_t bytes) {
  static const char* const kWords[] = {
      "и",          "в",      "не",       "что",      "он",      "на",     "я",
      "клавиатура", "быстро", "печатать", "слово",    "окно",    "строка", "буквы",
      "ещё",        "–",      "«текст»",  "сегодня,", "Москва.", "объём",  "щука"};
  return MakeProseFrom(bytes, kWords);
}

}  // namespace keyrill
