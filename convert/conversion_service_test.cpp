#include "convert/conversion_service.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "convert/test_folder.h"
#include "refdata/state_table.h"

namespace {

namespace fs = std::filesystem;

const char kWpxLog[] =
    "WPX log\n<EOH>\n"
    "<CALL:6>N0CALL<QSO_DATE:8>20120325<TIME_ON:4>1430<BAND:3>20M<MODE:2>CW<SRX:3>123<STX:2>45<EOR>\n"
    "<CALL:5>K1ABC<QSO_DATE:8>20120325<TIME_ON:4>1431<BAND:3>20M<MODE:2>CW<EOR>\n";

// A one-QSO Florida QSO Party log whose record names its contest.
const char kFloridaLog[] =
    "<EOH>\n<CALL:5>K4ABC<QSO_DATE:8>20240427<TIME_ON:4>1600<BAND:3>40M<MODE:2>CW<CONTEST_ID:12>FL-QSO-PARTY"
    "<APP_N1MM_EXCHANGE1:2>GA<EOR>\n";

// A request that passes every check: CQ WPX, group 0, the given files.
ConversionRequest wpxRequest(const std::string& input, const std::string& output) {
  ConversionRequest request;
  request.inputPath = input;
  request.outputPath = output;
  request.options.contest = ContestKind::CqWpx;
  request.groupNumberText = "0";
  return request;
}

class ConversionService : public TestFolder {};

TEST(DerivedNames, ReplaceTheFileNamesExtension) {
  const struct {
    const char* path;
    const char* extension;
    const char* derived;
  } cases[] = {
      {"C:\\logs\\log.cq.adi", ".kvx", "C:\\logs\\log.cq.kvx"},
      {"run.kvx", ".kvn", "run.kvn"},
      {"C:\\my.logs\\wpx", ".kvx", "C:\\my.logs\\wpx.kvx"},
      {"/home/op/my.logs/wpx", ".kvn", "/home/op/my.logs/wpx.kvn"},
      {"C:/my.logs\\wpx", ".kvx", "C:/my.logs\\wpx.kvx"},
      {"my.logs/wpx.adi", ".kvx", "my.logs/wpx.kvx"},
      {"wpx", ".kvx", "wpx.kvx"},
      {"", ".kvx", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(derivedName(c.path, c.extension), c.derived) << c.path;
}

TEST(ConversionChecks, StopAtTheFirstFailureInOrder) {
  ConversionRequest request;
  std::vector<RequestField> fields;  // what each failure is about
  auto checkError = [&]() {
    const ConversionResult result = convertLog(request);
    EXPECT_EQ(result.status, ConversionStatus::CheckFailed);
    EXPECT_TRUE(result.lines.empty());
    fields.push_back(result.failedField);
    return result.error;
  };
  request.groupNumberText = "0";
  EXPECT_EQ(checkError(), "ERROR: Didn't specify input file.");
  request.inputPath = "in.adi";
  EXPECT_EQ(checkError(), "ERROR: Didn't specify output file.");
  request.outputPath = "out.kvx";
  EXPECT_EQ(checkError(), "ERROR: Didn't select a contest.");
  request.options.contest = ContestKind::StateQsoParty;
  EXPECT_EQ(checkError(), "ERROR: Didn't select a state.");
  request.options.stateNumber = 0;
  request.groupNumberText = "";
  EXPECT_EQ(checkError(), "ERROR: Must specify a group number.");
  request.groupNumberText = "65534";
  EXPECT_EQ(checkError(), "ERROR: Group number must be between 0-65533 inclusive.");
  request.options.importFormat = ImportFormat::Kolvex6;
  request.groupNumberText = "254";
  EXPECT_EQ(checkError(), "ERROR: Group number must be between 0-253 inclusive.");
  request.groupNumberText = "-1";
  EXPECT_EQ(checkError(), "ERROR: Group number must be between 0-253 inclusive.");
  request.groupNumberText = "99999999999";
  EXPECT_EQ(checkError(), "ERROR: Group number must be between 0-253 inclusive.");
  request.groupNumberText = "0";
  request.fromText = "2026-02-29";  // not a leap year
  request.toText = "2026-01-24 24:00";
  EXPECT_EQ(checkError(), "ERROR: From (UTC) is not a date and time such as 2026-01-24 12:00.");
  request.fromText = "2024-02-29 23:59";
  EXPECT_EQ(checkError(), "ERROR: To (UTC) is not a date and time such as 2026-01-24 12:00.");
  using F = RequestField;
  EXPECT_EQ(fields, (std::vector<F>{F::Input, F::Output, F::Contest, F::State, F::GroupNumber, F::GroupNumber,
                                    F::GroupNumber, F::GroupNumber, F::GroupNumber, F::From, F::To}));
}

TEST_F(ConversionService, GroupNumberLimitsAcceptTheLargestValue) {
  writeFile(path("in.adi"), kWpxLog);
  ConversionRequest request = wpxRequest(path("in.adi"), path("out.kvx"));
  request.groupNumberText = "65533";
  ConversionResult result = convertLog(request);
  EXPECT_EQ(result.status, ConversionStatus::Converted) << result.error;
  EXPECT_EQ(result.job.groupNumber, 65533);
  request.options.importFormat = ImportFormat::Kolvex6;
  request.groupNumberText = "253";
  result = convertLog(request);
  EXPECT_EQ(result.status, ConversionStatus::Converted) << result.error;
  EXPECT_EQ(result.job.groupNumber, 253);
}

TEST_F(ConversionService, WritesBothFilesAndTheResultsLines) {
  writeFile(path("in.adi"), kWpxLog);
  ConversionRequest request = wpxRequest(path("in.adi"), path("out.kvx"));
  request.groupNumberText = "1";
  request.noteText = std::string(70, 'n');
  const ConversionResult result = convertLog(request);
  ASSERT_EQ(result.status, ConversionStatus::Converted) << result.error;
  EXPECT_STREQ(result.job.note, std::string(63, 'n').c_str());
  EXPECT_EQ(result.namesPath, path("out.kvn"));
  EXPECT_EQ(result.qsoCount, 2);
  EXPECT_EQ(result.namesWritten, 0);
  const std::vector<std::string> expected = {
      "Wrote 2 QSOs to " + path("out.kvx"),
      "",
      "Import this file as KOLVEX8 format.",
      "",
      "K1ABC on 20120325 at 1431 is missing received data.",
      "",
  };
  EXPECT_EQ(result.lines, expected);
  EXPECT_EQ(result.notice, "2 QSOs written to " + path("out.kvx"));
  const std::string kvx = readFile(path("out.kvx"));
  EXPECT_EQ(kvx.substr(0, 14), "20120325143000");
  EXPECT_EQ(std::count(kvx.begin(), kvx.end(), '\n'), 4);
  EXPECT_TRUE(fs::exists(path("out.kvn")));
  EXPECT_EQ(readFile(path("out.kvn")), "");
  EXPECT_EQ(entries(), 3);  // no temporary file left behind
}

// Lines of one kind differ only in call, date, time and values; the results stay as they were.
TEST_F(ConversionService, MessagesAreCountedByKindMostFrequentFirst) {
  writeFile(path("in.adi"),
            "<EOH>\n<CALL:5>K1ABC<QSO_DATE:8>20120325<TIME_ON:4>1431<FREQ:5>99.99<MODE:2>CW<EOR>\n"
            "<CALL:5>K2ABC<QSO_DATE:8>20120326<TIME_ON:4>0002<BAND:3>40M<MODE:2>CW<EOR>\n"
            "<CALL:4>K3AB<QSO_DATE:8>20120326<TIME_ON:4>0003<FREQ:4>7.01<MODE:2>CW<SRX:1>5<EOR>\n");
  const ConversionResult result = convertLog(wpxRequest(path("in.adi"), path("out.kvx")));
  ASSERT_EQ(result.status, ConversionStatus::Converted) << result.error;
  EXPECT_EQ(std::vector<std::string>(result.lines.begin() + 4, result.lines.end()),
            (std::vector<std::string>{"BAND field is missing, determining band from frequency.",
                                      "K1ABC on 20120325 at 1431 is missing received data.",
                                      "K2ABC on 20120326 at 0002 is missing received data.", "",
                                      "Can't determine band from FREQ = 99.99", ""}));
  EXPECT_EQ(kindCountsLine(result.messageKinds), "1 errors, 3 warnings, 3 kinds");
  EXPECT_EQ(kindLines(result.messageKinds),
            (std::vector<std::string>{"2 \xC3\x97 K1ABC on 20120325 at 1431 is missing received data.",
                                      "1 \xC3\x97 BAND field is missing, determining band from frequency.",
                                      "1 \xC3\x97 Can't determine band from FREQ = 99.99"}));
  ASSERT_EQ(result.messageKinds.groups.size(), 3u);
  EXPECT_EQ(result.messageKinds.groups[0].lines[1], "K2ABC on 20120326 at 0002 is missing received data.");
}

TEST_F(ConversionService, NamesLineAndSummaryListAppearWhenTheRunHasThem) {
  writeFile(path("cwt.adi"),
            "<EOH>\n<CALL:5>K1ABC<NAME:4>JOHN<APP_N1MM_EXCHANGE1:4>1234<QSO_DATE:8>20240101<TIME_ON:4>1900"
            "<BAND:2>40<MODE:2>CW<EOR>\n");
  ConversionRequest request = wpxRequest(path("cwt.adi"), path("cwt.kvx"));
  request.options.contest = ContestKind::CwOpsMiniCwt;
  const std::vector<std::string> expected = {
      "Wrote 1 QSOs to " + path("cwt.kvx"),
      "Wrote 1 names to " + path("cwt.kvn"),
      "",
      "Import this file as KOLVEX8 format.",
      "",
      "1 unique callsigns.\n",
      "",
  };
  ConversionResult result = convertLog(request);
  EXPECT_EQ(result.lines, expected);
  EXPECT_EQ(result.namesWritten, 1);
  EXPECT_EQ(readFile(path("cwt.kvn")), "K1ABC,\r\nJohn\r\n\r\n");
  // A second run counts only its own names: the pair is new again.
  result = convertLog(request);
  EXPECT_EQ(result.lines, expected);
}

TEST_F(ConversionService, OverwritingTheInputIsRefused) {
  writeFile(path("log"), kWpxLog);
  writeFile(path("a.kvn"), kWpxLog);
  writeFile(path("log.kvn"), kWpxLog);
  struct Case {
    std::string input, output, error;
  };
  const Case cases[] = {
      {path("log"), path("log"), "ERROR: Output file is the input file: " + path("log")},
      {path("log.kvn"), path("log.kvx"), "ERROR: Names file is the input file: " + path("log.kvn")},
      {path("a.kvn"), path("a.kvx"), "ERROR: Names file is the input file: " + path("a.kvn")},
      {path("log"), path("out.kvn"), "ERROR: Names file is the output file: " + path("out.kvn")},
      {path("log"), path("pipe"), "ERROR: Output file " + path("pipe") + " is not a regular file."},
      {path("log"), path("fifo.kvx"), "ERROR: Names file " + path("fifo.kvn") + " is not a regular file."},
  };
  // FIFOs, as devices would be.
  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(path("fifo.kvn").c_str(), 0600), 0);
  for (const Case& c : cases) {
    const ConversionResult result = convertLog(wpxRequest(c.input, c.output));
    EXPECT_EQ(result.status, ConversionStatus::CheckFailed);
    EXPECT_EQ(result.error, c.error);
  }
  EXPECT_EQ(readFile(path("log")), kWpxLog);
  EXPECT_EQ(readFile(path("a.kvn")), kWpxLog);
  EXPECT_EQ(entries(), 5);
}

TEST_F(ConversionService, ContestFromTheLogOnlyWhenAskedAndNoneIsChosen) {
  writeFile(path("fqp.adi"), kFloridaLog);
  ConversionRequest request = wpxRequest(path("fqp.adi"), path("out.kvx"));
  request.options.contest = ContestKind::None;
  EXPECT_EQ(convertLog(request).error, "ERROR: Didn't select a contest.");  // the dialog's request

  request.contestFromLog = true;
  ConversionResult result = convertLog(request);
  ASSERT_EQ(result.status, ConversionStatus::Converted) << result.error;
  EXPECT_EQ(result.job.contest, ContestKind::StateQsoParty);
  EXPECT_EQ(result.job.stateNumber, findStateNumber("FL"));
  ASSERT_EQ(result.lines.size(), 6u);
  EXPECT_EQ(result.lines[0], "Wrote 1 QSOs to " + path("out.kvx"));  // read again from its start
  EXPECT_EQ(result.lines[4], "Contest: State QSO Party (Florida), from the log's CONTEST_ID FL-QSO-PARTY.");

  // A chosen state wins over the log's party; the first warning tells of the difference.
  request.options.stateNumber = findStateNumber("AL");
  result = convertLog(request);
  ASSERT_GE(result.lines.size(), 7u);
  EXPECT_EQ(result.lines[4], "Contest: State QSO Party (Alabama), from the log's CONTEST_ID FL-QSO-PARTY.");
  EXPECT_EQ(result.lines[6], path("fqp.adi") +
                                 " names the contest State QSO Party (Florida) (CONTEST_ID "
                                 "FL-QSO-PARTY); it was converted as State QSO Party (Alabama).");

  // A chosen State QSO Party takes no party from the log.
  request.options.contest = ContestKind::StateQsoParty;
  request.options.stateNumber = -1;
  EXPECT_EQ(convertLog(request).error, "ERROR: Didn't select a state.");

  // Without a contest the log has to be read before the contest check: one that gives no
  // result is a file error, not a contest the operator forgot.
  request.options.contest = ContestKind::None;
  request.inputPath = path("missing.adi");
  EXPECT_EQ(convertLog(request).status, ConversionStatus::FileError);
  writeFile(path("text.adi"), "no ADIF here\n");
  request.inputPath = path("text.adi");
  result = convertLog(request);
  EXPECT_EQ(result.status, ConversionStatus::FileError);
  EXPECT_EQ(result.error, "ERROR: No ADIF end-of-header (<EOH>) found in " + path("text.adi") + "; no QSOs were read.");
}

// Several contests in one log are told right after the contest the first id names, and the
// QSOs that name none after them. Ids of one contest are one; unmapped ids differ by their text.
TEST_F(ConversionService, ContestsTheLogNamesAreTold) {
  writeFile(path("logbook.adi"),
            "<EOH><CONTEST_ID:12>FL-QSO-PARTY<EOR><CONTEST_ID:7>fcg-fqp<EOR><CONTEST_ID:1> <EOR><EOR>"
            "<CONTEST_ID:2>DX<EOR><CONTEST_ID:9>CQ-WPX-CW<EOR><CONTEST_ID:10>CQ-WPX-SSB<EOR><CONTEST_ID:2>dx<EOR>"
            "<CONTEST_ID:6>NTC-QP<EOR>\n");
  ConversionRequest request = wpxRequest(path("logbook.adi"), path("out.kvx"));
  ConversionResult result = convertLog(request);
  ASSERT_GE(result.lines.size(), 7u);
  EXPECT_EQ(result.lines[6], path("logbook.adi") + ": 2 of its 9 QSOs name no contest; all were converted as CQ WPX.");
  EXPECT_EQ(result.lines[4], path("logbook.adi") +
                                 " names the contest State QSO Party (Florida) (CONTEST_ID FL-QSO-PARTY); it was "
                                 "converted as CQ WPX.");
  EXPECT_EQ(result.lines[5], path("logbook.adi") +
                                 " names 4 contests (FL-QSO-PARTY, DX, CQ-WPX-CW and 1 more); all its QSOs were "
                                 "converted as CQ WPX.");

  writeFile(path("fd.adi"), "<EOH><CONTEST_ID:7>ARRL-FD<EOR><CONTEST_ID:14>arrl-field-day<EOR><EOR>\n");
  result = convertLog(wpxRequest(path("fd.adi"), path("out.kvx")));
  ASSERT_GE(result.lines.size(), 6u);
  // Right after the contest the first id names: both ids are ARRL Field Day.
  EXPECT_EQ(result.lines[5], path("fd.adi") + ": 1 of its 3 QSOs name no contest; all were converted as CQ WPX.");
}

// A logbook of three contests and an untagged QSO, converted with each choice of records: the
// records converted (the last letters of their calls), the summary and the several-contests warning.
TEST_F(ConversionService, OnlyTheContestsQsosAndAWindow) {
  writeFile(path("logbook.adi"),
            "<EOH>\n<CALL:3>K1A<QSO_DATE:8>20260124<TIME_ON:6>115959<CONTEST_ID:9>CQ-WPX-CW<SRX:1>1<EOR>\n"
            "<CALL:3>K1B<QSO_DATE:8>20260124<TIME_ON:4>1200<CONTEST_ID:10>cq-wpx-ssb<SRX:1>1<EOR>\n"
            "<CALL:3>K1C<QSO_DATE:8>20260124<TIME_ON:6>120030<CONTEST_ID:8>CQ-WW-CW<SRX:1>1<EOR>\n"
            "<CALL:3>K1D<QSO_DATE:8>20260124<TIME_OFF:6>120059<SRX:1>1<EOR>\n"
            "<CALL:3>K1E<QSO_DATE:8>20260124<TIME_ON:4>1201<CONTEST_ID:9>CQ-WPX-CW<CONTEST_ID:8>CQ-WW-CW<SRX:1>1<EOR>\n"
            "<CALL:3>K1F<TIME_ON:4>1200<CONTEST_ID:10>ARRL-DX-CW<SRX:1>1<EOR>\n"
            "<CALL:3>K1G<QSO_DATE:8>20260123<TIME_ON:4>2359<CONTEST_ID:12>NY-QSO-PARTY<SRX:1>1<EOR>\n"
            "<CALL:3>K1H<QSO_DATE:8>20260125<TIME_ON:4>0000<CONTEST_ID:12>FL-QSO-PARTY<SRX:1>1<EOR>\n");
  const char* const several = " names 5 contests (CQ-WPX-CW, CQ-WW-CW, ARRL-DX-CW and 2 more); all its QSOs were";
  const struct {
    int32_t onlyContest;
    const char* state;  // a State QSO Party's; CQ WPX without
    const char* from;
    const char* to;
    const char* converted;
    const char* summary;  // the skip lines of the summary, joined by "|"
    const char* warning;  // the several-contests warning after the path, up to "converted as"
  } cases[] = {
      {0, "", "", "", "ABCDEFGH", "", several},
      {1, "", "", "", "AB", "Skipped 6 of 8 QSOs that name another contest or none.", ""},
      {0, "", "2026-01-24 12:00", "202601241200", "BCD",
       "Skipped 5 of 8 QSOs outside 2026-01-24 12:00 to 2026-01-24 12:00 (UTC).",
       " names 2 contests (cq-wpx-ssb, CQ-WW-CW); all converted QSOs were"},
      {1, "", " 20260124 ", "2026-01-24 12:00", "AB",
       "Skipped 6 of 8 QSOs that name another contest or none.|Skipped 0 of 8 QSOs outside 2026-01-24 00:00 to "
       "2026-01-24 12:00 (UTC).",
       ""},
      {0, "", "2026-01-24 12:00", "", "BCDEH", "Skipped 3 of 8 QSOs before 2026-01-24 12:00 (UTC).",
       " names 3 contests (cq-wpx-ssb, CQ-WW-CW, FL-QSO-PARTY); all converted QSOs were"},
      {0, "", "", "20260124", "ABCDEG", "Skipped 2 of 8 QSOs after 2026-01-24 23:59 (UTC).",
       " names 3 contests (CQ-WPX-CW, CQ-WW-CW, NY-QSO-PARTY); all converted QSOs were"},
      {1, "FL", "", "", "H", "Skipped 7 of 8 QSOs that name another contest or none.", ""},
  };
  for (const auto& c : cases) {
    ConversionRequest request = wpxRequest(path("logbook.adi"), path("out.kvx"));
    request.options.onlyContest = c.onlyContest;
    if (*c.state != '\0') request.options.contest = ContestKind::StateQsoParty;
    request.options.stateNumber = findStateNumber(c.state);
    request.fromText = c.from;
    request.toText = c.to;
    const ConversionResult result = convertLog(request);
    ASSERT_EQ(result.status, ConversionStatus::Converted) << result.error;
    std::string converted, summary, warning;
    for (const char letter : std::string("ABCDEFGH")) {
      if (readFile(path("out.kvx")).find(std::string("K1") + letter) != std::string::npos) converted += letter;
    }
    for (const std::string& line : result.lines) {
      if (line.rfind("Skipped ", 0) == 0) summary += (summary.empty() ? "" : "|") + line;
      if (line.find(" contests (") != std::string::npos) warning = line.substr(path("logbook.adi").size());
    }
    EXPECT_EQ(converted, c.converted) << c.from << c.to;
    EXPECT_EQ(result.lines[0], "Wrote " + std::to_string(std::strlen(c.converted)) + " QSOs to " + path("out.kvx"));
    EXPECT_EQ(summary, c.summary) << c.from << c.to;
    EXPECT_EQ(warning.substr(0, warning.find(" converted as")), c.warning) << c.from << c.to;
  }
}

TEST_F(ConversionService, MissingInputNamesTheFileAndTouchesNothing) {
  writeFile(path("out.kvx"), "old import");
  const ConversionResult result = convertLog(wpxRequest(path("missing.adi"), path("out.kvx")));
  EXPECT_EQ(result.status, ConversionStatus::FileError);
  EXPECT_EQ(result.error.rfind("ERROR: Can't open input file " + path("missing.adi") + ": ", 0), 0u) << result.error;
  EXPECT_EQ(readFile(path("out.kvx")), "old import");
  EXPECT_EQ(entries(), 1);
}

TEST_F(ConversionService, UnwritableOutputFolderIsReportedAndNothingIsCreated) {
  writeFile(path("in.adi"), kWpxLog);
  const ConversionResult result = convertLog(wpxRequest(path("in.adi"), path("no-such-folder/out.kvx")));
  EXPECT_EQ(result.status, ConversionStatus::FileError);
  EXPECT_EQ(result.error.rfind("ERROR: Can't write output file " + path("no-such-folder/out.kvx") + ": ", 0), 0u)
      << result.error;
  EXPECT_EQ(entries(), 1);
}

TEST_F(ConversionService, AFailedReadKeepsNothing) {
  writeFile(path("log.kvx"), "old import");
  // Reading a process's memory from address 0 fails in the middle of a run.
  ASSERT_EQ(symlink("/proc/self/mem", path("log.adi").c_str()), 0);
  const ConversionResult result = convertLog(wpxRequest(path("log.adi"), path("log.kvx")));
  EXPECT_EQ(result.status, ConversionStatus::FileError);
  EXPECT_EQ(result.error, "ERROR: Can't read input file " + path("log.adi") + ": Input/output error");
  EXPECT_EQ(readFile(path("log.kvx")), "old import");
  EXPECT_EQ(entries(), 2);
}

}  // namespace
