#include "writer/import_record.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/test_input.h"
#include "core/text_format.h"
#include "writer/column_text.h"
#include "writer/test_record.h"

namespace {

using Lines = std::vector<std::string>;

// One run of the writer into two temporary files.
class WriterRun {
 public:
  explicit WriterRun(ContestKind contest, ImportFormat format = ImportFormat::Kolvex8)
      : importFile_(std::tmpfile()), namesFile_(std::tmpfile()) {
    job.contest = contest;
    job.importFormat = format;
    resetImportWriter(state);
  }
  ~WriterRun() {
    if (importFile_ != nullptr) std::fclose(importFile_);
    if (namesFile_ != nullptr) std::fclose(namesFile_);
  }
  WriterRun(const WriterRun&) = delete;
  WriterRun& operator=(const WriterRun&) = delete;

  bool ready() const { return importFile_ != nullptr && namesFile_ != nullptr; }
  int32_t write(QsoRecord record) {
    return writeImportRecord(lists, importFile_, namesFile_, record, job, contestRulesOf(job), state);
  }
  std::string importText() { return contentsOf(importFile_); }
  std::string namesText() { return contentsOf(namesFile_); }
  // The import file split at CR LF; a missing CR LF at the end leaves "<no line end>".
  Lines importLines() {
    const std::string text = importText();
    Lines lines;
    size_t start = 0;
    while (start < text.size()) {
      const size_t end = text.find("\r\n", start);
      if (end == std::string::npos) {
        lines.push_back("<no line end>");
        break;
      }
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }
  const Lines& warnings() const { return lists.lines[kWarningsList]; }
  const Lines& errors() const { return lists.lines[kErrorsList]; }

  ConversionJob job;
  ImportWriterState state;
  MessageLists lists;

 private:
  std::FILE* importFile_;
  std::FILE* namesFile_;
};

// Characters first to last (1-based, inclusive) of a line.
std::string columns(const std::string& line, size_t first, size_t last) {
  if (line.size() < last) return "<short line>";
  return line.substr(first - 1, last - first + 1);
}

// The contact of the worked example: CQ WPX, N0CALL, 20 m CW, SRX 123, STX 45.
QsoRecord wpxContact() {
  QsoRecord record = contactRecord();
  record.band = 20;
  setField(record.mode, "CW");
  setField(record.freq, "14.025500");
  setField(record.rstSent, "599");
  setField(record.rstRcvd, "599");
  setField(record.srx, "123");
  setField(record.stx, "45");
  return record;
}

void wpxOptions(ConversionJob& job) {
  job.groupNumber = 1;
  setField(job.note, "WPX");
  job.upload = 1;
  job.includeFrequency = 1;
  job.label = 0;
  job.appendExchange = 1;
  job.appendSerial = 1;
}

// A contact with nothing but what every line needs, for the column tests.
QsoRecord plainContact() {
  QsoRecord record = contactRecord();
  record.band = 20;
  setField(record.mode, "CW");
  setField(record.srx, "1");
  return record;
}

// --- worked examples -----------------------------------------------------------------------

TEST(ImportRecordLayout, WorkedExampleKolvex8) {
  WriterRun run(ContestKind::CqWpx, ImportFormat::Kolvex8);
  ASSERT_TRUE(run.ready());
  wpxOptions(run.job);
  EXPECT_EQ(run.write(wpxContact()), 1);
  EXPECT_EQ(run.importText(),
            "20120325143000N0CALL       20CW    599599123        N         N                 "
            "           1           NN            YN         14025.50--    ------  "
            "NNNNNNNNNNNNNNNNNNNNNNNNNNNY        N\r\n"
            "WPX SerNr=45 \r\n");
  EXPECT_EQ(run.namesText(), "");
  EXPECT_TRUE(run.warnings().empty());
  EXPECT_TRUE(run.errors().empty());
}

TEST(ImportRecordLayout, WorkedExampleKolvex6) {
  WriterRun run(ContestKind::CqWpx, ImportFormat::Kolvex6);
  ASSERT_TRUE(run.ready());
  wpxOptions(run.job);
  EXPECT_EQ(run.write(wpxContact()), 1);
  EXPECT_EQ(run.importText(),
            "20120325143000N0CALL       20CW   599599123        N         N                   "
            "       1           NNNYNNNNNNNNNNNNNNNN            Y\r\n"
            "14,025.5KHz WPX SerNr=45 \r\n");
  EXPECT_TRUE(run.warnings().empty());
}

// --- values that do not fit ---------------------------------------------------------------

// Every line is its layout's length: a value too long for its column is cut with a warning,
// a missing or short date or time leaves blanks.
TEST(ImportRecordLayout, ValuesThatDoNotFitTheirColumns) {
  struct Case {
    ImportFormat format;
    ContestKind contest;
    void (*change)(QsoRecord&);  // what the plain contact gets
    size_t first;                // the line differs from the plain contact's from this character on
    const char* written;         // ... in these characters
    std::string warning;         // the record's first warning
    std::string second = {};     // its second warning, if any
  };
  using C = ContestKind;
  using F = ImportFormat;
  const std::string at = "N0CALL on 20120325 at 1430";
  const Case cases[] = {
      {F::Kolvex6, C::CqWpx, [](QsoRecord& r) { setField(r.mode, "OLIVIA"); }, 30, "OLIVI",
       at + ": MODE OLIVIA does not fit its 5-character column; written as OLIVI."},
      {F::Kolvex8, C::CqWpx, [](QsoRecord& r) { setField(r.mode, "MFSK"), setField(r.submode, "CONT\xC3\x89STI"); }, 30,
       "CONTES", at + ": MODE CONT\xC3\x89STI holds characters outside ASCII; written as CONTESTI.",
       at + ": MODE CONT\xC3\x89STI does not fit its 6-character column; written as CONTES."},
      {F::Kolvex8, C::CqWpx, [](QsoRecord& r) { setField(r.call, "VP2V/N0CALL/P"); }, 15, "VP2V/N0CALL/",
       "VP2V/N0CALL/P on 20120325 at 1430: CALL VP2V/N0CALL/P does not fit its 12-character column; written as "
       "VP2V/N0CALL/."},
      {F::Kolvex8, C::CqWpx, [](QsoRecord& r) { setField(r.call, "WA9WFD 2O CT"); }, 15, "WA9WFD      ",
       "WA9WFD 2O CT on 20120325 at 1430: CALL WA9WFD 2O CT holds more than a callsign; written as WA9WFD."},
      {F::Kolvex6, C::CqWpx, [](QsoRecord& r) { setField(r.call, "KX8JK|7O|CT"); }, 15, "KX8JK       ",
       "KX8JK|7O|CT on 20120325 at 1430: CALL KX8JK|7O|CT holds more than a callsign; written as KX8JK."},
      {F::Kolvex8, C::CqWpx, [](QsoRecord& r) { setField(r.rstSent, "-143"); }, 36, "-14",
       at + ": RST_SENT -143 does not fit its 3-character column; written as -14."},
      {F::Kolvex8, C::SpDx, [](QsoRecord& r) { setField(r.exchange1, u8"ŁódźW"); }, 42, "Lodz",
       at + u8": EXCHANGE ŁódźW holds characters outside ASCII; written as LodzW.",
       at + ": truncating exchange LodzW to Lodz."},
      {F::Kolvex6, C::SpDx, [](QsoRecord& r) { setField(r.exchange1, u8"Oñati"); }, 41, "Onat",
       at + u8": EXCHANGE Oñati holds characters outside ASCII; written as Onati.",
       at + ": truncating exchange Onati to Onat."},
      {F::Kolvex8, C::CqWw, [](QsoRecord& r) { setField(r.srx, "0123"); }, 42, "0123     12",
       at + ": ZONE 0123 does not fit its 2-character column; written as 12."},
      {F::Kolvex8, C::CqWpx, [](QsoRecord& r) { setField(r.bandText, "2190M"), r.band = 2190; }, 27, "  0",
       at + ": BAND 2190M does not fit its 3-character column; the band column shows 0."},
      {F::Kolvex8, C::CqWpx, [](QsoRecord& r) { setField(r.timeOn, ""), setField(r.timeOff, "1502"); }, 9, "150200",
       "N0CALL on 20120325 at 1502: TIME_ON is missing; the time column shows TIME_OFF."},
      {F::Kolvex8, C::CqWpx, [](QsoRecord& r) { setField(r.timeOn, "14301"); }, 9, "14301 ",
       "N0CALL on 20120325 at 14301: TIME_ON 14301 is too short for its 6-character column."},
      {F::Kolvex6, C::CqWpx, [](QsoRecord& r) { setField(r.qsoDate, ""); }, 1, "        ",
       "N0CALL on  at 1430: QSO_DATE is missing; the date column is blank."},
  };
  for (const Case& c : cases) {
    WriterRun plain(c.contest, c.format), run(c.contest, c.format);
    ASSERT_TRUE(plain.ready() && run.ready());
    QsoRecord record = plainContact();
    setField(record.bandText, "20M");
    plain.write(record);
    c.change(record);
    run.write(record);
    std::string expected = plain.importLines().at(0);
    expected.replace(c.first - 1, characterCount(c.written), c.written);
    EXPECT_EQ(run.importLines().at(0), expected) << c.written;
    EXPECT_EQ(run.warnings(), c.second.empty() ? Lines{c.warning} : (Lines{c.warning, c.second}));
  }
}

// --- band ----------------------------------------------------------------------------------

TEST(BandDerivation, NoticeOncePerRunAndErrorsPerRecord) {
  WriterRun run(ContestKind::CqWpx);
  ASSERT_TRUE(run.ready());
  QsoRecord record = plainContact();
  record.band = 0;
  setField(record.freq, "14.0255");
  run.write(record);
  run.write(record);
  setField(record.freq, "10.160");
  run.write(record);
  setField(record.freq, "14.351");
  run.write(record);
  setField(record.freq, "14.350");
  run.write(record);
  const Lines lines = run.importLines();
  ASSERT_EQ(lines.size(), 10u);
  const char* bands[] = {" 20", " 20", "  0", "  0", " 20"};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(columns(lines[2 * i], 27, 29), bands[i]) << i;
  EXPECT_EQ(run.warnings(), Lines{"BAND field is missing, determining band from frequency."});
  EXPECT_EQ(run.errors(),
            (Lines{"Can't determine band from FREQ = 10.160", "Can't determine band from FREQ = 14.351"}));
  EXPECT_TRUE(run.state.notices.band);
}

TEST(BandDerivation, NoBandAndNoFrequency) {
  WriterRun run(ContestKind::CqWpx);
  ASSERT_TRUE(run.ready());
  QsoRecord record = plainContact();
  record.band = 0;
  run.write(record);
  run.write(record);
  setField(record.freq, "7.010");
  run.write(record);  // the notice is not given once the run has had the error
  const Lines lines = run.importLines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(columns(lines[0], 27, 29), "  0");
  EXPECT_EQ(columns(lines[4], 27, 29), " 40");
  const std::string noBand = "ADIF file does not have a BAND or FREQ field, can't determine band.";
  EXPECT_EQ(run.errors(), (Lines{noBand, noBand}));
  EXPECT_TRUE(run.warnings().empty());
}

TEST(BandDerivation, AGivenBandIsUsedAsItIs) {
  WriterRun run(ContestKind::CqWpx);
  ASSERT_TRUE(run.ready());
  QsoRecord record = plainContact();
  record.band = 30;
  setField(record.bandText, "30M");
  setField(record.freq, "14.025");
  run.write(record);
  EXPECT_EQ(columns(run.importLines()[0], 27, 29), " 30");
  EXPECT_EQ(run.warnings(),
            Lines{"N0CALL on 20120325 at 1430: FREQ 14.025 is not in the 30M band; the band column follows BAND."});
  EXPECT_TRUE(run.errors().empty());
}

// --- mode and reports ----------------------------------------------------------------------

TEST(ModeAndReports, DefaultReportsDependOnExactPhoneModes) {
  struct Case {
    const char* mode;
    const char* sent;
    const char* received;
    const char* columns;  // 30-41 in KOLVEX8: mode and both reports
  };
  const Case cases[] = {
      {"SSB", "", "", "SSB   59 59 "},      {"USB", "", "", "USB   59 59 "},
      {"FM", "", "", "FM    59 59 "},       {"AM", "", "", "AM    59 59 "},
      {"LSB", "", "", "LSB   59 59 "},      {"usb", "", "", "usb   599599"},
      {"CW", "", "", "CW    599599"},       {"SSB", "57", "", "SSB   57 59 "},
      {"CW", "", "579", "CW    599579"},    {"ssb", "", "", "ssb   599599"},
      {"CW", "5NN", "5nt", "CW    599590"}, {"FT8", "+00", "-00", "FT8   0  0  "},
      {"FT8", "0", "S9", "FT8   0  599"},   {"DIGITALVOICE", "", "", "DIGITA59 59 "},
  };
  for (const Case& c : cases) {
    WriterRun run(ContestKind::CqWpx);
    ASSERT_TRUE(run.ready());
    QsoRecord record = plainContact();
    setField(record.mode, c.mode);
    setField(record.rstSent, c.sent);
    setField(record.rstRcvd, c.received);
    run.write(record);
    EXPECT_EQ(columns(run.importLines()[0], 30, 41), c.columns) << c.mode;
  }
}

TEST(ModeAndReports, RttyRoundUpWritesRttyOrPsk31) {
  struct Case {
    const char* mode;
    const char* dgtl;
    const char* written;
  };
  const Case cases[] = {
      {"RTTY", "BPSK", "PSK31 "}, {"CW", "", "RTTY  "}, {"PSK", "QPSK", "RTTY  "}, {"SSB", "bpsk", "RTTY  "}};
  for (const Case& c : cases) {
    WriterRun run(ContestKind::ArrlRttyRoundUp);
    ASSERT_TRUE(run.ready());
    QsoRecord record = plainContact();
    setField(record.mode, c.mode);
    setField(record.dgtl, c.dgtl);
    run.write(record);
    EXPECT_EQ(columns(run.importLines()[0], 30, 41), std::string(c.written) + "599599") << c.dgtl;
  }
}

TEST(ModeAndReports, MfskAndPskAreShownByTheirSubmode) {
  struct Case {
    ContestKind contest;
    const char* mode;
    const char* submode;
    const char* columns;  // 30-41 in KOLVEX8: mode and both reports
  };
  const Case cases[] = {
      {ContestKind::CqWpx, "MFSK", "FT4", "FT4   599599"},
      {ContestKind::CqWpx, "MFSK", "", "MFSK  599599"},
      {ContestKind::CqWpx, "MFSK", "SSB", "SSB   59 59 "},  // the report defaults follow it
      {ContestKind::CqWpx, "mfsk", "FT4", "mfsk  599599"},
      {ContestKind::CqWpx, "FT8", "FT4", "FT8   599599"},
      {ContestKind::ArrlRttyRoundUp, "MFSK", "FT4", "RTTY  599599"},
      {ContestKind::CqWpx, "PSK", "PSK63", "PSK63 599599"},
      {ContestKind::CqWpx, "PSK", "", "PSK   599599"},
  };
  for (const Case& c : cases) {
    WriterRun run(c.contest);
    ASSERT_TRUE(run.ready());
    QsoRecord record = plainContact();
    setField(record.mode, c.mode);
    setField(record.submode, c.submode);
    run.write(record);
    EXPECT_EQ(columns(run.importLines()[0], 30, 41), c.columns) << c.mode << "/" << c.submode;
  }
}

// --- exchange, zone, state, county and award columns ---------------------------------------

TEST(ExchangeColumn, MissingShortAndTruncatedExchanges) {
  WriterRun run(ContestKind::HaDx);
  ASSERT_TRUE(run.ready());
  QsoRecord record = plainContact();
  setField(record.srx, "");
  run.write(record);
  setField(record.exchange1, "BP");
  run.write(record);
  setField(record.exchange1, "ABCD");
  run.write(record);
  setField(record.exchange1, "ABCDEFG");
  run.write(record);
  const Lines lines = run.importLines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(columns(lines[0], 42, 50), "         ");
  EXPECT_EQ(columns(lines[2], 42, 50), "BP       ");
  EXPECT_EQ(columns(lines[4], 42, 50), "ABCD     ");
  EXPECT_EQ(columns(lines[6], 42, 50), "ABCD     ");
  EXPECT_EQ(columns(lines[6], 106, 117), "WHAPABCDEFG ");
  EXPECT_EQ(run.warnings(), (Lines{"N0CALL on 20120325 at 1430 is missing received data.",
                                   "N0CALL on 20120325 at 1430: truncating exchange ABCDEFG to ABCD."}));
}

TEST(ExchangeColumn, ZeroPaddedNumbersLoseTheirPaddingBeforeTheyAreCut) {
  struct Case {
    const char* exchange;
    const char* column;  // 42-45
    const char* award;   // 106-117: the award check sees the exchange as logged
    const char* cut;     // the truncation warning's value and column, or ""
  };
  const Case cases[] = {
      {"00100", "100 ", "FDEP00100   ", ""},
      {"0012", "0012", "FDEP0012    ", ""},
      {"00000", "0   ", "            ", ""},
      {"0012345", "1234", "FDEP0012345 ", "12345 to 1234."},
      {"0A123", "0A12", "            ", "0A123 to 0A12."},
  };
  for (const Case& c : cases) {
    WriterRun run(ContestKind::Ref);
    ASSERT_TRUE(run.ready());
    QsoRecord record = plainContact();
    setField(record.exchange1, c.exchange);
    run.write(record);
    const std::string line = run.importLines()[0];
    EXPECT_EQ(columns(line, 42, 45) + columns(line, 106, 117), std::string(c.column) + c.award);
    const std::string cut = std::string("N0CALL on 20120325 at 1430: truncating exchange ") + c.cut;
    EXPECT_EQ(run.warnings(), c.cut[0] == '\0' ? Lines{} : Lines{cut}) << c.exchange;
  }
}

TEST(ExchangeColumn, ZoneLabelStateAndCountyColumns) {
  WriterRun run(ContestKind::CqWw);
  ASSERT_TRUE(run.ready());
  run.job.label = 1;
  QsoRecord record = plainContact();
  setField(record.mode, "RTTY");
  setField(record.state, "MA");
  setField(record.cqz, "5");
  run.write(record);
  const std::string line = run.importLines()[0];
  // Exchange, five blanks, zone, label, nine blanks and N; then state and an empty county.
  EXPECT_EQ(columns(line, 42, 63),
            "MA  "
            "     "
            " 5"
            "Y"
            "         "
            "N");
  EXPECT_EQ(columns(line, 64, 87), "MA" + std::string(22, ' '));
}

TEST(ExchangeColumn, StateQsoPartyCountyColumn) {
  WriterRun run(ContestKind::StateQsoParty);
  ASSERT_TRUE(run.ready());
  run.job.stateNumber = 1;  // Alabama
  QsoRecord record = plainContact();
  setField(record.exchange1, "AUTA");
  run.write(record);
  const std::string line = run.importLines()[0];
  EXPECT_EQ(columns(line, 64, 92),
            "AL"
            "Autauga" +
                std::string(15, ' ') + "    0");
}

TEST(ExchangeColumn, FieldDayClassAndSections) {
  struct Case {
    const char* exchange1;
    const char* contestClass;
    const char* arrlSect;
    const char* columns;  // 42-45 exchange, 64-65 state, then the note line
    const char* warning;  // after the contact's callsign, date and time
  };
  const Case cases[] = {
      {"2A", "3A", "EMA", "2A  MA #2A EMA", ""},
      {"", "3A", "EMA", "3A  MA #3A EMA", ""},
      {"", "", "EMA", "    MA # EMA", " is missing received data."},
      {"", "13A", "ONE", "13A    #13A ONE", ""},
      {"", "1D", "DX", "1D     #1D DX", ""},
      {"", "1D", "dx", "1D     #1D dx", " in dx is not a valid ARRL section."},
  };
  for (const Case& c : cases) {
    WriterRun run(ContestKind::ArrlFieldDay);
    ASSERT_TRUE(run.ready());
    run.job.appendExchange = 1;
    QsoRecord record = plainContact();
    setField(record.exchange1, c.exchange1);
    setField(record.contestClass, c.contestClass);
    setField(record.arrlSect, c.arrlSect);
    run.write(record);
    const Lines lines = run.importLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(columns(lines[0], 42, 45) + columns(lines[0], 64, 65) + " " + lines[1], c.columns);
    const std::string warning = std::string("N0CALL on 20120325 at 1430") + c.warning;
    EXPECT_EQ(run.warnings(), c.warning[0] == '\0' ? Lines{} : Lines{warning}) << c.arrlSect;
  }
}

TEST(ExchangeColumn, MessagesComeInStepOrder) {
  WriterRun run(ContestKind::Arrl10);
  ASSERT_TRUE(run.ready());
  QsoRecord record = plainContact();
  record.band = 0;
  setField(record.freq, "28.4");
  setField(record.exchange1, "WXYZQ");
  setField(record.mode, "MFSK");
  setField(record.submode, "CONTESTI");
  run.write(record);
  EXPECT_EQ(run.warnings(),
            (Lines{"BAND field is missing, determining band from frequency.",
                   "N0CALL on 20120325 at 1430: MODE CONTESTI does not fit its 6-character column; written as CONTES.",
                   "N0CALL on 20120325 at 1430: truncating exchange WXYZQ to WXYZ.",
                   "N0CALL on 20120325 at 1430 in WXYZQ is not a valid US state."}));
}

TEST(ExchangeColumn, AwardColumnAndAWideAwardCut) {
  WriterRun run(ContestKind::WorkedAllGermany, ImportFormat::Kolvex6);
  ASSERT_TRUE(run.ready());
  QsoRecord record = plainContact();
  setField(record.exchange1, "B01");
  run.write(record);
  setField(record.exchange1, "ABCDEFGHIJ");
  run.write(record);
  const Lines lines = run.importLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(columns(lines[0], 121, 133), "DOK B01     Y");
  EXPECT_EQ(columns(lines[2], 121, 133), "DOK ABCDEFGHY");
  EXPECT_EQ(
      run.warnings().back(),
      "N0CALL on 20120325 at 1430: AWARD ABCDEFGHIJ does not fit its 12-character column; written as DOK ABCDEFGH.");
}

TEST(GridAndIota, IotaTakesFivePositions) {
  struct Case {
    const char* iota;
    const char* written;
  };
  const Case cases[] = {{"EU-005", "EU005"}, {"", "     "},  {"EU-5", "EU5  "},
                        {"EU", "EU   "},     {"E", "E    "}, {"OC-1234", "OC123"}};
  for (const Case& c : cases) {
    WriterRun run(ContestKind::Iota);
    ASSERT_TRUE(run.ready());
    QsoRecord record = plainContact();
    setField(record.grid, "JN47");
    setField(record.iota, c.iota);
    run.write(record);
    const std::string line = run.importLines()[0];
    EXPECT_EQ(columns(line, 88, 105), std::string("    0JN47  ") + c.written + "NN") << c.iota;
  }
}

// Only a locator fills the grid column; a longer one keeps its square.
TEST(GridAndIota, GridColumnHoldsLocatorsOnly) {
  const char* const cases[][3] = {
      {"FN42", "FN42  EU005", ""},       {"FN42AA", "FN42AAEU005", ""},
      {"IO64MW12", "IO64MWEU005", ""},   {" fn31pr ", "fn31prEU005", ""},
      {"", "      EU005", ""},           {"IO64MW1", "      EU005", "IO64MW1"},
      {"IN2dp", "      EU005", "IN2dp"}, {"FN31ZZ", "      EU005", "FN31ZZ"},
  };
  for (const auto& c : cases) {
    WriterRun run(ContestKind::Iota);
    ASSERT_TRUE(run.ready());
    QsoRecord record = plainContact();
    setField(record.grid, c[0]);
    setField(record.iota, "EU-005");
    run.write(record);
    const std::string line = run.importLines()[0];
    EXPECT_EQ(columns(line, 93, 103), c[1]) << c[0];
    const std::string warning =
        formatText("N0CALL on 20120325 at 1430: GRIDSQUARE %s is not a locator; the grid column is blank.", c[2]);
    EXPECT_EQ(run.warnings(), c[2][0] == '\0' ? Lines{} : Lines{warning}) << c[0];
  }
}

TEST(GroupColumn, WidthDependsOnTheFormat) {
  WriterRun six(ContestKind::CqWpx, ImportFormat::Kolvex6);
  WriterRun eight(ContestKind::CqWpx, ImportFormat::Kolvex8);
  ASSERT_TRUE(six.ready() && eight.ready());
  six.job.groupNumber = 253;
  eight.job.groupNumber = 65533;
  six.write(plainContact());
  eight.write(plainContact());
  EXPECT_EQ(columns(six.importLines()[0], 87, 89), "253");
  EXPECT_EQ(columns(eight.importLines()[0], 88, 92), "65533");
}

TEST(FlagColumns, UploadAndLabelMarks) {
  WriterRun run(ContestKind::CqWpx);
  ASSERT_TRUE(run.ready());
  run.job.upload = 0;
  run.job.label = 1;
  run.write(plainContact());
  const std::string line = run.importLines()[0];
  EXPECT_EQ(columns(line, 53, 53), "Y");
  EXPECT_EQ(columns(line, 118, 127), "NN        ");
  EXPECT_EQ(columns(line, 178, 187), "N        N");
}

// --- frequency -----------------------------------------------------------------------------

TEST(FrequencyItems, Kolvex8ColumnAndReceiveItem) {
  struct Case {
    int32_t include;
    const char* freq;
    const char* freqRx;
    const char* column;
    const char* note;
  };
  const Case cases[] = {
      {1, "14.025", "14.0250", " 14025.00", "Rx=14,025KHz"},
      {1, "14.025", "14.025", " 14025.00", ""},
      {1, "14.0255", "", " 14025.50", ""},
      {1, "14.025", "14.030", " 14025.00", "Rx=14,030KHz"},
      {1, "14.025", "14030", " 14025.00", ""},  // no separator: no kHz text
      {1, "", "14.030", "         ", "Rx=14,030KHz"},
      {0, "14.025", "14.030", "         ", ""},
      {1, "1.8305", "", "  1830.50", ""},
      {1, "1.4025e1", "", " 14025.00", ""},
      {1, "inf", "", "     0.00", ""},  // hex forms, inf and nan are no numbers
      {1, "NAN", "", "     0.00", ""},
      {1, "0x1C", "", "     0.00", ""},
      {1, "1e306", "", "     0.00", ""},  // beyond any kHz value
  };
  for (const Case& c : cases) {
    WriterRun run(ContestKind::ArrlVhf);
    ASSERT_TRUE(run.ready());
    run.job.includeFrequency = c.include;
    QsoRecord record = plainContact();
    setField(record.freq, c.freq);
    setField(record.freqRx, c.freqRx);
    run.write(record);
    const Lines lines = run.importLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(columns(lines[0], 128, 136), c.column) << c.freq << "/" << c.freqRx;
    EXPECT_EQ(lines[1], c.note) << c.freq << "/" << c.freqRx;
  }
}

TEST(FrequencyItems, Kolvex6NoteItem) {
  struct Case {
    int32_t include;
    const char* freq;
    const char* freqRx;
    const char* note;
  };
  const Case cases[] = {
      {1, "14.025", "14.0250", "14,025KHz"},
      {1, "14.025", "14.030", "14,030/14,025KHz"},
      {1, "14.025", "", "14,025KHz"},
      {1, "14025", "14030", "14,030/14,025KHz"},  // kHz on a 20 m record
      {1, "", "14.030", ""},
      {0, "14.025", "14.030", ""},
      {1, "3.5", "", "3,500KHz"},
  };
  for (const Case& c : cases) {
    WriterRun run(ContestKind::ArrlVhf, ImportFormat::Kolvex6);
    ASSERT_TRUE(run.ready());
    run.job.includeFrequency = c.include;
    QsoRecord record = plainContact();
    setField(record.freq, c.freq);
    setField(record.freqRx, c.freqRx);
    run.write(record);
    const Lines lines = run.importLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], c.note) << c.freq << "/" << c.freqRx;
  }
}

// --- note line -----------------------------------------------------------------------------

TEST(NoteLine, ItemsAndTheirBlanks) {
  struct Case {
    ContestKind contest;
    const char* note;
    int32_t append;
    const char* stx;
    const char* written;
  };
  using C = ContestKind;
  const Case cases[] = {
      {C::CqWpx, "WPX", 1, "45", "WPX SerNr=45 "},
      {C::CqWpx, "WPX", 1, "0", "WPX "},
      {C::CqWpx, "WPX", 1, "", "WPX "},
      {C::CqWpx, "", 1, "45", "SerNr=45 "},
      {C::CqWpx, "", 1, "", ""},
      {C::CqWpx, "WPX", 0, "45", "WPX"},
      {C::CqWpx, "", 0, "45", ""},
      {C::ArrlVhf, "VHF", 1, "45", "VHF "},  // no serial in this contest
      {C::ArrlVhf, "", 1, "45", ""},
  };
  for (const Case& c : cases) {
    WriterRun run(c.contest, ImportFormat::Kolvex8);
    ASSERT_TRUE(run.ready());
    setField(run.job.note, c.note);
    run.job.appendExchange = c.append;
    run.job.appendSerial = c.append;
    QsoRecord record = plainContact();
    setField(record.stx, c.stx);
    run.write(record);
    const Lines lines = run.importLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], c.written) << c.note << "/" << c.stx;
  }
}

TEST(NoteLine, FieldDayAndSweepstakesExchangeItems) {
  WriterRun fieldDay(ContestKind::ArrlFieldDay);
  WriterRun sweepstakes(ContestKind::ArrlSweepstakes);
  ASSERT_TRUE(fieldDay.ready() && sweepstakes.ready());
  for (WriterRun* run : {&fieldDay, &sweepstakes}) {
    run->job.appendExchange = 1;
    run->job.appendSerial = 1;
  }
  QsoRecord record = plainContact();
  setField(record.arrlSect, "EMA");
  setField(record.exchange1, "2A");
  fieldDay.write(record);
  setField(record.exchange1, "");
  fieldDay.write(record);
  setField(fieldDay.job.note, "FD");
  fieldDay.write(record);
  const Lines fd = fieldDay.importLines();
  ASSERT_EQ(fd.size(), 6u);
  EXPECT_EQ(fd[1], "#2A EMA");
  EXPECT_EQ(fd[3], "# EMA");
  EXPECT_EQ(fd[5], "FD # EMA");

  setField(record.srx, "123");
  setField(record.stx, "7");
  record.prec = 'A';
  record.check = 5;
  sweepstakes.write(record);
  record.prec = '\0';
  record.check = 72;
  sweepstakes.write(record);
  const Lines ss = sweepstakes.importLines();
  ASSERT_EQ(ss.size(), 4u);
  EXPECT_EQ(ss[1], "SerNr=7 #123 A 05 EMA");
  EXPECT_EQ(ss[3], "SerNr=7 #123   72 EMA");
  EXPECT_EQ(sweepstakes.importText().find('\0'), std::string::npos);
}

TEST(NoteLine, Kolvex6AllItems) {
  WriterRun run(ContestKind::CqWpx, ImportFormat::Kolvex6);
  ASSERT_TRUE(run.ready());
  setField(run.job.note, "Note text");
  run.job.appendExchange = 1;
  run.job.appendSerial = 1;
  QsoRecord record = plainContact();
  setField(record.freq, "7.0255");
  setField(record.freqRx, "7.1");
  setField(record.stx, "0012");
  run.write(record);
  EXPECT_EQ(run.importLines()[1], "7,100/7,025.5KHz Note text SerNr=0012 ");
}

// --- names file ----------------------------------------------------------------------------

TEST(NamesFile, Kolvex6AndKolvex8Entries) {
  WriterRun six(ContestKind::Naqp, ImportFormat::Kolvex6);
  WriterRun eight(ContestKind::Naqp, ImportFormat::Kolvex8);
  ASSERT_TRUE(six.ready() && eight.ready());
  QsoRecord record = plainContact();
  setField(record.name, "JOHN");
  six.write(record);
  eight.write(record);
  EXPECT_EQ(six.namesText(), "N0CALL,John\r\n");
  EXPECT_EQ(eight.namesText(), "N0CALL,\r\nJohn\r\n\r\n");
  EXPECT_EQ(six.state.namesWritten(), 1);
  EXPECT_EQ(eight.state.namesWritten(), 1);
}

TEST(NamesFile, EachPairOncePerRun) {
  WriterRun run(ContestKind::Naqp, ImportFormat::Kolvex6);
  ASSERT_TRUE(run.ready());
  QsoRecord record = plainContact();
  const struct {
    const char* call;
    const char* name;
  } contacts[] = {{"N0CALL", "JOHN"},     {"N0CALL", "JOHN"}, {"N0CALL", "BILL"},
                  {"N0CALL", "John"},     {"N9CALL", "JOHN"}, {"N0CALL", "john"},
                  {"N0CALL", "MCDONALD"}, {"N0CALL", ""},     {"N0CALL", ""}};
  for (const auto& c : contacts) {
    setField(record.call, c.call);
    setField(record.name, c.name);
    EXPECT_EQ(run.write(record), 1);
  }
  EXPECT_EQ(run.namesText(),
            "N0CALL,John\r\nN0CALL,Bill\r\nN0CALL,John\r\nN9CALL,John\r\nN0CALL,john\r\n"
            "N0CALL,Mcdonald\r\nN0CALL,\r\n");
  EXPECT_EQ(run.state.namesWritten(), 7);

  // A new run starts with an empty set and counts only its own names.
  resetImportWriter(run.state);
  setField(record.name, "JOHN");
  run.write(record);
  EXPECT_EQ(run.state.namesWritten(), 1);
}

TEST(NamesFile, OnlyNameContestsWriteNames) {
  WriterRun wpx(ContestKind::CqWpx);
  WriterRun cwOpen(ContestKind::CwOpen);
  ASSERT_TRUE(wpx.ready() && cwOpen.ready());
  QsoRecord record = plainContact();
  setField(record.name, "JOHN");
  wpx.write(record);
  EXPECT_EQ(wpx.namesText(), "");
  setField(record.rxExch, "123 JOE");
  cwOpen.write(record);
  setField(record.rxExch, "123");
  cwOpen.write(record);
  EXPECT_EQ(cwOpen.namesText(), "N0CALL,\r\nJoe\r\n\r\n");
}

TEST(ResetImportWriter, ForgetsTheBandNotice) {
  WriterRun run(ContestKind::CqWpx);
  ASSERT_TRUE(run.ready());
  QsoRecord record = plainContact();
  record.band = 0;
  setField(record.freq, "21.1");
  run.write(record);
  resetImportWriter(run.state);
  run.write(record);
  EXPECT_EQ(run.warnings(), (Lines{"BAND field is missing, determining band from frequency.",
                                   "BAND field is missing, determining band from frequency."}));
}

}  // namespace
