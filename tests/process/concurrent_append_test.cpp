// Four processes append 2,000 records each (500 on Windows, where the check runs
// under Wine) to one library while a fifth keeps listing the names; afterwards
// every record must read back whole, once, and be found by its name. Test side:
// child processes on POSIX and on Windows alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "child_process.h"
#include "support/code_pages.h"
#include "library/library_file.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace keyrill {
namespace {

using process::ChildProcess;

constexpr int kWriters = 4;
#ifdef _WIN32
constexpr int kRecordsEach = 500;
#else
constexpr int kRecordsEach = 2000;
#endif
constexpr const char* kSeedName = "seed";  // the record written before the writers start

std::uint64_t SplitMix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t Fnv1a(const std::string& bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001B3ull;
  }
  return hash;
}

// A text of 1 byte to 64 KiB: words,
// spaces, bytes above 0x7F, line breaks as the text box gives them, and lone CRs
// and LFs. Never a "~", a zero byte or 0x1A, which would change what is read back.
std::string MakeText(int writer, int record) {
  std::uint64_t state =
      static_cast<std::uint64_t>(writer) * 1000003u + static_cast<unsigned>(record);
  // Exponent 16 u^2: every size from 1 byte to 64 KiB occurs, the small ones more
  // often, which keeps the file (and the test's time) near 25 MB.
  const double u = static_cast<double>(SplitMix(state) % 100001) / 100000.0;
  const double exponent = 16.0 * u * u;
  const auto length = static_cast<std::size_t>(std::exp2(exponent));
  std::string text;
  text.reserve(length);
  while (text.size() < length) {
    const std::uint64_t r = SplitMix(state) % 100;
    if (r < 70) {
      text += static_cast<char>('a' + SplitMix(state) % 26);
    } else if (r < 85) {
      text += ' ';
    } else if (r < 90) {
      text += static_cast<char>(0x80 + SplitMix(state) % 0x80);
    } else if (r < 96 && text.size() + 2 <= length) {
      text += "\r\n";
    } else if (r < 98) {
      text += '\r';
    } else {
      text += '\n';
    }
  }
  return text;
}

// The name carries the text's length and checksum, so a text of 1 byte can be checked.
std::string MakeName(int writer, int record, const std::string& text) {
  char name[kNameCapacity];
  std::snprintf(name, sizeof name, "w%d-%04d-%05zu-%016" PRIx64, writer, record, text.size(),
                Fnv1a(text));
  return name;
}

struct ParsedName {
  int writer = -1;
  int record = -1;
  std::size_t length = 0;
  std::uint64_t checksum = 0;
};

bool ParseName(const std::string& name, ParsedName& parsed) {
  int consumed = 0;
  if (std::sscanf(name.c_str(), "w%d-%d-%zu-%" SCNx64 "%n", &parsed.writer, &parsed.record,
                  &parsed.length, &parsed.checksum, &consumed) != 4) {
    return false;
  }
  return static_cast<std::size_t>(consumed) == name.size() && parsed.writer >= 0 &&
         parsed.writer < kWriters && parsed.record >= 0 && parsed.record < kRecordsEach &&
         MakeName(parsed.writer, parsed.record, std::string(parsed.length, 'x')).size() ==
             name.size();
}

// Child: appends its records one by one. Exit status 0 when every append succeeded.
int RunWriter(const std::string& library, int writer) {
  for (int record = 0; record < kRecordsEach; ++record) {
    const std::string text = MakeText(writer, record);
    if (!AppendTest(library, support::Cp1252(), MakeName(writer, record, text), text)) {
      std::fprintf(stderr, "writer %d: append %d failed\n", writer, record);
      return 1;
    }
  }
  return 0;
}

// Child: lists the names again and again until told to stop, then once more. Every
// listing must end, hold only well-formed names, each once, and never fewer than
// the listing before. Exit status 0 when all of that held.
int RunLister(const std::string& library, const std::string& stopFile) {
  std::size_t previous = 0;
  int listings = 0;
  for (;;) {
    const bool last = std::filesystem::exists(stopFile);
    std::set<std::string> seen;
    bool wellFormed = true;
    ListTestNames(library, support::Cp1252(), [&](const char* name) {
      ParsedName parsed;
      const bool known = ParseName(name, parsed) || std::string(name) == kSeedName;
      if (!known || !seen.insert(name).second) {
        std::fprintf(stderr, "lister: bad or repeated name '%s'\n", name);
        wellFormed = false;
      }
    });
    ++listings;
    if (!wellFormed) return 1;
    if (seen.size() < previous) {
      std::fprintf(stderr, "lister: %zu names after %zu\n", seen.size(), previous);
      return 2;
    }
    previous = seen.size();
    // A short breath between listings leaves the writers a share of the two cores.
    process::SleepMs(2);
    if (last) {
      std::fprintf(stderr, "lister: %d listings, %zu names at the end\n", listings, previous);
      return previous == 1 + kWriters * kRecordsEach && listings > 1 ? 0 : 3;
    }
  }
}

// The children's entries: "writer <library> <n>" and "lister <library> <stop file>".
const bool kRolesRegistered = [] {
  process::RegisterRole("writer", [](const std::vector<std::string>& arguments) {
    return arguments.size() == 2 ? RunWriter(arguments[0], std::stoi(arguments[1])) : 2;
  });
  process::RegisterRole("lister", [](const std::vector<std::string>& arguments) {
    return arguments.size() == 2 ? RunLister(arguments[0], arguments[1]) : 2;
  });
  return true;
}();

struct Record {
  std::string name;
  std::string text;
};

// One pass over the logical view: a header line starts a record, every other line
// belongs to the record before it; lines are joined by LF.
std::vector<Record> ReadRecords(TestFileReader& reader, bool stopAtSecondHeader) {
  std::vector<Record> records;
  std::vector<char> piece(1 << 20);
  bool firstLine = true;
  for (;;) {
    reader.ReadPiece(piece.data(), static_cast<std::int32_t>(piece.size()));
    const bool end = reader.AtEnd();
    if (!end && piece[0] == '~') {
      if (stopAtSecondHeader) break;
      records.push_back({piece.data() + 1, {}});
      firstLine = true;
    } else if (!records.empty() || stopAtSecondHeader) {
      if (records.empty()) records.emplace_back();
      if (!firstLine) records.back().text += '\n';
      records.back().text += piece.data();
      firstLine = false;
    }
    if (end) break;
  }
  return records;
}

TEST(ConcurrentAppend, FourWritersAndAListerKeepEveryRecordWhole) {
  support::TempDir dir;
  const std::string library = dir.Library();
  const std::string stopFile = dir.File("stop");
  // The texts do span 1 byte to 64 KiB.
  std::size_t shortest = SIZE_MAX;
  std::size_t longest = 0;
  for (int w = 0; w < kWriters; ++w) {
    for (int r = 0; r < kRecordsEach; ++r) {
      const std::size_t size = MakeText(w, r).size();
      shortest = std::min(shortest, size);
      longest = std::max(longest, size);
    }
  }
  EXPECT_EQ(shortest, 1u);
  EXPECT_GE(longest, 60u * 1024);
  EXPECT_LE(longest, 64u * 1024);

  ASSERT_TRUE(
      AppendTest(library, support::Cp1252(), kSeedName, "the lister starts on a non-empty library"));

  ASSERT_TRUE(kRolesRegistered);
  ChildProcess lister({"lister", library, stopFile});
  ASSERT_TRUE(lister.Started());
  // However the test ends, the lister is told to stop before it is waited for.
  struct StopOnExit {
    const std::string& file;
    ~StopOnExit() { support::WriteFile(file, "stop"); }
  } stopOnExit{stopFile};
  std::vector<ChildProcess> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back(std::vector<std::string>{"writer", library, std::to_string(w)});
    ASSERT_TRUE(writers.back().Started());
  }
  for (int w = 0; w < kWriters; ++w) EXPECT_EQ(writers[w].Wait(), 0) << "writer " << w;
  support::WriteFile(stopFile, "stop");
  EXPECT_EQ(lister.Wait(), 0) << "lister";

  // Every record once, whole, and in its writer's order.
  TestFileReader reader(library, support::Cp1252());
  std::vector<Record> records = ReadRecords(reader, false);
  ASSERT_EQ(records.size(), 1u + kWriters * kRecordsEach);
  EXPECT_EQ(records[0].name, kSeedName);
  records.erase(records.begin());
  std::set<std::string> names;
  std::vector<int> nextRecord(kWriters, 0);
  int bad = 0;
  for (const Record& record : records) {
    ParsedName parsed;
    const bool good = ParseName(record.name, parsed) && names.insert(record.name).second &&
                      record.text.size() == parsed.length &&
                      Fnv1a(record.text) == parsed.checksum &&
                      parsed.record == nextRecord[parsed.writer]++;
    if (!good && ++bad <= 5) ADD_FAILURE() << "damaged record '" << record.name << "'";
  }
  EXPECT_EQ(bad, 0);

  // ListTestNames sees the same names in the same order.
  std::vector<std::string> listed;
  ListTestNames(library, support::Cp1252(), [&](const char* name) { listed.emplace_back(name); });
  ASSERT_EQ(listed.size(), records.size() + 1);
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (listed[i + 1] != records[i].name) {
      ADD_FAILURE() << "listed " << listed[i + 1] << " where " << records[i].name << " stands";
      break;
    }
  }

  // Found by name, with the reader on its text. Each find scans from the start, so a
  // spread of records is enough: every 97th and the last.
  std::vector<std::size_t> sample;
  for (std::size_t i = 0; i < records.size(); i += 97) sample.push_back(i);
  sample.push_back(records.size() - 1);
  for (const std::size_t i : sample) {
    TestFileReader finder(library, support::Cp1252());
    ASSERT_TRUE(FindTest(finder, records[i].name.c_str())) << records[i].name;
    const std::vector<Record> found = ReadRecords(finder, true);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, records[i].text) << records[i].name;
  }
}

}  // namespace
}  // namespace keyrill
