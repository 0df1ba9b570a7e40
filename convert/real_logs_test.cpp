// Converts the ADIF logs of other loggers, when the folder of them is there: nothing may crash or
// read out of bounds (this test also runs under the sanitizers), and every end-of-record tag of
// a log gives one QSO, whatever the log's line layout and whether it has a header. Converted,
// every column line is exactly its layout's length in bytes. The logs of contest loggers name their
// contest in their first CONTEST_ID.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "convert/conversion_driver.h"
#include "convert/conversion_service.h"
#include "convert/log_contest.h"
#include "convert/test_folder.h"
#include "core/ascii.h"
#include "core/test_input.h"

namespace {

namespace fs = std::filesystem;

fs::path realLogsFolder() {
  if (const char* folder = std::getenv("ADIF2KVX_REAL_LOGS")) return folder;
  const char* source = std::getenv("ADIF2KVX_SOURCE_DIR");
  return fs::path(source != nullptr ? source : ".") / ".." / "shared" / "real-logs";
}

// The end-of-record tags of a log, in any case.
int endOfRecordTags(const std::string& bytes) {
  std::string upper = bytes;
  for (char& c : upper) c = toAsciiUpper(c);
  int count = 0;
  for (size_t at = upper.find("<EOR>"); at != std::string::npos; at = upper.find("<EOR>", at + 1)) ++count;
  return count;
}

// One conversion of a log file, CQ WPX unless another contest is given.
struct Conversion {
  int32_t written = 0;     // QSOs written
  MessageLists lists;      // the run's messages
  std::string fileError;   // why the log gave no result; empty when it was read
  std::string importText;  // the import file written
  LogContests contests;    // the contests the log's records name
};

Conversion convert(const fs::path& log, ContestKind contest = ContestKind::CqWpx) {
  Conversion run;
  std::FILE* input = std::fopen(log.string().c_str(), "rb");
  EXPECT_NE(input, nullptr) << log;
  if (input == nullptr) return run;
  TestFile output(std::tmpfile());
  TestFile names(std::tmpfile());
  ConversionJob job;
  job.contest = contest;
  RunCounts counts;
  runConversion(run.lists, input, log.filename().string(), output.get(), names.get(), job, &counts, &run.fileError,
                &run.contests);
  run.written = counts.qsos;
  run.importText = contentsOf(output.get());
  std::fclose(input);
  return run;
}

TEST(RealLogs, EveryEndOfRecordTagGivesOneQso) {
  const fs::path folder = realLogsFolder();
  std::error_code error;
  if (!fs::is_directory(folder, error)) GTEST_SKIP() << "no real logs at " << folder;
  int logs = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".adi" && extension != ".ADI") continue;
    ++logs;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const Conversion run = convert(entry.path());
    EXPECT_EQ(run.written, endOfRecordTags(bytes.str())) << entry.path().filename();
    EXPECT_EQ(run.fileError, "") << entry.path().filename();
  }
  EXPECT_GT(logs, 0);
  std::printf("%d logs converted\n", logs);
}

TEST(RealLogs, MissingHeaderAndUnfinishedRecordAreTold) {
  const fs::path folder = realLogsFolder();
  std::error_code error;
  if (!fs::is_directory(folder, error)) GTEST_SKIP() << "no real logs at " << folder;
  struct Case {
    const char* log;  // file name in the folder
    int32_t written;  // QSOs written
    bool headerless;  // the first warning tells of the missing header
    bool unfinished;  // the last warning tells of the unfinished record
  };
  const Case cases[] = {
      {"urbancamo__adif-processor__WW4N_POTA-K-5490-20210704.adi", 49, true, false},
      {"bogdanbrudiu__HamSpecialEvent__Log32Sync.adi", 1, true, false},
      {"urbancamo__adif-processor__DP9X.adi", 0, false, true},  // a header, but not one <EOR>
      {"rpbgit__adif-qso-analyzer__40m_SSB_Jerome.adi", 47, false, true},
      {"n4af__TR4W__2014_CQ-WPX-CW_N4AF_CQ-WPX-CW.ADI", 9, false, false},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(fs::exists(folder / c.log, error)) << c.log << " is missing from " << folder;
    const Conversion run = convert(folder / c.log);
    EXPECT_EQ(run.written, c.written) << c.log;
    const std::vector<std::string>& warnings = messagesOf(run.lists, kWarningsList);
    const std::string headerless = std::string(c.log) + " has no ADIF header; its QSOs were read from the first line.";
    const std::string unfinished = std::string("The last record of ") + c.log + " has no <EOR>; it was not converted.";
    EXPECT_EQ(!warnings.empty() && warnings.front() == headerless, c.headerless) << c.log;
    EXPECT_EQ(!warnings.empty() && warnings.back() == unfinished, c.unfinished) << c.log;
  }
}

TEST(RealLogs, ContestIdsOfEachLog) {
  const fs::path folder = realLogsFolder();
  std::error_code error;
  if (!fs::is_directory(folder, error)) GTEST_SKIP() << "no real logs at " << folder;
  const struct {
    const char* log;                    // file name in the folder
    std::optional<std::string> id;      // its first CONTEST_ID of record text
    std::vector<std::string> distinct;  // the first id of each contest, in order of first appearance
  } cases[] = {
      {"n4af__TR4W__2014_CQ-WPX-CW_N4AF_CQ-WPX-CW.ADI", "CQ-WPX-CW", {"CQ-WPX-CW"}},
      {"n4af__TR4W__arrlss_cw_sections.adi", "ARRL-SS-CW", {"ARRL-SS-CW"}},
      {"n4af__TR4W__fqp_rover_and_county_line.adi", "FL-QSO-PARTY", {"FL-QSO-PARTY"}},
      {"farmergreg__adif__Log4OM.adi", "Vermont QSO Party", {"Vermont QSO Party", "BC-QSO-PARTY", "DX"}},
      {"urbancamo__adif-processor__m0nom_p.204681.20210116183312.adi", "DX", {"DX"}},
      {"urbancamo__adif-processor__WW4N_POTA-K-5490-20210704.adi", std::nullopt, {}},
  };
  for (const auto& c : cases) {
    TestFile input(std::fopen((folder / c.log).string().c_str(), "rb"));
    ASSERT_NE(input, nullptr) << c.log;
    const std::optional<LogContests> named = logContestsIn(input.get());
    ASSERT_TRUE(named.has_value()) << c.log;
    EXPECT_EQ(named->firstId, c.id) << c.log;
    EXPECT_EQ(convert(folder / c.log).contests.ids, c.distinct) << c.log;
  }
}

// What loggers really write, read as they meant it: the start of a contact's line 1 (up to the
// exchange), and how many warnings carry a text.
TEST(RealLogs, ColumnsOfWhatLoggersWrite) {
  const fs::path folder = realLogsFolder();
  std::error_code error;
  if (!fs::is_directory(folder, error)) GTEST_SKIP() << "no real logs at " << folder;
  const struct {
    const char* log;   // file name in the folder, converted as ARRL VHF
    const char* line;  // the start of one line 1
    const char* text;  // a text the warnings carry `count` times
    size_t count;
  } cases[] = {
      {"k5dru__dx_entities_needed__lotwreport.adi", "20180804173600WA7GIE       10FM    59 59 ", ": band", 0},
      {"urbancamo__adif-processor__m0nom_p.204681.20210116183312.adi", "201806232130002W0SUE        0FM    59 59 ",
       ": band 70cm is not a whole number of metres; the band column shows 0.", 3},
      {"diablowu__jtdx-config__wsjtx_log.adi", "20220423063215HL2EIZ        6FT8   -3 -12om89", ": truncating", 0},
  };
  for (const auto& c : cases) {
    const Conversion run = convert(folder / c.log, ContestKind::ArrlVhf);
    EXPECT_NE(run.importText.find(std::string("\n") + c.line), std::string::npos) << c.log;
    const std::vector<std::string>& warnings = messagesOf(run.lists, kWarningsList);
    EXPECT_EQ(std::count_if(warnings.begin(), warnings.end(),
                            [&](const std::string& w) { return w.find(c.text) != std::string::npos; }),
              static_cast<std::ptrdiff_t>(c.count))
        << c.log;
  }
}

class RealLogFiles : public TestFolder {};

// Log4OM writes CNTY in ADIF's own form ("VT,CHITTENDEN", cut to VT,CHIT by the record) and the
// key the party's sponsor publishes in SRX_STRING; the log's CONTEST_ID names the party.
TEST_F(RealLogFiles, VermontPartyContactOfALog4omLogbook) {
  const fs::path folder = realLogsFolder();
  std::error_code error;
  if (!fs::is_directory(folder, error)) GTEST_SKIP() << "no real logs at " << folder;
  ConversionRequest request;
  request.inputPath = (folder / "farmergreg__adif__Log4OM.adi").string();
  request.outputPath = path("log4om.kvx");
  request.groupNumberText = "0";
  request.contestFromLog = true;
  const ConversionResult result = convertLog(request);
  ASSERT_EQ(result.status, ConversionStatus::Converted) << result.error;
  // Its three contests tie at one QSO each: the first named is the contest.
  EXPECT_EQ(result.lines[4],
            "Contest: State QSO Party (Vermont), from the log's CONTEST_ID Vermont QSO Party, which 1 of its 122 QSOs "
            "name.");
  EXPECT_NE(readFile(path("log4om.kvx"))
                .find("\n20210207180914W1NVT        20SSB   59 59 CHI        N         "
                      "NVTChittenden                0FN34"),
            std::string::npos);
  std::vector<std::string> told;
  std::copy_if(result.lines.begin(), result.lines.end(), std::back_inserter(told),
               [](const std::string& line) { return line.find("W1NVT") != std::string::npos; });
  EXPECT_EQ(told,
            std::vector<std::string>{"W1NVT on 20210207 at 180914: the exchange was taken from SRX_STRING \"CHI\"."});
}

TEST(RealLogs, EveryColumnLineIsItsLayoutsLength) {
  const fs::path folder = realLogsFolder();
  std::error_code error;
  if (!fs::is_directory(folder, error)) GTEST_SKIP() << "no real logs at " << folder;
  // Contests whose columns can grow: zones from the exchange, award texts, county names.
  const ContestKind contests[] = {ContestKind::CqWpx,
                                  ContestKind::Cq160,
                                  ContestKind::CqWw,
                                  ContestKind::CwOpsMiniCwt,
                                  ContestKind::ArrlFieldDay,
                                  ContestKind::Rda,
                                  ContestKind::WorkedAllGermany,
                                  ContestKind::StateQsoParty};
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".adi" && entry.path().extension() != ".ADI") continue;
    TestFile input(std::fopen(entry.path().string().c_str(), "rb"));
    ASSERT_NE(input, nullptr) << entry.path();
    for (ImportFormat format : {ImportFormat::Kolvex6, ImportFormat::Kolvex8}) {
      for (ContestKind contest : contests) {
        ConversionJob job;
        job.contest = contest;
        job.importFormat = format;
        job.stateNumber = 8;  // Florida
        MessageLists lists;
        TestFile importFile(std::tmpfile()), namesFile(std::tmpfile());
        std::rewind(input.get());
        RunCounts written;
        std::string fileError;
        runConversion(lists, input.get(), entry.path().string(), importFile.get(), namesFile.get(), job, &written,
                      &fileError);
        std::istringstream text(contentsOf(importFile.get()));
        size_t wrong = 0;
        bool columnLine = true;  // column lines and note lines alternate
        for (std::string line; std::getline(text, line); columnLine = !columnLine) {
          line.pop_back();  // the CR of the line end
          // In bytes: every column holds ASCII, for a station log that reads the columns by byte.
          if (columnLine && line.size() != static_cast<size_t>(formatTraits(format).lineLength)) ++wrong;
        }
        EXPECT_EQ(wrong, 0u) << entry.path().filename() << ", " << formatTraits(format).name << ", "
                             << contestName(static_cast<int32_t>(contest));
      }
    }
  }
}

}  // namespace
