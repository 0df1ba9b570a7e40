#include "core/contest_kind.h"

namespace {

const char* const kContestNames[kContestCount] = {
    "All Asia",
    "ARRL 10",
    "ARRL 160",
    "ARRL DX",
    "ARRL Field Day",
    "ARRL RTTY Round-Up",
    "ARRL Sweepstakes",
    "ARRL VHF",
    "BARTG",
    "BARTG Sprint",
    "CQ 160",
    "CQ WPX",
    "CQ WW",
    "CW Open",
    "CW Ops Mini-CWT",
    "DL-DX RTTY Contest",
    "DRCG Long Distance Contest",
    "EA RTTY",
    "HA-DX",
    "IARU HF World Championship",
    "Islands on the Air (IOTA)",
    "Japan Int'l DX",
    "JARTS",
    "Makrothen RTTY",
    "Manchester Mineira",
    "Maritime QSO Party",
    "NAQP",
    "NA Sprint",
    "Oceania DX Contest",
    "RAC Canada Contests",
    "RDA Contest",
    "REF Contest",
    "Russian DX Contest",
    "SCC RTTY Championship",
    "SP DX Contest",
    "State QSO Party",
    "Stew Perry TBDC",
    "TARA Grid Dip",
    "TARA Melee",
    "UBA",
    "UK DX Contest",
    "VK Shires",
    "VOLTA RTTY Contest",
    "Worked All Europe",
    "Worked All Germany",
};

}  // namespace

const char* contestName(int32_t code) {
  if (code < 0 || code >= kContestCount) return nullptr;
  return kContestNames[code];
}
