#include "convert/conversion_driver.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "core/test_input.h"
#include "core/text_format.h"

namespace {

using Lines = std::vector<std::string>;

// A conversion of the log's bytes, CQ WPX unless another contest is given.
struct DriverRun {
  explicit DriverRun(const std::string& log, ContestKind contest = ContestKind::CqWpx,
                     ImportFormat format = ImportFormat::Kolvex8)
      : input(streamOf(log)) {
    job.contest = contest;
    job.importFormat = format;
    RunCounts counts;
    gaveResult = runConversion(lists, input.get(), "my log.adi", output.get(), names.get(), job, &counts, &error);
    count = counts.qsos;
  }
  TestFile input;
  TestFile output{std::tmpfile()};
  TestFile names{std::tmpfile()};
  ConversionJob job;
  MessageLists lists;
  int32_t count;
  bool gaveResult;    // runConversion's result
  std::string error;  // its file error
};

// A record without BAND, which gives the writer's own warning.
const char kNoBand[] = "<CALL:5>K1ABC<QSO_DATE:8>20120325<TIME_ON:4>1430<FREQ:6>14.025<SRX:1>1<EOR>\n";

// Records as loggers write them, one row per log: line 1 of its last record from a column on,
// that record's note line, and the run's warnings followed by its errors.
TEST(ConversionDriver, RecordsAsLoggersWriteThem) {
  struct Case {
    ContestKind contest;
    ImportFormat format;
    const char* fields;  // of each record besides K1ABC on 20240330 at 1200, CW, SRX 1
    int records;
    size_t first;
    const char* columns;
    const char* note;
    Lines messages;
  };
  using C = ContestKind;
  const ImportFormat k6 = ImportFormat::Kolvex6, k8 = ImportFormat::Kolvex8;
  const std::string noBand = "BAND field is missing, determining band from frequency.";
  const std::string hz = "my log.adi gives FREQ in Hz, not MHz; those values were converted to MHz.";
  const std::string khz = "my log.adi gives FREQ in kHz, not MHz; those values were converted to MHz.";
  const std::string cm =
      "K1ABC on 20240330 at 1200: band 70cm is not a whole number of metres; the band column shows 0.";
  const std::string pastEnd =
      "K1ABC on 20240330 at 1200: the length of Comment runs past the end of the file; the "
      "value was read up to the next tag or the end of its line.";
  const std::string at = "K1ABC on 20240330 at 1200";
  const std::string voice = at + ": MODE DIGITALVOICE does not fit its 6-character column; written as DIGITA.";
  const std::string srxString = at + ": the exchange was taken from SRX_STRING \"599 0123\".";
  const std::string noData = at + " is missing received data.";
  const std::string notABand = at + ": BAND VHF is not a band; the band was worked out from FREQ.";
  auto nothing = [](const char* word) {
    return formatText("my log.adi writes %s for values that are not there; they were read as empty.", word);
  };
  const std::string falseWord = nothing("FALSE"), noneWord = nothing("none"), nullWord = nothing("null");
  const std::string fdClass = at + ": the Field Day class was taken from RST_RCVD 3a.";
  const std::string lineBreak = "W2XH on 20240330 at 1200: CALL holds a line break; it was read without it.";
  const std::string lowerCase = at + ": the exchange was taken from SRX_STRING \"599 ct\".";
  const std::string fd = "<BAND:3>20M<ARRL_SECT:2>CT<RST_SENT:3>12F<RST_RCVD:2>", fdClassA = fd + "3a", fdG = fd + "3G";
  auto ascii = [&at](const char* column) {
    return at + formatText(": %s Győ holds characters outside ASCII; written as Gyo.", column);
  };
  auto notIn = [&at](const char* freq, const char* band) {
    return at + formatText(": FREQ %s is not in the %s band; the band column follows BAND.", freq, band);
  };
  const Case cases[] = {
      {C::CqWpx, k8, "<BAND:3>20M<FREQ:8>14074000<FREQ_RX:8>14075000", 2, 128, " 14074.00", "Rx=14,075KHz", {hz}},
      {C::CqWpx, k6, "<BAND:3>40M<FREQ:4>7074", 1, 27, " 40", "7,074KHz", {khz}},
      {C::CqWpx, k8, "<FREQ:8>14074000", 1, 27, " 20", "", {noBand, hz}},
      {C::CqWpx, k8, "<FREQ:6>10.136", 1, 27, " 30", "", {noBand}},
      {C::CqWpx, k8, "<BAND:4>70cm<FREQ:7>432.100", 1, 27, "  0", "", {cm}},
      {C::CqWpx, k8, "<BAND:3>20M<FREQ:6>14,074", 1, 128, " 14074.00", "", {}},
      {C::CqWpx, k6, "<FREQ:6>-7.074", 1, 27, "  0", "", {noBand, "Can't determine band from FREQ = -7.074"}},
      {C::CqWpx, k8, "<BAND:3>20M<FREQ:10>2380.04107", 1, 128, "2380041.1--", "", {notIn("2380.04107", "20M")}},
      {C::ArrlVhf, k8, "<BAND:2>2M<GRIDSQUARE:6>EM40lo", 1, 42, "EM40     ", "", {}},
      {C::CqWpx, k8, "<BAND:3>20M<MODE:3>USB", 1, 30, "USB   59 59 1   ", "", {}},
      {C::CqWpx, k8, "<BAND:3>20M<NOTES:21>QSL via\r\n<CALL:4>FAKE", 1, 15, "K1ABC        20", "", {}},
      {C::HaDx, k8, "<BAND:3>20M<RCVD:3>Győ", 1, 42, "Gyo     ", "", {ascii("EXCHANGE"), ascii("AWARD")}},
      {C::ArrlFieldDay, k8, "<BAND:3>20M<ARRL_SECT:2>CT<SRX_STRING:5>1f CT", 1, 42, "1F       ", "", {}},
      {C::CqWpx, k8, "<BAND:3>20M<Comment:99999>QSL? <MODE:3>SSB", 1, 30, "SSB", "", {pastEnd}},
      {C::CqWpx, k8, "<BAND:2>2M<FREQ:4>14.5", 1, 27, "  2", "", {notIn("14.5", "2M")}},
      {C::CqWpx, k8, "<BAND:3>10M<FREQ:4>7001", 1, 128, "  7001.00", "", {khz, notIn("7001", "10M")}},
      {C::CqWpx, k8, "<BAND:3>20M<MODE:12>DIGITALVOICE<RST_SENT:3>5nN", 1, 30, "DIGITA59959 ", "", {voice}},
      {C::ArrlDx, k8, "<BAND:3>20M<QTH:13>ARROYO GRANDE<STATE:2>CA", 1, 42, "CA         N         NCA", "", {}},
      {C::CqWpx, k8, "<BAND:3>20M<SRX:0><SRX_STRING:8>599 0123", 1, 42, "0123", "", {srxString}},
      {C::ArrlFieldDay, k8, "<BAND:3>20M<ARRL_SECT:2>CT<SRX_STRING:5>1G CT", 1, 42, "    ", "", {noData}},
      {C::CqWpx, k8, "<BAND:3>VHF<FREQ:6>14.025", 1, 27, " 20", "", {notABand}},
      {C::CqWpx,
       k8,
       "<BAND:5>FALSE<FREQ:6>14.025<RST_RCVD:5> none<GRIDSQUARE:4>null",
       2,
       27,
       " 20CW    599599",
       "",
       {falseWord, noneWord, nullWord, noBand}},
      {C::CqWpx, k8, "<BAND:3>20M<CALL:6>W2\r\nXH", 1, 15, "W2XH         20", "", {lineBreak}},
      {C::CqWpx, k8, "<BAND:3>20M<FREQ:7>1000000", 1, 128, "  1000.00", "", {hz, notIn("1000000", "20M")}},
      {C::ArrlFieldDay, k8, fdClassA.c_str(), 1, 36, "5995993A  ", "", {fdClass}},
      {C::ArrlFieldDay, k8, fdG.c_str(), 1, 36, "12 3      ", "", {noData}},
      {C::Arrl10, k8, "<BAND:3>10M<SRX:0><SRX_STRING:6>599 ct", 1, 42, "CT         N         NCT", "", {lowerCase}},
      {C::CqWpx, k6, "<BAND:3>40M<FREQ:9>7.100.123", 1, 27, " 40", "7,100KHz", {}},
  };
  for (const Case& c : cases) {
    std::string log = "<EOH>\n";
    for (int i = 0; i < c.records; ++i) {
      log += std::string("<CALL:5>K1ABC<QSO_DATE:8>20240330<TIME_ON:4>1200<MODE:2>CW<SRX:1>1") + c.fields + "<EOR>\n";
    }
    DriverRun run(log, c.contest, c.format);
    SCOPED_TRACE(c.fields);
    const std::string text = contentsOf(run.output.get());
    const size_t noteEnd = text.rfind("\r\n", text.size() - 3);  // the end of the last line 1
    const std::string last = text.substr(text.rfind("\n", noteEnd - 1) + 1);
    EXPECT_EQ(last.substr(c.first - 1, std::strlen(c.columns)) + "|" + last.substr(last.find('\n') + 1),
              c.columns + std::string("|") + c.note + "\r\n");
    Lines messages = messagesOf(run.lists, kWarningsList);
    for (const std::string& error : messagesOf(run.lists, kErrorsList)) messages.push_back(error);
    EXPECT_EQ(messages, c.messages);
  }
}

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
    EXPECT_FALSE(run.gaveResult);
    EXPECT_EQ(run.error, noHeader);
    TestFile again(streamOf(log));
    std::string error;
    EXPECT_FALSE(checkLogStart(again.get(), "my log.adi", &error));
    EXPECT_EQ(error, noHeader);
  }
  // A header without records is a log as any other.
  DriverRun empty("<EOH>\n");
  EXPECT_TRUE(empty.gaveResult);
  TestFile again(streamOf("<EOH>\n"));
  std::string error;
  EXPECT_TRUE(checkLogStart(again.get(), "my log.adi", &error));
  EXPECT_EQ(error, "");
}

TEST(ConversionDriver, FailedReadIsHandedBackWithoutMessagesAboutTheInput) {
  DriverRun complete(std::string("<EOH>") + kNoBand);
  EXPECT_TRUE(complete.gaveResult);

  ConversionJob job;
  MessageLists lists;
  TestFile output(std::tmpfile());
  TestFile names(std::tmpfile());
  std::FILE* folder = std::fopen(".", "rb");  // opening a folder works; reading it fails
  ASSERT_NE(folder, nullptr);
  RunCounts counts{-1, -1};
  std::string error;
  EXPECT_FALSE(runConversion(lists, folder, ".", output.get(), names.get(), job, &counts, &error));
  std::fclose(folder);
  EXPECT_EQ(counts.qsos, 0);
  EXPECT_EQ(error, "ERROR: Can't read input file .: Is a directory");
  EXPECT_TRUE(messagesOf(lists, kErrorsList).empty());
  EXPECT_TRUE(messagesOf(lists, kWarningsList).empty());
}

}  // namespace
