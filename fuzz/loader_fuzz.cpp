// libFuzzer target: LoadTest on arbitrary file bytes at line capacities 2..80,
// checked against the loader's own promises and the whole-file model. Fuzzing side.
//   byte 0: the line capacity, 2 + byte % 79; byte / 79 picks the code page
//   byte 1: which test to load: the n-th name of the file, or one not in it
//   rest:   the file
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/code_pages.h"
#include "fuzz_file.h"
#include "library_model.h"
#include "run/loader.h"

namespace {

using keyrill::LoadResult;

void Check(bool ok, const char* what) {
  keyrill::fuzz::Require(ok, "loader broke a promise", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::int32_t capacity = 2 + data[0] % 79;
  const std::string raw(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::string& path = keyrill::fuzz::WriteLibrary(raw);
  const keyrill::CodePage& codePage =
      keyrill::support::WindowsCodePage(keyrill::model::kCodePages[data[0] / 79]);
  const std::string view = keyrill::model::LogicalView(raw, codePage);
  const std::vector<keyrill::model::Header> headers = keyrill::model::Headers(view);

  std::string name = "\x01 not a name";
  if (data[1] % (headers.size() + 1) < headers.size())
    name = headers[data[1] % (headers.size() + 1)].name;
  const keyrill::model::Header* header = nullptr;
  for (const auto& h : headers) {
    if (h.name == name) {
      header = &h;
      break;
    }
  }

  // Scratch buffers of exactly LineCapacity bytes, so that any overrun is caught.
  auto lineBuffer = std::make_unique<char[]>(static_cast<std::size_t>(capacity));
  auto carryBuffer = std::make_unique<char[]>(static_cast<std::size_t>(capacity));
  keyrill::LineList lines;
  const LoadResult result = keyrill::LoadTest(path, codePage, name.c_str(), capacity,
                                              lineBuffer.get(), carryBuffer.get(), lines);

  if (header == nullptr) {
    Check(result == LoadResult::NotFound, "a name not in the file was loaded");
    Check(lines.Empty() && lines.Index() == -1, "list touched for a missing name");
    return 0;
  }
  Check(result != LoadResult::NotFound, "a name in the file was not found");

  // The display lines in ring order (also those made before a word-too-large stop).
  std::vector<std::string> made;
  for (const keyrill::LineNode* node = lines.Sentinel()->next; node != lines.Sentinel();
       node = node->next) {
    const char* target = node->item->target.get();
    Check(std::strlen(target) <= static_cast<std::size_t>(capacity) - 1, "line too long");
    Check(std::strchr(target, '\n') == nullptr, "LF in a line");
    Check(node->item->typed[0] == '\0', "typed not empty");
    made.emplace_back(target);
  }
  if (result == LoadResult::Loaded) {
    Check(lines.Index() == (made.empty() ? -1 : 0), "cursor not on the first line");
    Check(made.empty() || lines.Cursor() == lines.Sentinel()->next, "cursor not on the first");
  } else {
    Check(lines.OnSentinel() && lines.Index() == -1, "cursor moved before the stop");
  }

  // The lines are the test's text with only its LFs left out: they match the view
  // from the test's first text line on, LFs skipped between lines and never inside
  // one. Within one text line a line break falls after a space, or before the CR
  // that ends the text line: no word is split.
  std::size_t pos = header->textStart;
  for (std::size_t i = 0; i < made.size(); ++i) {
    bool crossedLf = false;
    while (pos < view.size() && view[pos] == '\n') {
      ++pos;
      crossedLf = true;
    }
    Check(view.compare(pos, made[i].size(), made[i]) == 0, "line differs from the text");
    if (i > 0 && !crossedLf && !made[i - 1].empty() && !made[i].empty()) {
      Check(made[i - 1].back() == ' ' || made[i].front() == '\r', "a word split across lines");
    }
    pos += made[i].size();
  }
  while (pos < view.size() && view[pos] == '\n') ++pos;
  if (result == LoadResult::Loaded) {
    // Loading stops at the end of the file or at a line that would begin with "~".
    Check(pos == view.size() || view[pos] == '~', "loading stopped early");
  } else {
    // The stop: a full line's worth of characters without a space, and after them
    // more of the same text line that is not its closing CR.
    const std::size_t full = static_cast<std::size_t>(capacity) - 1;
    Check(pos + full < view.size(), "word too large with too little left");
    if (pos + full < view.size()) {
      const std::string word = view.substr(pos, full);
      Check(word.find_first_of(" \n") == std::string::npos, "the too-large word holds a break");
      Check(view[pos + full] != '\r' && view[pos + full] != '\n', "the too-large word ends there");
    }
  }

  lines.FreeLinePairs();
  lines.Clear();
  return 0;
}
