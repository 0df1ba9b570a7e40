#include "core/contest_table.h"

#include <cstring>
#include <iterator>
#include <string_view>

namespace {

// Sets one column of a row.
template <typename T>
constexpr ContestRow with(ContestRow row, T ContestRow::*column, T value) {
  row.*column = value;
  return row;
}

// A row under construction: code, name and candidates first, then one call per column that
// is particular to the contest.
struct Row {
  ContestRow row;

  constexpr Row rtty(CandidateList candidates) const { return {with(row, &ContestRow::rttyCandidates, candidates)}; }
  constexpr Row exchange(ExchangeRule rule) const { return {with(row, &ContestRow::exchange, rule)}; }
  constexpr Row zone(ZoneRule rule) const { return {with(row, &ContestRow::zone, rule)}; }
  constexpr Row name(NameRule rule) const { return {with(row, &ContestRow::operatorName, rule)}; }
  constexpr Row serial() const { return {with(row, &ContestRow::serial, true)}; }
  constexpr Row mode(ModeRule rule) const { return {with(row, &ContestRow::mode, rule)}; }
  constexpr Row state(StateRule rule) const { return {with(row, &ContestRow::state, rule)}; }
  constexpr Row award(const char* kind, AwardValue value) const {
    return {with(row, &ContestRow::award, AwardRule{kind, value})};
  }
  constexpr Row note(NoteItem item) const { return {with(row, &ContestRow::noteItem, item)}; }
  constexpr Row needsState() const { return {with(row, &ContestRow::needsState, true)}; }
  constexpr Row countsCalls() const { return {with(row, &ContestRow::countsCalls, true)}; }
  constexpr operator ContestRow() const { return row; }  // NOLINT: rows convert into the table
};

constexpr Row contest(ContestKind kind, const char* name, CandidateList candidates) {
  Row r{};
  r.row.kind = kind;
  r.row.name = name;
  r.row.candidates = candidates;
  return r;
}

using K = ContestKind;

constexpr ContestRow kContests[] = {
    contest(K::AllAsia, "All Asia", {kExchange1, kAge, kSrx}),
    contest(K::Arrl10, "ARRL 10", {kExchange1, kQth}).state(StateRule::UsStateExchange),
    contest(K::Arrl160, "ARRL 160", {kExchange1, kArrlSect}).state(StateRule::SectionExchange),
    contest(K::ArrlDx, "ARRL DX", {kRxPwr, kQth, kState, kSrx}).state(StateRule::ArrlDx),
    contest(K::ArrlFieldDay, "ARRL Field Day", {kExchange1, kClass})
        .exchange(ExchangeRule::CandidatesElseSrxClass)
        .state(StateRule::FieldDaySection)
        .note(NoteItem::FieldDay),
    contest(K::ArrlRttyRoundUp, "ARRL RTTY Round-Up", {kExchange1, kQth, kSrx})
        .serial()
        .mode(ModeRule::RoundUp)
        .state(StateRule::UsStateExchange),
    contest(K::ArrlSweepstakes, "ARRL Sweepstakes", {kSrx})
        .serial()
        .state(StateRule::SweepstakesSection)
        .note(NoteItem::Sweepstakes),
    contest(K::ArrlVhf, "ARRL VHF", {kGrid}),
    contest(K::Bartg, "BARTG", {kSrx}).serial(),
    contest(K::BartgSprint, "BARTG Sprint", {kSrx}).serial(),
    contest(K::Cq160, "CQ 160", {kExchange1, kQth, kSrx}).zone(ZoneRule::Exchange).state(StateRule::UsStateExchange),
    contest(K::CqWpx, "CQ WPX", {kSrx}).serial(),
    // On RTTY stations send a state or province where other modes send the zone.
    contest(K::CqWw, "CQ WW", {kSrx, kCqz})
        .rtty({kState, kQth, kSrx, kCqz})
        .zone(ZoneRule::CqzElseSrx)
        .state(StateRule::UsStateExchange),
    contest(K::CwOpen, "CW Open", {kSrx}).name(NameRule::RxExchElseName),
    contest(K::CwOpsMiniCwt, "CW Ops Mini-CWT", {kExchange1, kRcvd})
        .countsCalls()
        .name(NameRule::Name)
        .state(StateRule::CwOpsMember)
        .award("CWOP", AwardValue::MemberNumber),
    contest(K::DlDxRtty, "DL-DX RTTY Contest", {kSrx}).serial(),
    contest(K::DrcgLongDistance, "DRCG Long Distance Contest", {kExchange1, kExchTime}).zone(ZoneRule::Cqz),
    contest(K::EaRtty, "EA RTTY", {kExchange1, kRcvd}).award("EAPV", AwardValue::TextExchange),
    contest(K::HaDx, "HA-DX", {kExchange1, kRcvd, kSrx}).award("WHAP", AwardValue::TextExchange),
    contest(K::IaruHf, "IARU HF World Championship", {kZone, kItuz, kHq}),
    contest(K::Iota, "Islands on the Air (IOTA)", {kSrx}).serial(),
    contest(K::JapanIntlDx, "Japan Int'l DX", {kExchange1, kRcvd, kSrx}).award("JAPR", AwardValue::Prefecture),
    contest(K::Jarts, "JARTS", {kAge}),
    contest(K::MakrothenRtty, "Makrothen RTTY", {kGrid}),
    contest(K::ManchesterMineira, "Manchester Mineira", {kSection}),
    contest(K::MaritimeQsoParty, "Maritime QSO Party", {kExchange1, kRcvd, kCnty})
        .state(StateRule::MaritimeCounty)
        .award("MCTY", AwardValue::MaritimeCounty),
    contest(K::Naqp, "NAQP", {kState, kVeProv, kExchange1, kQth}).name(NameRule::Name).state(StateRule::ByPrefix),
    contest(K::NaSprint, "NA Sprint", {kSrx}).name(NameRule::Name).serial().state(StateRule::ByPrefix),
    contest(K::OceaniaDx, "Oceania DX Contest", {kSrx}).serial(),
    contest(K::RacCanada, "RAC Canada Contests", {kRcvd, kState, kSrx}).serial(),
    contest(K::Rda, "RDA Contest", {}).exchange(ExchangeRule::RdaDistrict).award("RDA", AwardValue::Cnty),
    contest(K::Ref, "REF Contest", {kExchange1, kRcvd, kSrx}).award("FDEP", AwardValue::NumberExchange),
    contest(K::RussianDx, "Russian DX Contest", {kExchange1, kRcvd, kSrx}).award("OBLA", AwardValue::TextExchange),
    contest(K::SccRtty, "SCC RTTY Championship", {kExchange1, kYear}),
    contest(K::SpDx, "SP DX Contest", {kExchange1, kRcvd}),
    // The candidates, name and serial are the party's: see kParties.
    contest(K::StateQsoParty, "State QSO Party", {}).needsState().state(StateRule::PartyCounty),
    contest(K::StewPerry, "Stew Perry TBDC", {kGrid}),
    contest(K::TaraGridDip, "TARA Grid Dip", {kGrid}),
    contest(K::TaraMelee, "TARA Melee", {kQth}).state(StateRule::ByPrefix),
    contest(K::Uba, "UBA", {kSrx}).serial().award("WABP", AwardValue::Prov),
    contest(K::UkDx, "UK DX Contest", {kExchange1, kGrid}),
    contest(K::VkShires, "VK Shires", {kSrx}).award("AVKS", AwardValue::TextExchange),
    contest(K::VoltaRtty, "VOLTA RTTY Contest", {kSrx, kRcvd}).zone(ZoneRule::Cqz).serial(),
    contest(K::WorkedAllEurope, "Worked All Europe", {kSrx}).serial(),
    // A missing DOK still marks the contact for the award, with a blank value.
    contest(K::WorkedAllGermany, "Worked All Germany", {kExchange1, kDok}).award("DOK", AwardValue::NonNumber),
};

// Row n holds contest n, so a code indexes the table. The county validation reads the job's
// party, so a contest that checks the county needs the state, and only such a contest.
constexpr bool rowsInCodeOrder() {
  for (int32_t code = 0; code < kContestCount; ++code) {
    const ContestRow& row = kContests[code];
    if (row.kind != static_cast<ContestKind>(code)) return false;
    if (row.needsState != (row.state == StateRule::PartyCounty)) return false;
  }
  return true;
}
static_assert(std::size(kContests) == static_cast<size_t>(kContestCount) && rowsInCodeOrder(),
              "one row per contest, in code order; a state for every county check");

constexpr const ContestRow& kStateQsoParty = kContests[static_cast<size_t>(K::StateQsoParty)];

// A party plays by the State QSO Party's row with its own candidates; name and serial are
// added as for a contest.
constexpr Row party(const char* code, CandidateList candidates) {
  Row r{kStateQsoParty};
  r.row.party = code;
  r.row.candidates = candidates;
  return r;
}

// The parties whose exchange differs from the common one; each code is a state table code.
constexpr ContestRow kParties[] = {
    party("CA", {kSrx}).serial(),
    party("MI", {kSrx}).serial(),
    party("OH", {kSrx}).serial(),
    party("VA", {kSrx}).serial(),
    party("CO", {kQth}).name(NameRule::Name),
    party("FL", {kExchange1, kCnty, kQth}),
    party("IN", {kExchange1, kQth}),
    party("7QP", {kExchange1, kQth}),
    party("MN", {kExchange1, kQth}).name(NameRule::Name),
    party("NM", {kExchange1, kRcvd}).name(NameRule::Name),
    party("MULTI", {kExchange1, kCnty, kRcvd, kQth}),
};

// Every party without a row above.
constexpr ContestRow kOtherParty = party("", {kExchange1, kRcvd});

// Each party has a code, candidates and one row.
constexpr bool partiesDistinct() {
  for (size_t i = 0; i < std::size(kParties); ++i) {
    if (*kParties[i].party == '\0' || kParties[i].candidates[0] == nullptr) return false;
    for (size_t j = 0; j < i; ++j) {
      if (std::string_view(kParties[i].party) == kParties[j].party) return false;
    }
  }
  return true;
}
static_assert(partiesDistinct(), "one row per party, with a code and candidates");

// The row of a contest in the catalogue. Returns nullptr for any other code.
const ContestRow* contestRow(ContestKind contest) {
  const int32_t code = static_cast<int32_t>(contest);
  if (code < 0 || code >= kContestCount) return nullptr;
  return &kContests[code];
}

}  // namespace

bool contestNeedsState(ContestKind contest) {
  const ContestRow* row = contestRow(contest);
  return row != nullptr && row->needsState;
}

ContestRules contestRules(ContestKind contest, const char* partyCode) {
  const ContestRow* row = contestRow(contest);
  if (row == nullptr) return {};
  if (!row->needsState) return {*row};
  if (partyCode != nullptr) {
    for (const ContestRow& party : kParties) {
      if (std::strcmp(party.party, partyCode) == 0) return {party};
    }
  }
  return {kOtherParty};
}

const char* contestName(int32_t code) {
  const ContestRow* row = contestRow(static_cast<ContestKind>(code));
  return row != nullptr ? row->name : nullptr;
}
