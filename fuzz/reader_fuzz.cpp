// libFuzzer target: the streaming reader, the name scan, FindTest and ListTestNames
// on arbitrary file bytes (UTF-8 and code-page files alike), each compared with the
// whole-file model. Fuzzing side.
//   byte 0: the reader's chunk size (below 32: 1..16 bytes; otherwise the real 64 KiB)
//   byte 1: seeds the sequence of piece capacities; its top two bits pick the code page
//   rest:   the file
#include <cstdint>
#include <string>
#include <vector>

#include "support/code_pages.h"
#include "fuzz_file.h"
#include "library/library_file.h"
#include "library_model.h"

namespace {

using keyrill::CodePage;
using keyrill::TestFileReader;

void Check(bool ok, const char* what) {
  keyrill::fuzz::Require(ok, "reader differs from the model", what);
}

std::size_t ChunkSize(std::uint8_t selector) {
  // Tiny chunks cost a read call each, so one input in eight uses them.
  return selector < 32 ? 1 + selector % 16 : TestFileReader::kDefaultChunk;
}

// Pieces of varied capacity, read until the end and a little past it.
void CheckPieces(const std::string& path, const CodePage& codePage, const std::string& view,
                 std::size_t chunk, std::uint32_t seed) {
  TestFileReader reader(path, codePage, chunk);
  keyrill::model::Reader model{view};
  std::vector<char> buffer(130);
  int pastEnd = 0;
  while (pastEnd < 3) {
    seed = seed * 1664525u + 1013904223u;
    // Mostly small capacities, where the piece rules have their edges.
    const int capacity =
        static_cast<int>((seed >> 24) % 2 == 0 ? 1 + (seed >> 16) % 4 : 1 + (seed >> 16) % 129);
    std::fill(buffer.begin(), buffer.end(), '#');
    reader.ReadPiece(buffer.data(), capacity);
    const std::string expected = model.Piece(capacity);
    Check(std::string(buffer.data()) == expected, "piece");
    Check(reader.AtEnd() == model.atEnd, "end flag");
    if (model.atEnd) ++pastEnd;
  }
}

void CheckNames(const std::string& path, const CodePage& codePage, const std::string& view,
                std::size_t chunk) {
  const std::vector<keyrill::model::Header> headers = keyrill::model::Headers(view);

  std::vector<std::string> listed;
  keyrill::ListTestNames(path, codePage, [&](const char* name) { listed.emplace_back(name); });
  Check(listed.size() == headers.size(), "number of names listed");
  for (std::size_t i = 0; i < headers.size() && i < listed.size(); ++i) {
    Check(listed[i] == headers[i].name, "name listed");
  }

  // FindTest stops at the first header of a name, the reader on the next line:
  // everything read from there on is the rest of the view.
  std::vector<std::string> wanted;
  for (std::size_t i = 0; i < headers.size() && wanted.size() < 4; ++i) {
    wanted.push_back(headers[i].name);
  }
  wanted.push_back("\x01 not a name");
  for (const std::string& name : wanted) {
    std::size_t first = headers.size();
    for (std::size_t i = 0; i < headers.size(); ++i) {
      if (headers[i].name == name) {
        first = i;
        break;
      }
    }
    TestFileReader reader(path, codePage, chunk);
    const bool found = keyrill::FindTest(reader, name.c_str());
    Check(found == (first < headers.size()), "FindTest result");
    if (!found) continue;
    keyrill::model::Reader model{view, headers[first].textStart};
    std::vector<char> buffer(64);
    while (!model.atEnd) {
      reader.ReadPiece(buffer.data(), 64);
      Check(std::string(buffer.data()) == model.Piece(64), "text after FindTest");
      Check(reader.AtEnd() == model.atEnd, "end flag after FindTest");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string raw(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::string& path = keyrill::fuzz::WriteLibrary(raw);
  const CodePage& codePage =
      keyrill::support::WindowsCodePage(keyrill::model::kCodePages[data[1] >> 6]);
  const std::string view = keyrill::model::LogicalView(raw, codePage);
  const std::size_t chunk = ChunkSize(data[0]);
  CheckPieces(path, codePage, view, chunk, data[1]);
  CheckNames(path, codePage, view, chunk);
  return 0;
}
