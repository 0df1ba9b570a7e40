#include "writer/exchange_choice.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "writer/import_record.h"
#include "writer/test_record.h"

namespace {

// Every field some contest takes its exchange or name from, with a tag that names it.
struct TaggedField {
  const char* name;  // field name as the tables below use it
  const char* tag;   // distinct text stored into it; QTH a province, which every check takes
};

const TaggedField kTaggedFields[] = {
    {"age", "AGE"},     {"arrlSect", "ASE"},  {"cnty", "CNT"},     {"contestClass", "CLS"}, {"cqz", "CQZ"},
    {"dok", "DOK"},     {"exchange1", "EX1"}, {"exchTime", "EXT"}, {"grid", "GRD"},         {"hq", "HQ"},
    {"ituz", "ITU"},    {"name", "NAM"},      {"qth", "QC"},       {"rcvd", "RCV"},         {"rxPwr", "RXP"},
    {"section", "SEC"}, {"srx", "SRX"},       {"state", "STA"},    {"veProv", "VEP"},       {"year", "YR"},
    {"zone", "ZON"},
};

void setByName(QsoRecord& r, const std::string& name, const char* text) {
  if (name == "age")
    setField(r.age, text);
  else if (name == "arrlSect")
    setField(r.arrlSect, text);
  else if (name == "cnty")
    setField(r.cnty, text);
  else if (name == "contestClass")
    setField(r.contestClass, text);
  else if (name == "cqz")
    setField(r.cqz, text);
  else if (name == "dok")
    setField(r.dok, text);
  else if (name == "exchange1")
    setField(r.exchange1, text);
  else if (name == "exchTime")
    setField(r.exchTime, text);
  else if (name == "grid")
    setField(r.grid, text);
  else if (name == "hq")
    setField(r.hq, text);
  else if (name == "ituz")
    setField(r.ituz, text);
  else if (name == "name")
    setField(r.name, text);
  else if (name == "qth")
    setField(r.qth, text);
  else if (name == "rcvd")
    setField(r.rcvd, text);
  else if (name == "rxPwr")
    setField(r.rxPwr, text);
  else if (name == "section")
    setField(r.section, text);
  else if (name == "srx")
    setField(r.srx, text);
  else if (name == "state")
    setField(r.state, text);
  else if (name == "veProv")
    setField(r.veProv, text);
  else if (name == "year")
    setField(r.year, text);
  else if (name == "zone")
    setField(r.zone, text);
  else
    ADD_FAILURE() << "unknown field " << name;
}

// The choice by the rules a run of the job writes by.
ExchangeChoice choiceFor(const QsoRecord& record, const ConversionJob& job, const char* mode) {
  return selectExchange(record, contestRulesOf(job), mode);
}

const char* tagOf(const std::string& name) {
  for (const TaggedField& f : kTaggedFields) {
    if (name == f.name) return f.tag;
  }
  return "?";
}

QsoRecord allFieldsTagged() {
  QsoRecord record = contactRecord();
  for (const TaggedField& f : kTaggedFields) setByName(record, f.name, f.tag);
  return record;
}

struct SelectionCase {
  ContestKind contest;
  std::vector<std::string> candidates;  // in the order they are tried
  bool hasName;                         // NAME goes to the names file
  bool serial;                          // the contest exchanges serial numbers
};

// With every field filled, the first candidate wins; emptying it lets the next one through,
// until no candidate is left and there is no exchange at all.
void expectCandidateOrder(ConversionJob job, const std::vector<std::string>& candidates, const char* mode,
                          const std::string& label) {
  QsoRecord record = allFieldsTagged();
  for (const std::string& field : candidates) {
    const ExchangeChoice choice = choiceFor(record, job, mode);
    ASSERT_TRUE(choice.exchange) << label << " expected " << field;
    EXPECT_EQ(*choice.exchange, tagOf(field)) << label;
    setByName(record, field, "");
  }
  EXPECT_FALSE(choiceFor(record, job, mode).exchange) << label << " after all candidates";
}

TEST(ExchangeSelection, EveryContestTriesItsCandidatesInOrder) {
  using C = ContestKind;
  const SelectionCase cases[] = {
      {C::AllAsia, {"exchange1", "age", "srx"}, false, false},
      {C::Arrl10, {"exchange1", "qth"}, false, false},
      {C::Arrl160, {"exchange1", "arrlSect"}, false, false},
      {C::ArrlDx, {"rxPwr", "qth", "state", "srx"}, false, false},
      {C::ArrlFieldDay, {"exchange1", "contestClass"}, false, false},
      {C::ArrlRttyRoundUp, {"exchange1", "qth", "srx"}, false, true},
      {C::ArrlSweepstakes, {"srx"}, false, true},
      {C::ArrlVhf, {"grid"}, false, false},
      {C::Bartg, {"srx"}, false, true},
      {C::BartgSprint, {"srx"}, false, true},
      {C::Cq160, {"exchange1", "qth", "srx"}, false, false},
      {C::CqWpx, {"srx"}, false, true},
      {C::CqWw, {"srx", "cqz"}, false, false},
      {C::CwOpen, {"srx"}, true, false},
      {C::CwOpsMiniCwt, {"exchange1", "rcvd"}, true, false},
      {C::DlDxRtty, {"srx"}, false, true},
      {C::DrcgLongDistance, {"exchange1", "exchTime"}, false, false},
      {C::EaRtty, {"exchange1", "rcvd"}, false, false},
      {C::HaDx, {"exchange1", "rcvd", "srx"}, false, false},
      {C::IaruHf, {"zone", "ituz", "hq"}, false, false},
      {C::Iota, {"srx"}, false, true},
      {C::JapanIntlDx, {"exchange1", "rcvd", "srx"}, false, false},
      {C::Jarts, {"age"}, false, false},
      {C::MakrothenRtty, {"grid"}, false, false},
      {C::ManchesterMineira, {"section"}, false, false},
      {C::MaritimeQsoParty, {"exchange1", "rcvd", "cnty"}, false, false},
      {C::Naqp, {"state", "veProv", "exchange1", "qth"}, true, false},
      {C::NaSprint, {"srx"}, true, true},
      {C::OceaniaDx, {"srx"}, false, true},
      {C::RacCanada, {"rcvd", "state", "srx"}, false, true},
      {C::Ref, {"exchange1", "rcvd", "srx"}, false, false},
      {C::RussianDx, {"exchange1", "rcvd", "srx"}, false, false},
      {C::SccRtty, {"exchange1", "year"}, false, false},
      {C::SpDx, {"exchange1", "rcvd"}, false, false},
      {C::StewPerry, {"grid"}, false, false},
      {C::TaraGridDip, {"grid"}, false, false},
      {C::TaraMelee, {"qth"}, false, false},
      {C::Uba, {"srx"}, false, true},
      {C::UkDx, {"exchange1", "grid"}, false, false},
      {C::VkShires, {"srx"}, false, false},
      {C::VoltaRtty, {"srx", "rcvd"}, false, true},
      {C::WorkedAllEurope, {"srx"}, false, true},
      {C::WorkedAllGermany, {"exchange1", "dok"}, false, false},
  };
  // One row per contest of the catalogue, but for the two whose exchange has tests of its own.
  std::set<ContestKind> covered = {C::Rda, C::StateQsoParty};
  for (const SelectionCase& c : cases) EXPECT_TRUE(covered.insert(c.contest).second) << static_cast<int>(c.contest);
  EXPECT_EQ(covered.size(), static_cast<size_t>(kContestCount));
  for (const SelectionCase& c : cases) {
    const std::string label = contestName(static_cast<int32_t>(c.contest));
    expectCandidateOrder(jobFor(c.contest), c.candidates, "CW", label);

    const ExchangeChoice choice = choiceFor(allFieldsTagged(), jobFor(c.contest), "CW");
    EXPECT_EQ(choice.serial, c.serial) << label;
    if (c.hasName) {
      EXPECT_EQ(choice.operatorName.value_or("none"), "NAM") << label;
    } else {
      EXPECT_FALSE(choice.operatorName) << label;
    }
  }
}

// --- zone contests -------------------------------------------------------------------------

TEST(ZoneContests, CqWwOnCwTakesSrxThenCqz) {
  QsoRecord record = contactRecord();
  setField(record.cqz, "5");
  ConversionJob job = jobFor(ContestKind::CqWw);
  ExchangeChoice choice = choiceFor(record, job, "CW");
  EXPECT_EQ(choice.exchange.value_or("none"), "5");
  EXPECT_EQ(choice.zoneNumber, 5);

  setField(record.srx, "14");
  choice = choiceFor(record, job, "CW");
  EXPECT_EQ(choice.exchange.value_or("none"), "14");
  EXPECT_EQ(choice.zoneNumber, 5);  // CQZ is the zone whenever it is given

  setField(record.cqz, "");
  EXPECT_EQ(choiceFor(record, job, "CW").zoneNumber, 14);
  setField(record.srx, "");
  EXPECT_EQ(choiceFor(record, job, "CW").zoneNumber, 0);
}

TEST(ZoneContests, CqWwOnRttyTakesStateFirst) {
  QsoRecord record = contactRecord();
  setField(record.state, "MA");
  setField(record.cqz, "5");
  ConversionJob job = jobFor(ContestKind::CqWw);
  ExchangeChoice choice = choiceFor(record, job, "RTTY");
  EXPECT_EQ(choice.exchange.value_or("none"), "MA");
  EXPECT_EQ(choice.zoneNumber, 5);
  expectCandidateOrder(job, {"state", "qth", "srx", "cqz"}, "RTTY", "CQ WW RTTY");
  // Only the exact text RTTY counts as RTTY.
  for (const char* other : {"rtty", "RTTY-R", "PSK31"}) {
    EXPECT_EQ(choiceFor(record, job, other).exchange.value_or("none"), "5") << other;
  }
}

TEST(ZoneContests, Cq160TakesTheZoneFromTheExchange) {
  QsoRecord record = contactRecord();
  setField(record.cqz, "9");
  setField(record.exchange1, "05");
  ConversionJob job = jobFor(ContestKind::Cq160);
  ExchangeChoice choice = choiceFor(record, job, "CW");
  EXPECT_EQ(choice.exchange.value_or("none"), "05");
  EXPECT_EQ(choice.zoneNumber, 5);

  setField(record.exchange1, "MA");
  EXPECT_EQ(choiceFor(record, job, "CW").zoneNumber, 0);
  setField(record.exchange1, "");
  choice = choiceFor(record, job, "CW");
  EXPECT_FALSE(choice.exchange);
  EXPECT_EQ(choice.zoneNumber, 0);
}

TEST(ZoneContests, DrcgAndVoltaTakeTheZoneFromCqzAlone) {
  for (ContestKind contest : {ContestKind::DrcgLongDistance, ContestKind::VoltaRtty}) {
    QsoRecord record = contactRecord();
    setField(record.cqz, "17");
    setField(record.srx, "3");
    ConversionJob job = jobFor(contest);
    EXPECT_EQ(choiceFor(record, job, "RTTY").zoneNumber, 17);
    setField(record.cqz, "");
    EXPECT_EQ(choiceFor(record, job, "RTTY").zoneNumber, 0);
  }
}

TEST(ZoneContests, OtherContestsHaveNoZone) {
  QsoRecord record = contactRecord();
  setField(record.cqz, "5");
  setField(record.srx, "7");
  setField(record.exchange1, "9");
  for (ContestKind contest : {ContestKind::CqWpx, ContestKind::AllAsia, ContestKind::IaruHf}) {
    ConversionJob job = jobFor(contest);
    EXPECT_EQ(choiceFor(record, job, "CW").zoneNumber, 0);
  }
}

// --- name contests -------------------------------------------------------------------------

TEST(NameContests, CwOpenTakesTheNameAfterTheFirstBlankOfRxExch) {
  QsoRecord record = contactRecord();
  setField(record.srx, "123");
  setField(record.name, "BILL");
  setField(record.rxExch, "123 JOHN SMITH");
  ConversionJob job = jobFor(ContestKind::CwOpen);
  ExchangeChoice choice = choiceFor(record, job, "CW");
  EXPECT_EQ(choice.exchange.value_or("none"), "123");
  EXPECT_EQ(choice.operatorName.value_or("none"), "JOHN SMITH");

  setField(record.rxExch, "123 ");
  EXPECT_EQ(choiceFor(record, job, "CW").operatorName.value_or("none"), "");
  setField(record.rxExch, "123");
  EXPECT_FALSE(choiceFor(record, job, "CW").operatorName);
  setField(record.rxExch, "");
  EXPECT_EQ(choiceFor(record, job, "CW").operatorName.value_or("none"), "BILL");
}

TEST(NameContests, NaqpTakesTheProvinceWhenStateIsEmpty) {
  QsoRecord record = contactRecord();
  setField(record.veProv, "ON");
  setField(record.name, "JOHN");
  ConversionJob job = jobFor(ContestKind::Naqp);
  const ExchangeChoice choice = choiceFor(record, job, "CW");
  EXPECT_EQ(choice.exchange.value_or("none"), "ON");
  EXPECT_EQ(choice.operatorName.value_or("none"), "JOHN");
}

TEST(NameContests, AnEmptyNameIsStillAName) {
  QsoRecord record = contactRecord();
  ConversionJob job = jobFor(ContestKind::CwOpsMiniCwt);
  EXPECT_EQ(choiceFor(record, job, "CW").operatorName.value_or("none"), "");
}

// --- award contests ------------------------------------------------------------------------

TEST(AwardContests, RdaDistrictFromCnty) {
  struct RdaCase {
    const char* cnty;
    const char* exchange1;
    const char* exchange;   // nullptr: none
    const char* cntyAfter;  // CNTY as the award column sees it; the record keeps its own
  };
  const RdaCase cases[] = {
      {"AB-12", "", "AB12", "AB-12"},  {"AB-12", "CD34", "AB12", "AB-12"},
      {"AB12", "", nullptr, "AB12"},   {"AB-123", "", nullptr, "AB-123"},
      {"ABC12", "", nullptr, "ABC12"}, {"", "AB12", "AB12", "AB-12"},
      {"", "AB1", nullptr, ""},        {"", "", nullptr, ""},
  };
  for (const RdaCase& c : cases) {
    QsoRecord record = contactRecord();
    setField(record.cnty, c.cnty);
    setField(record.exchange1, c.exchange1);
    ConversionJob job = jobFor(ContestKind::Rda);
    const ExchangeChoice choice = choiceFor(record, job, "CW");
    if (c.exchange == nullptr) {
      EXPECT_FALSE(choice.exchange) << c.cnty << "/" << c.exchange1;
    } else {
      EXPECT_EQ(choice.exchange.value_or("none"), c.exchange) << c.cnty << "/" << c.exchange1;
    }
    EXPECT_EQ(choice.cnty, c.cntyAfter);
  }
}

// --- State QSO Party -----------------------------------------------------------------------

struct PartyCase {
  StateNumber state;
  const char* code;
  std::vector<std::string> candidates;
  bool hasName;
  bool serial;
};

TEST(StateQsoPartySelection, EachPartyHasItsOwnCandidates) {
  const PartyCase cases[] = {
      {4, "CA", {"srx"}, false, true},
      {21, "MI", {"srx"}, false, true},
      {34, "OH", {"srx"}, false, true},
      {44, "VA", {"srx"}, false, true},
      {5, "CO", {"qth"}, true, false},
      {8, "FL", {"exchange1", "cnty", "qth"}, false, false},
      {14, "IN", {"exchange1", "qth"}, false, false},
      {54, "7QP", {"exchange1", "qth"}, false, false},
      {22, "MN", {"exchange1", "qth"}, true, false},
      {31, "NM", {"exchange1", "rcvd"}, true, false},
      {56, "MULTI", {"exchange1", "cnty", "rcvd", "qth"}, false, false},
      {1, "AL", {"exchange1", "rcvd"}, false, false},
      {9, "GA", {"exchange1", "rcvd"}, false, false},
      {53, "NEQP", {"exchange1", "rcvd"}, false, false},
      {47, "WI", {"exchange1", "rcvd"}, false, false},
  };
  for (const PartyCase& c : cases) {
    ConversionJob job = jobFor(ContestKind::StateQsoParty);
    job.stateNumber = c.state;
    expectCandidateOrder(job, c.candidates, "CW", c.code);

    const ExchangeChoice choice = choiceFor(allFieldsTagged(), job, "CW");
    EXPECT_EQ(choice.serial, c.serial) << c.code;
    EXPECT_EQ(choice.zoneNumber, 0) << c.code;
    if (c.hasName) {
      EXPECT_EQ(choice.operatorName.value_or("none"), "NAM") << c.code;
    } else {
      EXPECT_FALSE(choice.operatorName) << c.code;
    }
  }
}

TEST(StateQsoPartySelection, ColoradoLooksOnlyAtQth) {
  QsoRecord record = contactRecord();
  setField(record.exchange1, "DEN");
  ConversionJob job = jobFor(ContestKind::StateQsoParty);
  job.stateNumber = 5;
  EXPECT_FALSE(choiceFor(record, job, "CW").exchange);
}

}  // namespace
