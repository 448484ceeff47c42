// Where two key streams or two runs' lines part. Test side.
#include "differences.h"

#include <algorithm>
#include <cstdio>

namespace keyrill::fidelity {
namespace {

// Whether a[i...] equals b[j...] for the next few codes (or to the end of both).
bool Matches(const std::vector<int>& a, size_t i, const std::vector<int>& b, size_t j) {
  for (size_t k = 0; k < 4; ++k) {
    const bool aEnd = i + k >= a.size();
    const bool bEnd = j + k >= b.size();
    if (aEnd || bEnd) return aEnd == bEnd || k > 0;
    if (a[i + k] != b[j + k]) return false;
  }
  return true;
}

std::string Around(const std::vector<int>& codes, size_t at) {
  std::string text;
  const size_t from = at > 8 ? at - 8 : 0;
  for (size_t i = from; i < std::min(codes.size(), at + 8); ++i) {
    if (i == at) text += "[";
    text += Printable(codes[i]);
    if (i == at) text += "]";
  }
  return "\"" + text + "\"";
}

}  // namespace

std::string Printable(int code) {
  switch (code) {
    case 8:
      return "<BS>";
    case 9:
      return "<Tab>";
    case 13:
      return "<Enter>";
    default:
      break;
  }
  if (code >= 0x20 && code < 0x7F) return std::string(1, static_cast<char>(code));
  char hex[8];
  std::snprintf(hex, sizeof hex, "<%02X>", code & 0xFF);
  return hex;
}

std::string Printable(const std::string& bytes) {
  std::string text;
  for (unsigned char c : bytes) text += c == '\r' ? std::string("<CR>") : Printable(c);
  return text;
}

std::string KeyStreamDifference(const std::vector<int>& sent, const std::vector<int>& got) {
  size_t i = 0;
  while (i < sent.size() && i < got.size() && sent[i] == got[i]) ++i;
  if (i == sent.size() && i == got.size()) return {};
  std::string kind;
  size_t key = i + 1;  // the sent key the verdict is about, counted from 1
  if (i == got.size()) {
    kind = "lost keys: the core got only " + std::to_string(got.size()) + " of " +
           std::to_string(sent.size());
  } else if (i == sent.size()) {
    kind = "extra keys: the core got " + std::to_string(got.size()) + " for " +
           std::to_string(sent.size()) + " sent";
  } else if (i > 0 && got[i] == sent[i - 1] && Matches(got, i + 1, sent, i)) {
    kind = "doubled key '" + Printable(sent[i - 1]) + "'";
    key = i;
  } else if (i + 1 < sent.size() && i + 1 < got.size() && got[i] == sent[i + 1] &&
             got[i + 1] == sent[i] && Matches(got, i + 2, sent, i + 2)) {
    kind = "reordered keys '" + Printable(sent[i]) + Printable(sent[i + 1]) + "'";
  } else if (Matches(got, i, sent, i + 1)) {
    kind = "lost key '" + Printable(sent[i]) + "'";
  } else {
    kind = "changed key: sent '" + Printable(sent[i]) + "', got '" + Printable(got[i]) + "'";
  }
  return kind + " at key " + std::to_string(key) + " of " + std::to_string(sent.size()) +
         "; sent " + Around(sent, i) + ", the core got " + Around(got, i);
}

std::string LinesDifference(const char* what, const std::vector<std::string>& expected,
                            const std::vector<std::string>& got) {
  for (size_t i = 0; i < std::max(expected.size(), got.size()); ++i) {
    const std::string* e = i < expected.size() ? &expected[i] : nullptr;
    const std::string* g = i < got.size() ? &got[i] : nullptr;
    if (e != nullptr && g != nullptr && *e == *g) continue;
    return std::string(what) + " line " + std::to_string(i + 1) + ": expected " +
           (e ? "\"" + Printable(*e) + "\"" : std::string("none")) + ", got " +
           (g ? "\"" + Printable(*g) + "\"" : std::string("none"));
  }
  return {};
}

}  // namespace keyrill::fidelity
