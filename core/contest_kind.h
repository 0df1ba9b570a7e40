// The contest catalogue: the contests a log can come from, in the order the dialog lists them.
#pragma once
#include <cstdint>

// A contest code is the index of the contest in the catalogue.
enum class ContestKind : int32_t {
  None = -1,               // no contest chosen yet
  AllAsia = 0,             // "All Asia"
  Arrl10 = 1,              // "ARRL 10"
  Arrl160 = 2,             // "ARRL 160"
  ArrlDx = 3,              // "ARRL DX"
  ArrlFieldDay = 4,        // "ARRL Field Day"
  ArrlRttyRoundUp = 5,     // "ARRL RTTY Round-Up"
  ArrlSweepstakes = 6,     // "ARRL Sweepstakes"
  ArrlVhf = 7,             // "ARRL VHF"
  Bartg = 8,               // "BARTG"
  BartgSprint = 9,         // "BARTG Sprint"
  Cq160 = 10,              // "CQ 160"
  CqWpx = 11,              // "CQ WPX"
  CqWw = 12,               // "CQ WW"
  CwOpen = 13,             // "CW Open"
  CwOpsMiniCwt = 14,       // "CW Ops Mini-CWT": the driver also counts unique callsigns
  DlDxRtty = 15,           // "DL-DX RTTY Contest"
  DrcgLongDistance = 16,   // "DRCG Long Distance Contest"
  EaRtty = 17,             // "EA RTTY"
  HaDx = 18,               // "HA-DX"
  IaruHf = 19,             // "IARU HF World Championship"
  Iota = 20,               // "Islands on the Air (IOTA)"
  JapanIntlDx = 21,        // "Japan Int'l DX"
  Jarts = 22,              // "JARTS"
  MakrothenRtty = 23,      // "Makrothen RTTY"
  ManchesterMineira = 24,  // "Manchester Mineira"
  MaritimeQsoParty = 25,   // "Maritime QSO Party"
  Naqp = 26,               // "NAQP"
  NaSprint = 27,           // "NA Sprint"
  OceaniaDx = 28,          // "Oceania DX Contest"
  RacCanada = 29,          // "RAC Canada Contests"
  Rda = 30,                // "RDA Contest"
  Ref = 31,                // "REF Contest"
  RussianDx = 32,          // "Russian DX Contest"
  SccRtty = 33,            // "SCC RTTY Championship"
  SpDx = 34,               // "SP DX Contest"
  StateQsoParty = 35,      // "State QSO Party": needs a state; counties checked per party
  StewPerry = 36,          // "Stew Perry TBDC"
  TaraGridDip = 37,        // "TARA Grid Dip"
  TaraMelee = 38,          // "TARA Melee"
  Uba = 39,                // "UBA"
  UkDx = 40,               // "UK DX Contest"
  VkShires = 41,           // "VK Shires"
  VoltaRtty = 42,          // "VOLTA RTTY Contest"
  WorkedAllEurope = 43,    // "Worked All Europe"
  WorkedAllGermany = 44,   // "Worked All Germany"
};

// Number of contests in the catalogue.
constexpr int32_t kContestCount = 45;

// The name the dialog shows for a contest code 0 to 44 (from the contest table).
// Returns nullptr for any other code.
const char* contestName(int32_t code);
