#include "core/contest_table.h"

#include <iterator>

namespace {

// CQ WW on RTTY, the CW Open name, the RDA district and the State QSO Party are handled by the
// exchange selection on top of their rows here.
constexpr ContestRow kContests[] = {
    {ContestKind::AllAsia, "All Asia", {kExchange1, kAge, kSrx}, ZoneRule::None, nullptr, false},
    {ContestKind::Arrl10, "ARRL 10", {kExchange1, kQth}, ZoneRule::None, nullptr, false},
    {ContestKind::Arrl160, "ARRL 160", {kExchange1, kArrlSect}, ZoneRule::None, nullptr, false},
    {ContestKind::ArrlDx, "ARRL DX", {kRxPwr, kQth, kState, kSrx}, ZoneRule::None, nullptr, false},
    {ContestKind::ArrlFieldDay, "ARRL Field Day", {kExchange1, kClass}, ZoneRule::None, nullptr, false},
    {ContestKind::ArrlRttyRoundUp, "ARRL RTTY Round-Up", {kExchange1, kQth, kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::ArrlSweepstakes, "ARRL Sweepstakes", {kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::ArrlVhf, "ARRL VHF", {kGrid}, ZoneRule::None, nullptr, false},
    {ContestKind::Bartg, "BARTG", {kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::BartgSprint, "BARTG Sprint", {kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::Cq160, "CQ 160", {kExchange1, kQth, kSrx}, ZoneRule::Exchange, nullptr, false},
    {ContestKind::CqWpx, "CQ WPX", {kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::CqWw, "CQ WW", {kSrx, kCqz}, ZoneRule::CqzElseSrx, nullptr, false},
    {ContestKind::CwOpen, "CW Open", {kSrx}, ZoneRule::None, nullptr, false},
    {ContestKind::CwOpsMiniCwt, "CW Ops Mini-CWT", {kExchange1, kRcvd}, ZoneRule::None, kName, false},
    {ContestKind::DlDxRtty, "DL-DX RTTY Contest", {kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::DrcgLongDistance,
     "DRCG Long Distance Contest",
     {kExchange1, kExchTime},
     ZoneRule::Cqz,
     nullptr,
     false},
    {ContestKind::EaRtty, "EA RTTY", {kExchange1, kRcvd}, ZoneRule::None, nullptr, false},
    {ContestKind::HaDx, "HA-DX", {kExchange1, kRcvd, kSrx}, ZoneRule::None, nullptr, false},
    {ContestKind::IaruHf, "IARU HF World Championship", {kZone, kItuz, kHq}, ZoneRule::None, nullptr, false},
    {ContestKind::Iota, "Islands on the Air (IOTA)", {kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::JapanIntlDx, "Japan Int'l DX", {kExchange1, kRcvd, kSrx}, ZoneRule::None, nullptr, false},
    {ContestKind::Jarts, "JARTS", {kAge}, ZoneRule::None, nullptr, false},
    {ContestKind::MakrothenRtty, "Makrothen RTTY", {kGrid}, ZoneRule::None, nullptr, false},
    {ContestKind::ManchesterMineira, "Manchester Mineira", {kSection}, ZoneRule::None, nullptr, false},
    {ContestKind::MaritimeQsoParty, "Maritime QSO Party", {kExchange1, kRcvd, kCnty}, ZoneRule::None, nullptr, false},
    {ContestKind::Naqp, "NAQP", {kState, kVeProv, kExchange1, kQth}, ZoneRule::None, kName, false},
    {ContestKind::NaSprint, "NA Sprint", {kSrx}, ZoneRule::None, kName, true},
    {ContestKind::OceaniaDx, "Oceania DX Contest", {kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::RacCanada, "RAC Canada Contests", {kRcvd, kState, kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::Rda, "RDA Contest", {}, ZoneRule::None, nullptr, false},
    {ContestKind::Ref, "REF Contest", {kExchange1, kRcvd, kSrx}, ZoneRule::None, nullptr, false},
    {ContestKind::RussianDx, "Russian DX Contest", {kExchange1, kRcvd, kSrx}, ZoneRule::None, nullptr, false},
    {ContestKind::SccRtty, "SCC RTTY Championship", {kExchange1, kYear}, ZoneRule::None, nullptr, false},
    {ContestKind::SpDx, "SP DX Contest", {kExchange1, kRcvd}, ZoneRule::None, nullptr, false},
    {ContestKind::StateQsoParty, "State QSO Party", {}, ZoneRule::None, nullptr, false},
    {ContestKind::StewPerry, "Stew Perry TBDC", {kGrid}, ZoneRule::None, nullptr, false},
    {ContestKind::TaraGridDip, "TARA Grid Dip", {kGrid}, ZoneRule::None, nullptr, false},
    {ContestKind::TaraMelee, "TARA Melee", {kQth}, ZoneRule::None, nullptr, false},
    {ContestKind::Uba, "UBA", {kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::UkDx, "UK DX Contest", {kExchange1, kGrid}, ZoneRule::None, nullptr, false},
    {ContestKind::VkShires, "VK Shires", {kSrx}, ZoneRule::None, nullptr, false},
    {ContestKind::VoltaRtty, "VOLTA RTTY Contest", {kSrx, kRcvd}, ZoneRule::Cqz, nullptr, true},
    {ContestKind::WorkedAllEurope, "Worked All Europe", {kSrx}, ZoneRule::None, nullptr, true},
    {ContestKind::WorkedAllGermany, "Worked All Germany", {kExchange1, kDok}, ZoneRule::None, nullptr, false},
};

// Row n holds contest n, so a code indexes the table.
constexpr bool rowsInCodeOrder() {
  for (int32_t code = 0; code < kContestCount; ++code) {
    if (kContests[code].kind != static_cast<ContestKind>(code)) return false;
  }
  return true;
}
static_assert(std::size(kContests) == static_cast<size_t>(kContestCount) && rowsInCodeOrder(),
              "one row per contest, in code order");

}  // namespace

const ContestRow* contestRow(ContestKind contest) {
  const int32_t code = static_cast<int32_t>(contest);
  if (code < 0 || code >= kContestCount) return nullptr;
  return &kContests[code];
}

const char* contestName(int32_t code) {
  const ContestRow* row = contestRow(static_cast<ContestKind>(code));
  return row != nullptr ? row->name : nullptr;
}
