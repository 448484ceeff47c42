// Prose-like test texts for the benchmarks: words of 1 to 12 letters in text lines
// of 20 to 200 characters. Benchmark side.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace keyrill {

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

}  // namespace keyrill
