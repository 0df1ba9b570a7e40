// Reads the ADIF logs of other loggers, when the folder of them is there: nothing may crash or
// read out of bounds (this test also runs under the sanitizers), and where a log keeps to one
// end-of-record tag a line, every such tag after the header gives one record. Converted, no
// KOLVEX8 line may be longer than 187 characters unless a warning names its length.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/adif_reader.h"
#include "core/ascii.h"
#include "core/conversion_driver.h"
#include "core/test_input.h"

namespace {

namespace fs = std::filesystem;

fs::path realLogsFolder() {
  if (const char* folder = std::getenv("ADIF2KVX_REAL_LOGS")) return folder;
  const char* source = std::getenv("ADIF2KVX_SOURCE_DIR");
  return fs::path(source != nullptr ? source : ".") / ".." / "shared" / "real-logs";
}

// The end-of-record tags after the end-of-header line, or -1 when the log has no recognised
// end-of-header or a line with more than one end-of-record tag.
int expectedRecords(const std::string& bytes) {
  std::istringstream lines(bytes);
  std::string line;
  bool headerSeen = false;
  int count = 0;
  while (std::getline(lines, line)) {
    if (!headerSeen) {
      headerSeen = line.find("<EOH>") != std::string::npos || line.find("<eoh>") != std::string::npos ||
                   line.find("<Eoh>") != std::string::npos;
      continue;
    }
    std::string upper = line;
    for (char& c : upper) c = toAsciiUpper(c);
    int onLine = 0;
    for (size_t at = upper.find("<EOR>"); at != std::string::npos; at = upper.find("<EOR>", at + 1)) ++onLine;
    if (onLine > 1) return -1;
    count += onLine;
  }
  return headerSeen ? count : -1;
}

TEST(RealLogs, EveryLogReadsSafelyAndCompletely) {
  const fs::path folder = realLogsFolder();
  std::error_code error;
  if (!fs::is_directory(folder, error)) GTEST_SKIP() << "no real logs at " << folder;
  int logs = 0;
  int compared = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".adi" && extension != ".ADI") continue;
    ++logs;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const int expected = expectedRecords(buffer.str());

    std::FILE* input = std::fopen(entry.path().string().c_str(), "rb");
    ASSERT_NE(input, nullptr) << entry.path();
    const int records = recordsIn(input);
    std::fclose(input);
    if (expected >= 0) {
      EXPECT_EQ(records, expected) << entry.path().filename();
      ++compared;
    }
  }
  EXPECT_GT(logs, 0);
  std::printf("%d logs read, %d record counts compared\n", logs, compared);
}

TEST(RealLogs, Kolvex8LinesLongerThan187AreNamedInTheWarnings) {
  const fs::path folder = realLogsFolder();
  std::error_code error;
  if (!fs::is_directory(folder, error)) GTEST_SKIP() << "no real logs at " << folder;
  // Contests whose columns can grow: zones from the exchange, award texts, county names.
  const ContestKind contests[] = {ContestKind::CqWpx, ContestKind::Cq160, ContestKind::CqWw,
                                  ContestKind::CwOpsMiniCwt, ContestKind::ArrlFieldDay, ContestKind::Rda,
                                  ContestKind::WorkedAllGermany, ContestKind::StateQsoParty};
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".adi" && entry.path().extension() != ".ADI") continue;
    TestFile input(std::fopen(entry.path().string().c_str(), "rb"));
    ASSERT_NE(input, nullptr) << entry.path();
    for (ContestKind contest : contests) {
      ConversionJob job;
      job.contest = contest;
      job.stateNumber = 8;  // Florida
      MessageLists lists;
      TestFile importFile(std::tmpfile()), namesFile(std::tmpfile());
      std::rewind(input.get());
      runConversion(lists, input.get(), importFile.get(), namesFile.get(), job);
      // What the warnings say about each long line, in order, and what they should say.
      std::vector<std::string> expected, warned;
      std::istringstream text(contentsOf(importFile.get()));
      bool columnLine = true;  // column lines and note lines alternate
      for (std::string line; std::getline(text, line); columnLine = !columnLine) {
        const size_t length = line.size() - 1;  // without the CR of the line end
        if (columnLine && length > 187) {
          expected.push_back(": the import line is " + std::to_string(length) + " characters long instead of 187.");
        }
      }
      for (const std::string& warning : lists.lines[kWarningsList]) {
        const size_t at = warning.find(": the import line is ");
        if (at != std::string::npos) warned.push_back(warning.substr(at));
      }
      EXPECT_EQ(warned, expected) << entry.path().filename() << ", " << contestName(static_cast<int32_t>(contest));
    }
  }
}

}  // namespace
