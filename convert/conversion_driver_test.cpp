#include "convert/conversion_driver.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "core/test_input.h"

namespace {

using Lines = std::vector<std::string>;

// A CQ WPX conversion of the log's bytes.
struct DriverRun {
  explicit DriverRun(const std::string& log) : input(streamOf(log)) {
    job.contest = ContestKind::CqWpx;
    count = runConversion(lists, input.get(), "my log.adi", output.get(), names.get(), job);
  }
  TestFile input;
  TestFile output{std::tmpfile()};
  TestFile names{std::tmpfile()};
  ConversionJob job;
  MessageLists lists;
  int32_t count;
};

// A record without BAND, which gives the writer's own warning.
const char kNoBand[] = "<CALL:5>K1ABC<FREQ:6>14.025<SRX:1>1<EOR>\n";

TEST(ConversionDriver, HeaderlessWarningComesFirstAndUnfinishedRecordWarningLast) {
  DriverRun run(std::string(kNoBand) + kNoBand + "<CALL:5>K2ABC\n");
  EXPECT_EQ(run.count, 2);
  EXPECT_EQ(messagesOf(run.lists, kWarningsList),
            (Lines{"my log.adi has no ADIF header; its QSOs were read from the first line.",
                   "BAND field is missing, determining band from frequency.",
                   "The last record of my log.adi has no <EOR>; it was not converted."}));
  EXPECT_TRUE(messagesOf(run.lists, kErrorsList).empty());
}

TEST(ConversionDriver, LogWithoutHeaderThatIsNotHeaderlessIsAFileError) {
  const std::string noHeader = "ERROR: No ADIF end-of-header (<EOH>) found in my log.adi; no QSOs were read.";
  for (const std::string& log : {std::string("My log\n") + kNoBand, std::string()}) {
    DriverRun run(log);
    EXPECT_EQ(run.count, 0);
    EXPECT_EQ(contentsOf(run.output.get()), "");
    EXPECT_TRUE(messagesOf(run.lists, kWarningsList).empty());
    EXPECT_TRUE(messagesOf(run.lists, kErrorsList).empty());
    EXPECT_EQ(logFileError(run.job, "my log.adi"), noHeader);
    TestFile again(streamOf(log));
    EXPECT_EQ(logStartError(again.get(), "my log.adi"), noHeader);
  }
  // A header without records is a log as any other.
  DriverRun empty("<EOH>\n");
  EXPECT_EQ(logFileError(empty.job, "my log.adi"), "");
  TestFile again(streamOf("<EOH>\n"));
  EXPECT_EQ(logStartError(again.get(), "my log.adi"), "");
}

TEST(ConversionDriver, FailedReadIsHandedBackWithoutMessagesAboutTheInput) {
  DriverRun complete(std::string("<EOH>") + kNoBand);
  EXPECT_EQ(complete.job.readError, 0);

  ConversionJob job;
  job.readError = EIO;  // left from an earlier run
  MessageLists lists;
  TestFile output(std::tmpfile());
  TestFile names(std::tmpfile());
  std::FILE* folder = std::fopen(".", "rb");  // opening a folder works; reading it fails
  ASSERT_NE(folder, nullptr);
  EXPECT_EQ(runConversion(lists, folder, ".", output.get(), names.get(), job), 0);
  std::fclose(folder);
  EXPECT_EQ(job.readError, EISDIR);
  EXPECT_EQ(logFileError(job, "."), "ERROR: Can't read input file .: Is a directory");
  EXPECT_TRUE(messagesOf(lists, kErrorsList).empty());
  EXPECT_TRUE(messagesOf(lists, kWarningsList).empty());
}

}  // namespace
