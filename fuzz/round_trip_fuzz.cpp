// libFuzzer target: what Add Test hands the core comes back from the library. A name
// the name box can hold and a text the text box can hold, appended by AppendTest to
// a library in the code page or in UTF-8, are listed and found by that name, read
// back as that text, and loaded as that text's lines. Fuzzing side.
//   byte 0: the code page (bits 0-1) and the library: as given, UTF-8 with the
//           byte-order mark, or UTF-8 without it (bits 2-3, modulo 3)
//   byte 1: the loader's line capacity, 2 + byte % 79
//   byte 2: how many of the following bytes are the library's earlier content
//   rest:   the name up to the first LF, then the text
// The earlier content is code-page bytes; for a UTF-8 library it is stored in UTF-8
// behind a line that makes the file UTF-8 by the reader's rule.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_file.h"
#include "library/library_file.h"
#include "library/utf8.h"
#include "library_model.h"
#include "run/loader.h"
#include "support/code_pages.h"

namespace {

using keyrill::CodePage;

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "the library did not keep what Add Test gave it: %s\n", what);
    std::abort();
  }
}

std::vector<std::string> Names(const std::string& path, const CodePage& codePage) {
  std::vector<std::string> names;
  keyrill::ListTestNames(path, codePage, [&](const char* name) { names.emplace_back(name); });
  return names;
}

std::string InUtf8(const std::string& bytes, const CodePage& codePage) {
  std::string utf8;
  for (const char c : bytes) {
    keyrill::AppendUtf8(utf8, codePage.Character(static_cast<unsigned char>(c)));
  }
  return utf8;
}

// The library before the append: never an end mark, behind which nothing is appended.
std::string Library(std::string earlier, int kind, const CodePage& codePage) {
  earlier.erase(std::remove(earlier.begin(), earlier.end(), '\x1A'), earlier.end());
  if (kind == 1) return "\xEF\xBB\xBF" + InUtf8(earlier, codePage);
  if (kind == 2) return "\xE2\x80\xA6\r\n" + InUtf8(earlier, codePage);  // an ellipsis line
  return earlier;
}

// What the name box holds: one line of at most 47 bytes, zero-terminated. The end
// mark may be pasted in; Add Test then refuses the name.
std::string Name(const std::string& bytes) {
  std::string name;
  for (const char c : bytes) {
    if (c != '\r' && c != '\0' && name.size() < 47) name += c;
  }
  return name;
}

// What the text box holds: zero-terminated, no end mark, no line that begins with
// "~" (such a line is another test's header; its "~" becomes "-" here).
std::string Text(const std::string& bytes) {
  std::string text;
  for (const char c : bytes) {
    if (c == '\0' || c == '\x1A') continue;
    text += c == '~' && (text.empty() || text.back() == '\n') ? '-' : c;
  }
  return text;
}

// The rest of the file from the reader's position, each LF it consumed as '\n'.
std::string Rest(keyrill::TestFileReader& reader) {
  std::string rest;
  std::vector<char> piece(4096);
  while (!reader.AtEnd()) {
    reader.ReadPiece(piece.data(), static_cast<std::int32_t>(piece.size()));
    rest += piece.data();
    if (!reader.AtEnd()) rest += '\n';
  }
  return rest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const CodePage& codePage =
      keyrill::support::WindowsCodePage(keyrill::model::kCodePages[data[0] & 3]);
  const std::int32_t capacity = 2 + data[1] % 79;
  const std::string rest(reinterpret_cast<const char*>(data + 3), size - 3);
  const std::size_t split = std::min<std::size_t>(data[2], rest.size());
  const std::string library = Library(rest.substr(0, split), (data[0] >> 2) % 3, codePage);
  const std::string entry = rest.substr(split);
  const std::size_t lf = std::min(entry.find('\n'), entry.size());
  const std::string name = Name(entry.substr(0, lf));
  const std::string text = Text(entry.substr(std::min(lf + 1, entry.size())));

  // The earlier names as they read once the append has ended the file's last line.
  const std::string& path = keyrill::fuzz::WriteLibrary(library + "\r\n");
  const std::vector<std::string> before = Names(path, codePage);
  keyrill::fuzz::WriteLibrary(library);
  if (keyrill::NameHoldsEndMark(name)) {
    // Add Test refuses the name and keeps the dialog open: nothing may be written.
    Check(!keyrill::AppendTest(path, codePage, name, text), "a name with 0x1A was stored");
    Check(std::filesystem::file_size(path) == library.size(), "a refused append wrote");
    return 0;
  }
  Check(keyrill::AppendTest(path, codePage, name, text), "the append failed");

  const std::vector<std::string> after = Names(path, codePage);
  Check(after.size() > before.size() && std::equal(before.begin(), before.end(), after.begin()),
        "the earlier names changed");
  Check(after.size() > before.size() && after[before.size()] == name, "the name is not listed");
  // A name already in the library finds the earlier test, as it should.
  if (std::find(before.begin(), before.end(), name) != before.end()) return 0;

  keyrill::TestFileReader reader(path, codePage);
  Check(keyrill::FindTest(reader, name.c_str()), "the name is not found");
  Check(Rest(reader) == text, "the text reads back differently");

  // The loader's lines are the text without its LFs, up to a line that would begin
  // with "~" or a word too large for the line.
  std::string flat = text;
  flat.erase(std::remove(flat.begin(), flat.end(), '\n'), flat.end());
  auto lineBuffer = std::make_unique<char[]>(static_cast<std::size_t>(capacity));
  auto carryBuffer = std::make_unique<char[]>(static_cast<std::size_t>(capacity));
  keyrill::LineList lines;
  const keyrill::LoadResult result = keyrill::LoadTest(path, codePage, name.c_str(), capacity,
                                                       lineBuffer.get(), carryBuffer.get(), lines);
  std::string loaded;
  for (const keyrill::LineNode* node = lines.Sentinel()->next; node != lines.Sentinel();
       node = node->next) {
    loaded += node->item->target.get();
  }
  lines.FreeLinePairs();
  lines.Clear();
  Check(result != keyrill::LoadResult::NotFound, "the loader does not find the name");
  Check(flat.compare(0, loaded.size(), loaded) == 0, "the loaded lines differ from the text");
  if (result == keyrill::LoadResult::Loaded) {
    Check(loaded.size() == flat.size() || flat[loaded.size()] == '~', "the text loaded short");
  }
  return 0;
}
