#include "refdata/state_county_validation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"

namespace {

using Lines = std::vector<std::string>;

// The received fields of one contact; the first non-empty one is validated.
struct Received {
  const char* exchange1 = "";  // APP_N1MM_EXCHANGE1
  const char* cnty = "";       // CNTY
  const char* rcvd = "";       // RCVD
  const char* qth = "";        // QTH
};

// One contact under one party and what the validation must make of it.
struct Case {
  const char* label;               // case named in failures
  StateNumber party;               // job.stateNumber
  const char* call;                // contacted callsign
  Received received;               // the four received fields
  const char* state;               // returned state code; nullptr: blank
  const char* county;              // returned county name; nullptr: blank
  Lines warnings;                  // warnings list afterwards
  Lines errors;                    // errors list afterwards
  const char* exchange = nullptr;  // the exchange the writer chose; nullptr: none
};

template <size_t N>
void copyField(char (&field)[N], const char* text) {
  ASSERT_LT(std::strlen(text), N) << text;
  std::strcpy(field, text);
}

void expectCase(const Case& c) {
  SCOPED_TRACE(c.label);
  QsoRecord record{};
  copyField(record.call, c.call);
  copyField(record.qsoDate, "20240504");
  copyField(record.timeOn, "1432");
  copyField(record.exchange1, c.received.exchange1);
  copyField(record.cnty, c.received.cnty);
  copyField(record.rcvd, c.received.rcvd);
  copyField(record.qth, c.received.qth);
  const QsoRecord before = record;

  ConversionJob job;
  job.stateNumber = c.party;
  MessageLists lists;
  const StateCountyPair placed = validateStateCounty(lists, record, job, c.exchange);

  EXPECT_STREQ(placed.state, c.state);
  EXPECT_STREQ(placed.county, c.county);
  EXPECT_EQ(lists.lines[kSummaryList], Lines{});
  EXPECT_EQ(lists.lines[kWarningsList], c.warnings);
  EXPECT_EQ(lists.lines[kErrorsList], c.errors);
  EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0) << "the record was changed";
  EXPECT_EQ(job.stateNumber, c.party);
}

constexpr StateNumber kAL = 1;
constexpr StateNumber kAZ = 3;
constexpr StateNumber kFL = 8;
constexpr StateNumber kIN = 14;
constexpr StateNumber kVA = 44;
constexpr StateNumber kNEQP = 53;
constexpr StateNumber k7QP = 54;
constexpr StateNumber kMULTI = 56;

const char* const kInvalid = "K1ABC on 20240504 at 1432: ZZZ is not a valid state/province/county.";

TEST(ValidateStateCounty, SingleStateParty) {
  const Case cases[] = {
      {"county", kAL, "K1ABC", {"AUTA"}, "AL", "Autauga", {}, {}},
      {"3-letter county", kAL, "W4XYZ", {"AUT"}, "AL", "Autauga", {}, {}},
      {"another state", kAL, "K5ABC", {"TX"}, "TX", nullptr, {}, {}},
      {"state from abroad", kAL, "VE3ABC", {"TX"}, "TX", nullptr, {}, {}},
      {"province", kAL, "VE3ABC", {"ON"}, nullptr, nullptr, {}, {}},
      {"province alias", kAL, "K1ABC", {"PQ"}, nullptr, nullptr, {}, {}},
      {"unplaceable from US", kAL, "K1ABC", {"ZZZ"}, nullptr, nullptr, {}, {kInvalid}},
      {"unplaceable from Canada", kAL, "VE3ABC", {"ZZZ"}, nullptr, nullptr, {}, {}},
      {"unplaceable from KH6", kAL, "KH6ABC", {"ZZZ"}, nullptr, nullptr, {}, {}},
      {"MDC from US", kAL, "K1ABC", {"MDC"}, "MD", nullptr, {}, {}},
      {"MDC from abroad", kAL, "DL1ABC", {"MDC"}, nullptr, nullptr, {}, {}},
      {"lower case",
       kAL,
       "K1ABC",
       {"auta"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: auta is not a valid state/province/county."}},
      {"trailing blank",
       kAL,
       "K1ABC",
       {"AUTA "},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: AUTA  is not a valid state/province/county."}},
      {"no callsign", kAL, "", {"ZZZ"}, nullptr, nullptr, {}, {}},
      {"county via cnty", kAL, "K1ABC", {"", "AUTA"}, "AL", "Autauga", {}, {}},
      {"county via rcvd", kAL, "K1ABC", {"", "", "AUTA"}, "AL", "Autauga", {}, {}},
      {"county via qth", kAL, "K1ABC", {"", "", "", "LEE"}, "AL", "Lee", {}, {}},
      {"first non-empty wins", kAL, "K1ABC", {"", "ZZZ", "AUTA", "LEE"}, nullptr, nullptr, {}, {kInvalid}},
      {"all empty", kAL, "K1ABC", {}, nullptr, nullptr, {}, {}},
      {"Manatee before Manitoba", kFL, "K1ABC", {"MAN"}, "FL", "Manatee", {}, {}},
      {"AZ prefixed key", kAZ, "K1ABC", {"AZMCP"}, "AZ", "Maricopa", {}, {}},
      {"IN county", kIN, "K1ABC", {"TIPP"}, "IN", "Tippecanoe", {}, {}},
  };
  for (const Case& c : cases) expectCase(c);
}

TEST(ValidateStateCounty, VirginiaIndependentCities) {
  const Case cases[] = {
      {"county", kVA, "K1ABC", {"FFX"}, "VA", "Fairfax", {}, {}},
      {"city", kVA, "K1ABC", {"RIX"}, "VA", nullptr, {"K1ABC on 20240504 at 1432: RIX is a VA independent city."}, {}},
      {"city from abroad",
       kVA,
       "DL1ABC",
       {"ZZX"},
       "VA",
       nullptr,
       {"DL1ABC on 20240504 at 1432: ZZX is a VA independent city."},
       {}},
      {"two letters", kVA, "K1ABC", {"TX"}, "TX", nullptr, {}, {}},
      {"two letters ending X",
       kVA,
       "K1ABC",
       {"QX"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: QX is not a valid state/province/county."}},
      {"four letters ending X",
       kVA,
       "K1ABC",
       {"ABCX"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: ABCX is not a valid state/province/county."}},
      {"lower-case x",
       kVA,
       "K1ABC",
       {"RIx"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: RIx is not a valid state/province/county."}},
      {"only Virginia",
       kAL,
       "K1ABC",
       {"RIX"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: RIX is not a valid state/province/county."}},
  };
  for (const Case& c : cases) expectCase(c);
}

TEST(ValidateStateCounty, SevenLandParty) {
  const Case cases[] = {
      {"county", k7QP, "K1ABC", {"AZAPH"}, "AZ", "Apache", {}, {}},
      {"county", k7QP, "K1ABC", {"NVWHI"}, "NV", "White Pine", {}, {}},
      {"Carson City",
       k7QP,
       "K1ABC",
       {"NVCAR"},
       "NV",
       nullptr,
       {"K1ABC on 20240504 at 1432: NVCAR is a NV independent city."},
       {}},
      {"state", k7QP, "K1ABC", {"OR"}, "OR", nullptr, {}, {}},
      {"bare county code",
       k7QP,
       "K1ABC",
       {"APH"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: APH is not a valid state/province/county."}},
      {"other party's key",
       k7QP,
       "K1ABC",
       {"BRR"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: BRR is not a valid state/province/county."}},
  };
  for (const Case& c : cases) expectCase(c);
}

TEST(ValidateStateCounty, NewEnglandParty) {
  const Case cases[] = {
      {"RI Bristol", kNEQP, "K1ABC", {"BRR"}, "RI", "Bristol", {}, {}},
      {"MA Bristol", kNEQP, "K1ABC", {"BRM"}, "MA", "Bristol", {}, {}},
      {"five-letter key", kNEQP, "K1ABC", {"ADDVT"}, "VT", "Addison", {}, {}},
      {"miss",
       kNEQP,
       "K1ABC",
       {"BRI"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: BRI is not a valid state/province/county."}},
      {"no Carson City rule",
       kNEQP,
       "K1ABC",
       {"NVCAR"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: NVCAR is not a valid state/province/county."}},
  };
  for (const Case& c : cases) expectCase(c);
}

TEST(ValidateStateCounty, MultiParty) {
  const Case cases[] = {
      {"IN before NEQP", kMULTI, "K1ABC", {"BEN"}, "IN", "Benton", {}, {}},
      {"NEQP", kMULTI, "K1ABC", {"BRR"}, "RI", "Bristol", {}, {}},
      {"7QP", kMULTI, "K1ABC", {"AZAPH"}, "AZ", "Apache", {}, {}},
      {"all states", kMULTI, "K1ABC", {"ALAUTA"}, "AL", "Autauga", {}, {}},
      {"Alaska district", kMULTI, "K1ABC", {"AKTHRE"}, "AK", "Third JD (SC)", {}, {}},
      {"Carson City",
       kMULTI,
       "K1ABC",
       {"NVCAR"},
       "NV",
       nullptr,
       {"K1ABC on 20240504 at 1432: NVCAR is a NV independent city."},
       {}},
      {"state", kMULTI, "K1ABC", {"MA"}, "MA", nullptr, {}, {}},
      {"miss",
       kMULTI,
       "K1ABC",
       {"AKTHR"},
       nullptr,
       nullptr,
       {},
       {"K1ABC on 20240504 at 1432: AKTHR is not a valid state/province/county."}},
  };
  for (const Case& c : cases) expectCase(c);
}

TEST(ValidateStateCounty, PartiesWithTheSponsorsOwnLists) {
  struct Party {
    const char* code;    // the party's state or province
    const char* key;     // a county, region or district key of its table
    const char* county;  // the name the county column shows
    const char* wrong;   // a text no table of the party holds, such as an older list's key
  };
  const Party parties[] = {
      {"AR", "ARK", "Arkansas", "ARKA"},
      {"BC", "WVS", "West Vancouver-Sunsh", "NWB"},
      {"CT", "NAU", "Naugatuck Valley", "FFD"},
      {"DE", "SDE", "Sussex", "KEN"},
      {"HI", "VOL", "Volcano Park", "HAWA"},
      {"ID", "ADA", "Ada", "IDADA"},
      {"LA", "SJB", "St. John the Baptist", "ORL"},
      {"MD", "WDC", "District of Columbia", "BCO"},
      {"ME", "ARO", "Aroostook", "AROO"},
      {"MS", "JAS", "Jasper", "JAX"},
      {"MT", "YEL", "Yellowstone", "MTYEL"},
      {"ND", "GFK", "Grand Forks", "GRF"},
      {"NE", "COLF", "Colfax", "CLOF"},
      {"NH", "COO", "Coos", "COOS"},
      {"NJ", "MIDD", "Middlesex", "MID"},
      {"OK", "OKL", "Oklahoma", "OKC"},
      {"ON", "DUR", "Durham", "OTW"},
      {"OR", "MUL", "Multnomah", "ORMUL"},
      {"QC", "GIM", "Gaspesie-Iles-de-la", "QC"},
      {"RI", "PRO", "Providence", "PRV"},
      {"SC", "YORK", "York", "YRK"},
      {"UT", "SAL", "Salt Lake", "UTSAL"},
      {"VT", "CHI", "Chittenden", "WND"},
      {"WV", "KAN", "Kanawha", "WVKAN"},
      {"WY", "ALB", "Albany", "WYALB"},
  };
  for (const Party& p : parties) {
    const StateNumber n = findStateNumber(p.code);
    const std::string wrong =
        std::string("K1ABC on 20240504 at 1432: ") + p.wrong + " is not a valid state/province/county.";
    // The chosen exchange comes before a CNTY in ADIF's own "state,county" form.
    expectCase({p.code, n, "K1ABC", {"", "XX,NAME"}, p.code, p.county, {}, {}, p.key});
    expectCase({p.code, n, "K1ABC", {"NY"}, "NY", nullptr, {}, {}, "NY"});
    expectCase({p.code, n, "K1ABC", {p.wrong}, nullptr, nullptr, {}, {wrong}, p.wrong});
  }
  expectCase({"fields without an exchange", findStateNumber("VT"), "K1ABC", {"", "CHI"}, "VT", "Chittenden", {}, {}});
  const Lines quebec = {"VE2ABC on 20240504 at 1432: PQ is not a valid state/province/county."};
  expectCase({"QC itself, from inside", findStateNumber("QC"), "VE2ABC", {"PQ"}, nullptr, nullptr, {}, quebec, "PQ"});
  expectCase({"another province", findStateNumber("QC"), "VE3ABC", {"ON"}, nullptr, nullptr, {}, {}, "ON"});
  expectCase({"DC counts as MD", findStateNumber("BC"), "K3ABC", {"DC"}, "MD", nullptr, {}, {}, "DC"});
}

TEST(ValidateStateCounty, UnsupportedParties) {
  const Case cases[] = {
      {"state without party",
       0,
       "K1ABC",
       {"AUTA"},
       nullptr,
       nullptr,
       {"AK is unsupported at this time."},
       {"K1ABC on 20240504 at 1432: AUTA is not a valid state/province/county."}},
      {"MARAC", 50, "K1ABC", {"MA"}, "MA", nullptr, {"MARAC is unsupported at this time."}, {}},
      {"USCQP", 55, "VE3ABC", {"ON"}, nullptr, nullptr, {"USCQP is unsupported at this time."}, {}},
      {"MA", 18, "K1ABC", {"MDC"}, "MD", nullptr, {"MA is unsupported at this time."}, {}},
      {"no text, no warning", 52, "K1ABC", {}, nullptr, nullptr, {}, {}},
  };
  for (const Case& c : cases) expectCase(c);
}

TEST(ValidateStateCounty, UnsupportedWarningComesWithEveryContact) {
  QsoRecord record{};
  std::strcpy(record.call, "K1ABC");
  std::strcpy(record.exchange1, "NY");
  ConversionJob job;
  job.stateNumber = 50;
  MessageLists lists;
  EXPECT_STREQ(validateStateCounty(lists, record, job, nullptr).state, "NY");
  EXPECT_STREQ(validateStateCounty(lists, record, job, nullptr).state, "NY");
  EXPECT_EQ(lists.lines[kWarningsList],
            (Lines{"MARAC is unsupported at this time.", "MARAC is unsupported at this time."}));
}

TEST(ValidateStateCounty, NoPartyChosenFallsThroughWithoutWarning) {
  // The dialog never converts without a party; should it happen, the text is still placed.
  const Case c{"none", -1, "K1ABC", {"ZZZ"}, nullptr, nullptr, {}, {kInvalid}};
  expectCase(c);
}

}  // namespace
