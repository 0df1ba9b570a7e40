#include "writer/exchange_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "writer/import_record.h"
#include "writer/test_record.h"

namespace {

using Lines = std::vector<std::string>;
using Exchange = std::optional<std::string>;

// The state column as text ("none" when blank by none) and the lines each list received.
struct StateResult {
  std::string state;
  Lines warnings;
  Lines errors;
};

StateResult stateOf(ContestKind contest, const QsoRecord& record, const Exchange& exchange, StateNumber party = -1) {
  MessageLists lists;
  ConversionJob job = jobFor(contest);
  job.stateNumber = party;
  const char* state = exchangeState(lists, record, job, contestRulesOf(job), exchange).state;
  EXPECT_TRUE(lists.lines[kSummaryList].empty());
  return {state != nullptr ? state : "none", lists.lines[kWarningsList], lists.lines[kErrorsList]};
}

std::string awardOf(ContestKind contest, const QsoRecord& record, const Exchange& exchange) {
  const ConversionJob job = jobFor(contest);
  ExchangeChoice choice;
  choice.exchange = exchange;
  choice.cnty = record.cnty;
  const std::optional<AwardReference> award = awardReference(record, contestRulesOf(job), choice);
  return award ? award->text : "none";
}

const std::string kNotState = " is not a valid US state.";
const std::string kContact = "N0CALL on 20120325 at 1430 in ";

// --- contests whose exchange is a state, a province or a number ----------------------------

TEST(StateOrNumberContests, StateProvinceNumberOrWarning) {
  struct Case {
    const char* exchange;
    const char* state;
    Lines warnings;
  };
  const Case cases[] = {
      {"MA", "MA", {}},
      {"123", "none", {}},
      {"ON", "none", {}},
      {"PQ", "none", {}},  // an older province form is still a province
      {"XX", "none", {kContact + "XX" + kNotState}},
      {"ma", "none", {kContact + "ma" + kNotState}},
      {"0", "none", {kContact + "0" + kNotState}},  // zero is not a number here
  };
  for (ContestKind contest :
       {ContestKind::Arrl10, ContestKind::ArrlRttyRoundUp, ContestKind::Cq160, ContestKind::CqWw}) {
    for (const Case& c : cases) {
      const StateResult result = stateOf(contest, contactRecord(), std::string(c.exchange));
      EXPECT_EQ(result.state, c.state) << c.exchange;
      EXPECT_EQ(result.warnings, c.warnings) << c.exchange;
      EXPECT_TRUE(result.errors.empty());
    }
    const StateResult none = stateOf(contest, contactRecord(), std::nullopt);
    EXPECT_EQ(none.state, "none");
    EXPECT_TRUE(none.warnings.empty());
  }
}

TEST(StateOrNumberContests, ContestsWithoutStateRuleStayBlank) {
  for (ContestKind contest : {ContestKind::CqWpx, ContestKind::AllAsia, ContestKind::IaruHf, ContestKind::Rda,
                              ContestKind::WorkedAllGermany}) {
    const StateResult result = stateOf(contest, contactRecord(), std::string("XX"));
    EXPECT_EQ(result.state, "none");
    EXPECT_TRUE(result.warnings.empty());
  }
}

// --- section contests ----------------------------------------------------------------------

TEST(SectionContests, Arrl160SectionGivesItsState) {
  EXPECT_EQ(stateOf(ContestKind::Arrl160, contactRecord(), std::string("EMA")).state, "MA");
  const StateResult canada = stateOf(ContestKind::Arrl160, contactRecord(), std::string("ON"));
  EXPECT_EQ(canada.state, "");  // found, outside the US: printed as two blanks
  EXPECT_TRUE(canada.warnings.empty());
  const StateResult unknown = stateOf(ContestKind::Arrl160, contactRecord(), std::string("ZZZ"));
  EXPECT_EQ(unknown.state, "none");
  EXPECT_EQ(unknown.warnings, Lines{"N0CALL on 20120325 at 1430 in ZZZ is not a valid ARRL section."});
  const StateResult none = stateOf(ContestKind::Arrl160, contactRecord(), std::nullopt);
  EXPECT_EQ(none.state, "none");
  EXPECT_TRUE(none.warnings.empty());
}

TEST(SectionContests, FieldDayAndSweepstakesCheckArrlSect) {
  for (ContestKind contest : {ContestKind::ArrlFieldDay, ContestKind::ArrlSweepstakes}) {
    QsoRecord record = contactRecord();
    setField(record.arrlSect, "SFL");
    EXPECT_EQ(stateOf(contest, record, std::string("1A")).state, "FL");
    setField(record.arrlSect, "");
    const StateResult empty = stateOf(contest, record, std::string("1A"));
    EXPECT_EQ(empty.state, "none");
    EXPECT_EQ(empty.warnings, Lines{"N0CALL on 20120325 at 1430 in  is not a valid ARRL section."});
  }
}

// --- ARRL DX -------------------------------------------------------------------------------

TEST(ArrlDxState, QthThenStateThenSrx) {
  struct Case {
    const char* qth;
    const char* state;
    const char* srx;
    const char* result;
    Lines warnings;
  };
  const Case cases[] = {
      {"ON", "", "100", "none", {}},
      {"ZZ", "MA", "", "MA", {kContact + "ZZ" + kNotState}},
      {"MA", "ZZ", "", "none", {kContact + "ZZ" + kNotState}},  // STATE replaces QTH's result
      {"XX", "YY", "", "none", {kContact + "XX" + kNotState, kContact + "YY" + kNotState}},
      {"MA", "ON", "", "MA", {}},  // a province in STATE leaves QTH's result
      {"", "", "KW", "none", {}},
      {"", "", "CT", "CT", {}},
      {"", "", "QQ", "none", {kContact + "QQ" + kNotState}},
      {"", "", "BC", "none", {}},
      {"", "MA", "QQ", "MA", {}},  // SRX only counts without STATE
      {"NY", "", "5", "NY", {}},
  };
  for (const Case& c : cases) {
    QsoRecord record = contactRecord();
    setField(record.qth, c.qth);
    setField(record.state, c.state);
    setField(record.srx, c.srx);
    const StateResult result = stateOf(ContestKind::ArrlDx, record, std::string("KW"));
    EXPECT_EQ(result.state, c.result) << c.qth << "/" << c.state << "/" << c.srx;
    EXPECT_EQ(result.warnings, c.warnings) << c.qth << "/" << c.state << "/" << c.srx;
  }
}

// --- name contests -------------------------------------------------------------------------

TEST(NameContestsState, CwOpsMembersSendNumbers) {
  const StateResult member = stateOf(ContestKind::CwOpsMiniCwt, contactRecord(), std::string("1234"));
  EXPECT_EQ(member.state, "none");
  EXPECT_TRUE(member.warnings.empty());
  EXPECT_EQ(awardOf(ContestKind::CwOpsMiniCwt, contactRecord(), std::string("1234")), "CWOP1234    ");

  const StateResult guest = stateOf(ContestKind::CwOpsMiniCwt, contactRecord(), std::string("MA"));
  EXPECT_EQ(guest.state, "MA");
  EXPECT_EQ(guest.warnings, Lines{"N0CALL in MA is not a CWOPS member."});
  EXPECT_EQ(awardOf(ContestKind::CwOpsMiniCwt, contactRecord(), std::string("MA")), "none");

  const StateResult abroad = stateOf(ContestKind::CwOpsMiniCwt, contactRecord(), std::string("DL"));
  EXPECT_EQ(abroad.state, "none");
  EXPECT_EQ(abroad.warnings, Lines{"N0CALL in DL is not a CWOPS member."});

  const StateResult none = stateOf(ContestKind::CwOpsMiniCwt, contactRecord(), std::nullopt);
  EXPECT_EQ(none.state, "none");
  EXPECT_EQ(none.warnings, Lines{"N0CALL is not a CWOPS member."});
}

TEST(NameContestsState, PrefixKTakesQthOtherwiseState) {
  struct Case {
    const char* pref;
    const char* qth;
    const char* state;
    const char* result;
    Lines warnings;
  };
  const Case cases[] = {
      {"K", "DC", "MA", "none", {"N0CALL on 20120325 at 1430 is in DC, not a state."}},
      {"K", "ZZ", "", "none", {}},
      {"K", "CT", "MA", "CT", {}},
      {"K", "5", "MA", "none", {}},
      {"VE", "", "ZZ", "none", {kContact + "ZZ" + kNotState}},
      {"VE", "CT", "MA", "MA", {}},
      {"VE", "CT", "", "none", {}},
      {"", "DC", "", "none", {}},
      {"KH6", "", "HI", "HI", {}},
      {"VE", "", "ON", "none", {}},  // a Canadian station's province, also in an older form
      {"VE", "CT", "PQ", "none", {}},
      {"VE", "", "on", "none", {kContact + "on" + kNotState}},
  };
  for (ContestKind contest : {ContestKind::Naqp, ContestKind::NaSprint, ContestKind::TaraMelee}) {
    for (const Case& c : cases) {
      QsoRecord record = contactRecord();
      setField(record.pref, c.pref);
      setField(record.qth, c.qth);
      setField(record.state, c.state);
      const StateResult result = stateOf(contest, record, std::string("X"));
      EXPECT_EQ(result.state, c.result) << c.pref << "/" << c.qth << "/" << c.state;
      EXPECT_EQ(result.warnings, c.warnings) << c.pref << "/" << c.qth << "/" << c.state;
    }
  }
}

// --- Maritime QSO Party --------------------------------------------------------------------

TEST(MaritimeQsoParty, CountyProvinceOrState) {
  EXPECT_EQ(stateOf(ContestKind::MaritimeQsoParty, contactRecord(), std::string("HAL")).state, "none");
  EXPECT_EQ(stateOf(ContestKind::MaritimeQsoParty, contactRecord(), std::string("NS")).state, "none");
  EXPECT_EQ(stateOf(ContestKind::MaritimeQsoParty, contactRecord(), std::string("ME")).state, "ME");
  const StateResult bad = stateOf(ContestKind::MaritimeQsoParty, contactRecord(), std::string("XYZ"));
  EXPECT_EQ(bad.warnings, Lines{kContact + "XYZ" + kNotState});
  EXPECT_EQ(awardOf(ContestKind::MaritimeQsoParty, contactRecord(), std::string("HAL")), "MCTYHAL     ");
  EXPECT_EQ(awardOf(ContestKind::MaritimeQsoParty, contactRecord(), std::string("NS")), "none");
}

// --- award contests ------------------------------------------------------------------------

TEST(AwardContests, ReferencesPerContest) {
  struct Case {
    ContestKind contest;
    Exchange exchange;
    const char* award;
  };
  using C = ContestKind;
  const Case cases[] = {
      {C::EaRtty, std::string("M"), "EAPVM       "},
      {C::EaRtty, std::string("599"), "none"},
      {C::EaRtty, std::nullopt, "none"},
      {C::HaDx, std::string("BP"), "WHAPBP      "},
      {C::HaDx, std::string("12"), "none"},
      {C::JapanIntlDx, std::string("13"), "JAPRJP-13   "},
      {C::JapanIntlDx, std::string("7"), "JAPRJP-07   "},
      {C::JapanIntlDx, std::string("1"), "JAPRJP-01   "},
      {C::JapanIntlDx, std::string("47"), "JAPRJP-47   "},
      {C::JapanIntlDx, std::string("48"), "none"},
      {C::JapanIntlDx, std::string("0"), "none"},
      {C::JapanIntlDx, std::string("-3"), "none"},
      {C::JapanIntlDx, std::nullopt, "none"},
      {C::Ref, std::string("75"), "FDEP75      "},
      {C::Ref, std::string("2A"), "FDEP2A      "},
      {C::Ref, std::string("AB"), "none"},
      {C::RussianDx, std::string("MA"), "OBLAMA      "},
      {C::RussianDx, std::string("001"), "none"},
      {C::VkShires, std::string("ABCD"), "AVKSABCD    "},
      {C::VkShires, std::string("5"), "none"},
      {C::WorkedAllGermany, std::string("B01"), "DOK B01     "},
      {C::WorkedAllGermany, std::string("123"), "none"},
      {C::WorkedAllGermany, std::nullopt, "DOK         "},
      {C::CwOpsMiniCwt, std::string("123456789"), "CWOP123456789"},  // widens the column
      {C::CwOpsMiniCwt, std::string("007"), "CWOP7       "},
      {C::CwOpsMiniCwt, std::nullopt, "none"},
      {C::CqWpx, std::string("ABC"), "none"},
      {C::AllAsia, std::string("ABC"), "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(awardOf(c.contest, contactRecord(), c.exchange), c.award)
        << contestName(static_cast<int32_t>(c.contest)) << " " << c.exchange.value_or("none");
  }
}

TEST(AwardContests, RdaAlwaysPrintsCnty) {
  QsoRecord record = contactRecord();
  setField(record.cnty, "AB-12");
  EXPECT_EQ(awardOf(ContestKind::Rda, record, std::string("AB12")), "RDA AB-12   ");
  setField(record.cnty, "");
  EXPECT_EQ(awardOf(ContestKind::Rda, record, std::nullopt), "RDA         ");
}

TEST(AwardContests, UbaUsesTheProvince) {
  QsoRecord record = contactRecord();
  EXPECT_EQ(awardOf(ContestKind::Uba, record, std::string("12")), "none");
  setField(record.prov, "OV");
  EXPECT_EQ(awardOf(ContestKind::Uba, record, std::string("12")), "WABPOV      ");
}

// --- State QSO Party -----------------------------------------------------------------------

TEST(StateQsoPartyState, CountyValidationFillsStateAndCounty) {
  QsoRecord record = contactRecord();
  setField(record.exchange1, "AUTA");
  MessageLists lists;
  ConversionJob job = jobFor(ContestKind::StateQsoParty);
  job.stateNumber = 1;  // Alabama
  const StateCountyPair placed = exchangeState(lists, record, job, contestRulesOf(job), std::string("AUTA"));
  EXPECT_STREQ(placed.state, "AL");
  EXPECT_STREQ(placed.county, "Autauga");

  setField(record.exchange1, "ZZZ");
  const StateCountyPair unplaced = exchangeState(lists, record, job, contestRulesOf(job), std::string("ZZZ"));
  EXPECT_EQ(unplaced.state, nullptr);
  EXPECT_EQ(unplaced.county, nullptr);
  EXPECT_EQ(lists.lines[kErrorsList], Lines{"N0CALL on 20120325 at 1430: ZZZ is not a valid state/province/county."});
}

}  // namespace
