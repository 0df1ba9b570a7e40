#include "refdata/sections.h"

#include <algorithm>
#include <iterator>
#include <string_view>

// Canadian sections and the US territories (PAC, PR, VI) lie in no state: the empty text.
// Canada's newer sections stand beside the older ones (MAR, NT, ON), which older logs still
// carry; Yukon's is written both YT and YUK.
const SectionRow SectionTable[kSectionCount] = {
    {"AB", ""},    {"AK", "AK"},  {"AL", "AL"},  {"AR", "AR"},  {"AZ", "AZ"},  {"BC", ""},    {"CO", "CO"},
    {"CT", "CT"},  {"DE", "DE"},  {"EB", "CA"},  {"EMA", "MA"}, {"ENY", "NY"}, {"EPA", "PA"}, {"EWA", "WA"},
    {"GA", "GA"},  {"GH", ""},    {"GTA", ""},   {"HI", "HI"},  {"IA", "IA"},  {"ID", "ID"},  {"IL", "IL"},
    {"IN", "IN"},  {"KS", "KS"},  {"KY", "KY"},  {"LA", "LA"},  {"LAX", "CA"}, {"MAR", ""},   {"MB", ""},
    {"MDC", "MD"}, {"ME", "ME"},  {"MI", "MI"},  {"MN", "MN"},  {"MO", "MO"},  {"MS", "MS"},  {"MT", "MT"},
    {"NB", ""},    {"NC", "NC"},  {"ND", "ND"},  {"NE", "NE"},  {"NFL", "FL"}, {"NH", "NH"},  {"NL", ""},
    {"NLI", "NY"}, {"NM", "NM"},  {"NNJ", "NJ"}, {"NNY", "NY"}, {"NS", ""},    {"NT", ""},    {"NTX", "TX"},
    {"NV", "NV"},  {"OH", "OH"},  {"OK", "OK"},  {"ON", ""},    {"ONE", ""},   {"ONN", ""},   {"ONS", ""},
    {"OR", "OR"},  {"ORG", "CA"}, {"PAC", ""},   {"PE", ""},    {"PR", ""},    {"QC", ""},    {"RI", "RI"},
    {"SB", "CA"},  {"SC", "SC"},  {"SCV", "CA"}, {"SD", "SD"},  {"SDG", "CA"}, {"SF", "CA"},  {"SFL", "FL"},
    {"SJV", "CA"}, {"SK", ""},    {"SNJ", "NJ"}, {"STX", "TX"}, {"SV", "CA"},  {"TER", ""},   {"TN", "TN"},
    {"UT", "UT"},  {"VA", "VA"},  {"VI", ""},    {"VT", "VT"},  {"WCF", "FL"}, {"WI", "WI"},  {"WMA", "MA"},
    {"WNY", "NY"}, {"WPA", "PA"}, {"WTX", "TX"}, {"WV", "WV"},  {"WWA", "WA"}, {"WY", "WY"},  {"YT", ""},
    {"YUK", ""},
};

const char* sectionState(const char* text) {
  if (text == nullptr) return nullptr;
  const std::string_view section = text;
  const SectionRow* end = std::end(SectionTable);
  const SectionRow* row = std::lower_bound(std::begin(SectionTable), end, section,
                                           [](const SectionRow& r, std::string_view s) { return r.section < s; });
  return row != end && row->section == section ? row->state : nullptr;
}
