#include "core/adif_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/test_input.h"

namespace {

const char kHeader[] = "Test log\n<ADIF_VER:5>3.1.0\n<EOH>\n";

// What the reader makes of a whole log: its records in order and what it found out about it.
struct ReadLog {
  std::vector<QsoRecord> records;  // every record returned, in order
  bool headerless;                 // the log was read from its first line
  bool headerMissing;              // no end-of-header and not headerless
  bool recordUnfinished;           // stored values after the last end-of-record tag
  int readError;                   // errno of a failed read
};

ReadLog readLog(std::FILE* file) {
  ConversionJob job;
  AdifInput input(file);
  ReadLog log{};
  QsoRecord record{};
  while (readQsoRecord(input, record, job) == 1) {
    log.records.push_back(record);
    record = QsoRecord{};
  }
  log.headerless = input.headerless;
  log.headerMissing = input.headerMissing;
  log.recordUnfinished = input.recordUnfinished;
  log.readError = input.lines.readError();
  return log;
}

ReadLog readLog(const std::string& bytes) { return readLog(streamOf(bytes).get()); }

std::vector<QsoRecord> readAll(const std::string& bytes) { return readLog(bytes).records; }

QsoRecord readOne(const std::string& body) {
  std::vector<QsoRecord> records = readAll(kHeader + body);
  EXPECT_EQ(records.size(), 1u);
  return records.empty() ? QsoRecord{} : records[0];
}

TEST(ReaderHeader, AcceptsExactlyTheThreeEndOfHeaderForms) {
  EXPECT_EQ(readAll("x<EOH>\n<CALL:2>AB<EOR>\n").size(), 1u);
  EXPECT_EQ(readAll("x<eoh>\n<CALL:2>AB<EOR>\n").size(), 1u);
  EXPECT_EQ(readAll("x<Eoh>\n<CALL:2>AB<EOR>\n").size(), 1u);
  EXPECT_EQ(readAll("x<EoH>\n<CALL:2>AB<EOR>\n").size(), 0u);
  EXPECT_EQ(readAll("x<eOH>\n<CALL:2>AB<EOR>\n").size(), 0u);
}

TEST(ReaderHeader, LogWithoutEndOfHeaderIsReadFromItsStartWhenATagComesFirst) {
  struct Case {
    const char* log;
    size_t records;
    bool headerless;
    bool headerMissing;
  };
  const Case cases[] = {
      {"<CALL:2>AB<EOR>\n<CALL:6>N9CALL<EOR>\n", 2, true, false},
      {" \t\r\n\n\r\n<CALL:2>AB<EOR>", 1, true, false},
      {"<CALL:2>AB", 0, true, false},
      {"\xEF\xBB\xBF<CALL:2>AB<EOR>\n", 0, false, true},  // a byte-order mark is not skipped
      {"", 0, false, true},
      {" \n\t\r\n", 0, false, true},
      {"\f<CALL:2>AB<EOR>\n", 0, false, true},
      {"Log\n<CALL:2>AB<EOR>\n", 0, false, true},
      {"x<EoH>\n<CALL:2>AB<EOR>\n", 0, false, true},
      // A header of tags closed by an end-of-header tag is a header as any other.
      {"<ADIF_VER:5>3.1.0 <CALL:2>HD<EOR>\n<EOH>\n<CALL:2>AB<EOR>\n", 1, false, false},
  };
  for (const Case& c : cases) {
    const ReadLog log = readLog(c.log);
    EXPECT_EQ(log.records.size(), c.records) << c.log;
    EXPECT_EQ(log.headerless, c.headerless) << c.log;
    EXPECT_EQ(log.headerMissing, c.headerMissing) << c.log;
    if (!log.records.empty()) {
      EXPECT_STREQ(log.records[0].call, "AB") << c.log;
    }
  }
}

TEST(ReaderHeader, TextAfterEndOfHeaderIsRecordText) {
  EXPECT_STREQ(readAll("<EOH><CALL:6>N0CALL<EOR>\n").at(0).call, "N0CALL");
  std::vector<QsoRecord> records = readAll("hdr <eoh> <CALL:2>AB <MODE:2>CW\n<EOR><CALL:2>CD<EOR>\n");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_STREQ(records[0].call, "AB");
  EXPECT_STREQ(records[0].mode, "CW");
  EXPECT_STREQ(records[1].call, "CD");
  // Only the first end-of-header tag of the line ends the header.
  EXPECT_STREQ(readAll("<Eoh><CALL:2>AB<EOH><EOR>\n").at(0).call, "AB");
}

TEST(ReaderHeader, HeaderTagsBeforeEndOfHeaderAreNotStored) {
  QsoRecord record = readOne("<EOR>\n");
  EXPECT_STREQ(record.call, "");
  std::vector<QsoRecord> records = readAll("<CALL:4>HEAD\n<EOH>\n<EOR>\n");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_STREQ(records[0].call, "");
}

TEST(ReaderTags, TagNamesMatchInAnyCaseValuesKeepTheirCase) {
  EXPECT_STREQ(readOne("<call:6>n0call<EOR>\n").call, "n0call");
  EXPECT_STREQ(readOne("<Call:6>N0CALL<eor>\n").call, "N0CALL");
}

TEST(ReaderTags, DataTypeIndicatorIsNotPartOfTheLength) {
  EXPECT_STREQ(readOne("<QSO_DATE:8:D>20120101<EOR>\n").qsoDate, "20120101");
  EXPECT_STREQ(readOne("<QSO_DATE:8>20120101<EOR>\n").qsoDate, "20120101");
  EXPECT_STREQ(readOne("<freq:6:N>14.025<EOR>\n").freq, "14.025");
}

TEST(ReaderTags, LengthGovernsTheValueAndTheRestIsTextBetweenTags) {
  QsoRecord record = readOne("<CALL:3>N0CALL <MODE:2>CW<EOR>\n");
  EXPECT_STREQ(record.call, "N0C");
  EXPECT_STREQ(record.mode, "CW");
}

TEST(ReaderTags, ValueMayHoldAngleBracketsCoveredByItsLength) {
  QsoRecord record = readOne("<NAME:9>A<CALL:1>B<CALL:2>OK<EOR>\n");
  EXPECT_STREQ(record.name, "A<CALL:1>");
  EXPECT_STREQ(record.call, "OK");
}

TEST(ReaderTags, UnknownTagsAreSkippedByTheirLength) {
  QsoRecord record = readOne("<COMMENT:12>has <CALL:1>X<CALL:5>K1ABC<APP_X_Y:0><EOR>\n");
  EXPECT_STREQ(record.call, "K1ABC");
}

TEST(ReaderTags, EveryTagNameReachesItsField) {
  QsoRecord r = readOne(
      "<AGE:2>42<ARRL_SECT:3>EMA<BAND:3>20M<CALL:5>K1ABC<CHECK:2>71<CNTY:3>MID<CQZ:1>5"
      "<DGTL:4>BPSK<DOK:3>B01<FREQ:6>14.025<FREQ_RX:6>14.030<GRID:4>FN42<IOTA:6>EU-005"
      "<ITUZ:1>8<MODE:2>CW<NAME:4>JOHN<PREC:1>A<PREF:2>K1<QSO_DATE:8>20120325<QTH:2>MA"
      "<RCVD:3>MID<RST_RCVD:3>579<RST_SENT:3>599<RX_EXCH:8>123 JOHN<RX_PWR:2>KW<SECTION:3>EMA"
      "<SRX:3>123<STX:2>45<STATE:2>MA<TIME_ON:4>1430<VE_PROV:2>ON<APP_N1MM_EXCHANGE1:3>EX1"
      "<APP_N1MM_HQ:4>ARRL<APP_WRITELOG_PROV:2>BR<APP_WRITELOG_TIME:4>1200"
      "<APP_WRITELOG_YEAR:2>85<APP_WRITELOG_ZONE:2>08<CLASS:2>2A<SUBMODE:3>FT4<EOR>\n");
  EXPECT_STREQ(r.age, "42");
  EXPECT_STREQ(r.arrlSect, "EMA");
  EXPECT_EQ(r.band, 20);
  EXPECT_STREQ(r.call, "K1ABC");
  EXPECT_EQ(r.check, 71);
  EXPECT_STREQ(r.cnty, "MID");
  EXPECT_STREQ(r.cqz, "5");
  EXPECT_STREQ(r.dgtl, "BPSK");
  EXPECT_STREQ(r.dok, "B01");
  EXPECT_STREQ(r.freq, "14.025");
  EXPECT_STREQ(r.freqRx, "14.030");
  EXPECT_STREQ(r.grid, "FN42");
  EXPECT_STREQ(r.iota, "EU-005");
  EXPECT_STREQ(r.ituz, "8");
  EXPECT_STREQ(r.mode, "CW");
  EXPECT_STREQ(r.name, "JOHN");
  EXPECT_EQ(r.prec, 'A');
  EXPECT_STREQ(r.pref, "K1");
  EXPECT_STREQ(r.qsoDate, "20120325");
  EXPECT_STREQ(r.qth, "MA");
  EXPECT_STREQ(r.rcvd, "MID");
  EXPECT_STREQ(r.rstRcvd, "579");
  EXPECT_STREQ(r.rstSent, "599");
  EXPECT_STREQ(r.rxExch, "123 JOHN");
  EXPECT_STREQ(r.rxPwr, "KW");
  EXPECT_STREQ(r.section, "EMA");
  EXPECT_STREQ(r.srx, "123");
  EXPECT_STREQ(r.stx, "45");
  EXPECT_STREQ(r.state, "MA");
  EXPECT_STREQ(r.timeOn, "1430");
  EXPECT_STREQ(r.veProv, "ON");
  EXPECT_STREQ(r.exchange1, "EX1");
  EXPECT_STREQ(r.hq, "ARRL");
  EXPECT_STREQ(r.prov, "BR");
  EXPECT_STREQ(r.exchTime, "1200");
  EXPECT_STREQ(r.year, "85");
  EXPECT_STREQ(r.zone, "08");
  EXPECT_STREQ(r.contestClass, "2A");
  EXPECT_STREQ(r.submode, "FT4");
}

TEST(ReaderTags, AliasTagsFillTheSameFieldAndTheLastOneWins) {
  EXPECT_STREQ(readOne("<GRID:4>FN42<GRIDSQUARE:6>FN42AA<EOR>\n").grid, "FN42AA");
  EXPECT_STREQ(readOne("<GRIDSQUARE:6>FN42AA<GRID:4>FN42<EOR>\n").grid, "FN42");
  EXPECT_STREQ(readOne("<NAME:3>ANN<NAME_SENT:3>BOB<EOR>\n").name, "BOB");
  EXPECT_STREQ(readOne("<APP_WRITELOG_FNAME:3>ANN<EOR>\n").name, "ANN");
  EXPECT_STREQ(readOne("<APP_WRITELOG_NAME:3>ANN<EOR>\n").name, "ANN");
  EXPECT_STREQ(readOne("<RCVD_QTH:2>MA<EOR>\n").rcvd, "MA");
  EXPECT_STREQ(readOne("<APP_WRITELOG_ID/SPC:2>MA<EOR>\n").rcvd, "MA");
  EXPECT_STREQ(readOne("<APP_WRITELOG_RCV:2>MA<EOR>\n").rcvd, "MA");
  EXPECT_STREQ(readOne("<APP_WRITELOG_RCVD:2>MA<EOR>\n").rcvd, "MA");
  EXPECT_STREQ(readOne("<APP_WRITELOG_CNTY:3>MID<EOR>\n").cnty, "MID");
  EXPECT_STREQ(readOne("<APP_WRITELOG_DGTL:4>BPSK<EOR>\n").dgtl, "BPSK");
  EXPECT_STREQ(readOne("<APP_WRITELOG_IOTA:6>EU-005<EOR>\n").iota, "EU-005");
  EXPECT_STREQ(readOne("<APP_WRITELOG_PREF:2>VE<EOR>\n").pref, "VE");
  EXPECT_STREQ(readOne("<APP_WRITELOG_QTH:2>ON<EOR>\n").qth, "ON");
  EXPECT_EQ(readOne("<CK:2>99<EOR>\n").check, 99);
  EXPECT_EQ(readOne("<APP_WRITELOG_CK:2>98<EOR>\n").check, 98);
  EXPECT_EQ(readOne("<PRECEDENCE:1>Q<EOR>\n").prec, 'Q');
  EXPECT_EQ(readOne("<APP_WRITELOG_P:1>U<EOR>\n").prec, 'U');
}

TEST(ReaderTags, NamesAreComparedWhole) {
  QsoRecord record = readOne("<CALLS:5>K1ABC<CAL:3>K1A<XCALL:2>K1<EOR>\n");
  EXPECT_STREQ(record.call, "");
}

TEST(ReaderStoring, IntegersTakeTheLeadingNumber) {
  EXPECT_EQ(readOne("<BAND:3>20M<EOR>\n").band, 20);
  EXPECT_EQ(readOne("<BAND:4>160M<EOR>\n").band, 160);
  EXPECT_EQ(readOne("<BAND:3>2CM<EOR>\n").band, 2);
  EXPECT_EQ(readOne("<BAND:4>70CM<EOR>\n").band, 70);
  EXPECT_EQ(readOne("<BAND:3>M20<EOR>\n").band, 0);
  EXPECT_EQ(readOne("<CALL:2>AB<EOR>\n").band, 0);
  EXPECT_EQ(readOne("<CHECK:12>999999999999<EOR>\n").check, 2147483647);
}

TEST(ReaderStoring, CharacterTakesTheFirstByteOrNone) {
  EXPECT_EQ(readOne("<PREC:1>A<EOR>\n").prec, 'A');
  EXPECT_EQ(readOne("<PREC:0><EOR>\n").prec, '\0');
  EXPECT_EQ(readOne("<PREC:1>A<PREC:0><EOR>\n").prec, '\0');
}

TEST(ReaderStoring, WordsForNothingAreReadAsEmpty) {
  const QsoRecord record =
      readOne("<GRIDSQUARE:5>FALSE<BAND:6> None <RST_RCVD:4>null<FREQ:3>NaN<NAME:8>Nonesuch<CALL:5>False<EOR>\n");
  EXPECT_EQ(std::string(record.grid) + record.bandText + record.rstRcvd + record.freq + record.call, "");
  EXPECT_STREQ(record.name, "Nonesuch");
  EXPECT_EQ(record.band, 0);
}

TEST(ReaderStoring, EmptyValueReplacesAnEarlierOne) { EXPECT_STREQ(readOne("<CALL:5>K1ABC<CALL:0><EOR>\n").call, ""); }

TEST(ReaderStoring, OverLongValuesAreCutToTheirFieldWithoutTouchingOthers) {
  QsoRecord record = readOne("<QTH:17>ABCDEFGHIJKLMNOPQ<RCVD:2>MA<CALL:19>K1ABCDEFGHIJKLMNOPQ<MODE:2>CW<EOR>\n");
  EXPECT_STREQ(record.qth, "ABCDEFGHIJKLMNO");
  EXPECT_STREQ(record.rcvd, "MA");
  EXPECT_STREQ(record.call, "K1ABCDEFGHIJKLM");
  EXPECT_STREQ(record.mode, "CW");
  EXPECT_STREQ(readOne("<RX_EXCH:40>1234567890123456789012345678901234567890<EOR>\n").rxExch,
               "1234567890123456789012345678901");
}

TEST(ReaderStoring, OnlyNamesAndQthAreCutBetweenUtf8Characters) {
  const std::string split = "ABCDEFGHIJKLMN\xc3\xa9";  // e-acute would be split after byte 15
  for (const char* tag : {"NAME", "NAME_SENT", "APP_WRITELOG_FNAME", "APP_WRITELOG_NAME"}) {
    EXPECT_STREQ(readOne(std::string("<") + tag + ":16>" + split + "<EOR>\n").name, "ABCDEFGHIJKLMN") << tag;
  }
  EXPECT_STREQ(readOne("<QTH:16>" + split + "<EOR>\n").qth, "ABCDEFGHIJKLMN");
  EXPECT_STREQ(readOne("<NAME:16>ABCDEFGHIJKLMN\xe9X<EOR>\n").name, "ABCDEFGHIJKLMN\xe9");  // Latin-1
  EXPECT_STREQ(readOne("<CALL:16>" + split + "<EOR>\n").call, "ABCDEFGHIJKLMN\xc3");
}

TEST(ReaderRecords, RecordMaySpanSeveralLines) {
  QsoRecord record = readOne("<CALL:5>K1ABC\n<BAND:3>20M\n\n<MODE:2>CW\n  <SRX:3>123\n<STX:2>45\n<EOR>\n");
  EXPECT_STREQ(record.call, "K1ABC");
  EXPECT_EQ(record.band, 20);
  EXPECT_STREQ(record.mode, "CW");
  EXPECT_STREQ(record.srx, "123");
  EXPECT_STREQ(record.stx, "45");
}

TEST(ReaderRecords, SeveralRecordsOnOneLineAreEachRead) {
  std::vector<QsoRecord> records = readAll(std::string(kHeader) +
                                           "<CALL:6>N0CALL<EOR><CALL:6>N9CALL<eor>\n"
                                           "<CALL:5>K1ABC<EOR> <CALL:5>K2ABC\n<MODE:2>CW<EOR><EOR>\n");
  ASSERT_EQ(records.size(), 5u);
  EXPECT_STREQ(records[0].call, "N0CALL");
  EXPECT_STREQ(records[1].call, "N9CALL");
  EXPECT_STREQ(records[2].call, "K1ABC");
  EXPECT_STREQ(records[2].mode, "");
  EXPECT_STREQ(records[3].call, "K2ABC");
  EXPECT_STREQ(records[3].mode, "CW");
  EXPECT_STREQ(records[4].call, "");
}

TEST(ReaderRecords, LoneEndOfRecordGivesAnEmptyRecord) {
  QsoRecord record = readOne("<EOR>\n");
  EXPECT_STREQ(record.call, "");
  EXPECT_EQ(record.band, 0);
  EXPECT_EQ(record.prec, '\0');
}

TEST(ReaderRecords, UnfinishedLastRecordIsNotReturned) {
  std::vector<QsoRecord> records =
      readAll(std::string(kHeader) + "<CALL:5>K1ABC<EOR>\n<CALL:5>K2ABC<EOR>\n<CALL:5>K3ABC\n");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_STREQ(records[1].call, "K2ABC");
}

TEST(ReaderRecords, UnfinishedRecordIsToldWhenItHoldsAStoredValue) {
  struct Case {
    const char* body;
    bool unfinished;
  };
  const Case cases[] = {
      {"<CALL:5>K1ABC<EOR>\n<CALL:5>K3ABC\n", true},
      {"<CALL:5>K1ABC<EOR><CALL:0>", true},  // an empty value is a stored value too
      {"<EOR>\n<mode:2>CW\n\n", true},
      {"<CALL:5>K1ABC<EOR>\n", false},
      {"<CALL:5>K1ABC<EOR><COMMENT:4>note<APP_X_Y:1>1 text <CALL>\n", false},
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readLog(kHeader + std::string(c.body)).recordUnfinished, c.unfinished) << c.body;
  }
  EXPECT_TRUE(readLog("<CALL:2>AB<EOR><CALL:2>CD").recordUnfinished);
  EXPECT_FALSE(readLog("Log\n<CALL:2>AB\n").recordUnfinished);  // no header: nothing was read
}

TEST(ReaderRecords, LastLineWithoutLineEndStillCounts) {
  std::vector<QsoRecord> records = readAll(std::string(kHeader) + "<CALL:5>K1ABC<EOR>");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_STREQ(records[0].call, "K1ABC");
}

TEST(ReaderLineEnds, CrLfAndLfReadAlike) {
  std::vector<QsoRecord> records =
      readAll("hdr\r\n<EOH>\r\n<CALL:5>K1ABC\r\n<MODE:2>CW<EOR>\r\n\r\n<CALL:5>K2ABC<EOR>\n");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_STREQ(records[0].call, "K1ABC");
  EXPECT_STREQ(records[0].mode, "CW");
  EXPECT_STREQ(records[1].call, "K2ABC");
}

// A value runs as far as its length says, across line ends; a logger may count the length in
// UTF-8 characters. A kept value is read without its line ends.
TEST(ReaderLineEnds, ValuesRunAcrossLinesAndLengthsMayCountCharacters) {
  struct Case {
    const char* body;
    const char* call;
    const char* name;
  };
  const Case cases[] = {
      {"<CALL:5>K1ABC<ADDRESS:26>Main St\r\nTown <CALL:4>FAKE\n<EOR>\n", "K1ABC", ""},
      {"<CALL:9>K1ABC\r\n<EOR>\n<NAME:2>JO<EOR>\n", "K1ABC<E", "JO"},  // "<E" is part of the value
      {"<CALL:6>K1ABC\r\n<EOR>\n", "K1ABC", ""},
      {"<NAME:12>Karel Duchoň<CALL:2>AB<EOR>\n", "AB", "Karel Duchoň"},
      {"<NAME:6>Tankó<CALL:2>AB<EOR>\n", "AB", "Tankó"},  // counted in bytes
      {"<NAME:3>ÓÓÓ<CALL:2>AB<EOR>\n", "AB", "ÓÓÓ"},
      {"<NAME:5>Andr\xe9\xa0<CALL:2>AB<EOR>\n", "AB", "Andr\xe9"},  // Latin-1: counted in bytes
      {"<NAME:3>A\nÓ<CALL:2>AB<EOR>\n", "AB", "AÓ"},
      {"<CALL:5>W2\nXH<EOR>\n", "W2XH", ""},
      {"<CALL:5>\nW2XH<EOR>\n", "W2XH", ""},
      {"<CALL:6>W2\r\nXH\r\n<EOR>\n", "W2XH", ""},
  };
  for (const Case& c : cases) {
    const QsoRecord record = readOne(c.body);
    EXPECT_STREQ(record.call, c.call) << c.body;
    EXPECT_STREQ(record.name, c.name) << c.body;
  }
  // A length past the end of the file ends the value at the next tag; the records go on.
  const ReadLog log = readLog(std::string(kHeader) + "<CALL:99999999999>K1ABC<EOR>\n<MODE:2>CW<EOR>\n");
  ASSERT_EQ(log.records.size(), 2u);
  EXPECT_STREQ(log.records[0].call, "K1ABC");
  EXPECT_FALSE(log.recordUnfinished);
}

TEST(ReaderLineEnds, LineStartingWithACarriageReturnIsSkipped) {
  EXPECT_STREQ(readOne("\r<CALL:5>K1ABC\n<EOR>\n").call, "");
}

TEST(ReaderMalformed, LengthThatIsNoNumberStoresAnEmptyValue) {
  QsoRecord record = readOne("<CALL:5>K1ABC<CALL:X>K2ABC<EOR>\n");
  EXPECT_STREQ(record.call, "");
  EXPECT_STREQ(readOne("<CALL:>K2ABC<MODE:2>CW<EOR>\n").mode, "CW");
}

TEST(ReaderMalformed, NegativeLengthStoresAnEmptyValueAndScansOn) {
  QsoRecord record = readOne("<CALL:5>K1ABC<CALL:-3>XYZ<MODE:2>CW<EOR>\n");
  EXPECT_STREQ(record.call, "");
  EXPECT_STREQ(record.mode, "CW");
}

TEST(ReaderMalformed, TagWithoutColonIsSkipped) {
  QsoRecord record = readOne("<CALL>K1ABC<APP_LoTW_EOF><MODE:2>CW<EOR>\n");
  EXPECT_STREQ(record.call, "");
  EXPECT_STREQ(record.mode, "CW");
}

TEST(ReaderMalformed, OpeningBracketWithoutCloseEndsTheLine) {
  QsoRecord record = readOne("<MODE:2>CW<CALL:5 K1ABC\n<BAND:3>20M<EOR>\n");
  EXPECT_STREQ(record.mode, "CW");
  EXPECT_STREQ(record.call, "");
  EXPECT_EQ(record.band, 20);
  // An end-of-record tag without its ">" does not end the record.
  std::vector<QsoRecord> records = readAll(std::string(kHeader) + "<CALL:5>K1ABC<EOR\n<MODE:2>CW<EOR>\n");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_STREQ(records[0].call, "K1ABC");
  EXPECT_STREQ(records[0].mode, "CW");
}

TEST(ReaderMalformed, NulBytesAreOrdinaryBytes) {
  std::string body("<CALL:5>K1\0BC<MODE:2>CW<EOR>\n", 29);
  QsoRecord record = readOne(body);
  EXPECT_EQ(std::string(record.call, 5), std::string("K1\0BC", 5));
  EXPECT_STREQ(record.mode, "CW");
}

// Lines and values longer than what the reader holds come in pieces; a piece starts with a tag.
TEST(ReaderMalformed, LongLinesAndValuesAreReadInPieces) {
  EXPECT_STREQ(readOne("<COMMENT:1000000>" + std::string(1000000, 'x') + "<CALL:5>K1ABC<EOR>\n").call, "K1ABC");
  EXPECT_STREQ(readOne("<COMMENT:3000000>" + std::string(3000000, '<') + "<CALL:5>K1ABC<EOR>\n").call, "K1ABC");
  std::string tags;
  for (int i = 0; i < 100000; ++i) tags += "<APP_X:2>\r<";
  QsoRecord record = readOne(tags + "<CALL:5>K1ABC<MODE:2>CW<EOR>\n");
  EXPECT_STREQ(record.call, "K1ABC");
  EXPECT_STREQ(record.mode, "CW");
  std::string tagAcrossPieces = std::string(1020, ' ') + "<CALL:5>K1ABC" + std::string(2000, ' ') + "<EOR>\n";
  EXPECT_STREQ(readOne(tagAcrossPieces).call, "K1ABC");
}

}  // namespace
