#include "refdata/state_table.h"

#include <algorithm>
#include <iterator>
#include <string_view>

const StateRow StateTable[kStateCount] = {
    {"AK", "Alaska"},
    {"AL", "Alabama"},
    {"AR", "Arkansas"},
    {"AZ", "Arizona"},
    {"CA", "California"},
    {"CO", "Colorado"},
    {"CT", "Connecticut"},
    {"DE", "Delaware"},
    {"FL", "Florida"},
    {"GA", "Georgia"},
    {"HI", "Hawaii"},
    {"IA", "Iowa"},
    {"ID", "Idaho"},
    {"IL", "Illinois"},
    {"IN", "Indiana"},
    {"KS", "Kansas"},
    {"KY", "Kentucky"},
    {"LA", "Louisiana"},
    {"MA", "Massachusetts"},
    {"MD", "Maryland"},
    {"ME", "Maine"},
    {"MI", "Michigan"},
    {"MN", "Minnesota"},
    {"MO", "Missouri"},
    {"MS", "Mississippi"},
    {"MT", "Montana"},
    {"NC", "North Carolina"},
    {"ND", "North Dakota"},
    {"NE", "Nebraska"},
    {"NH", "New Hampshire"},
    {"NJ", "New Jersey"},
    {"NM", "New Mexico"},
    {"NV", "Nevada"},
    {"NY", "New York"},
    {"OH", "Ohio"},
    {"OK", "Oklahoma"},
    {"OR", "Oregon"},
    {"PA", "Pennsylvania"},
    {"RI", "Rhode Island"},
    {"SC", "South Carolina"},
    {"SD", "South Dakota"},
    {"TN", "Tennessee"},
    {"TX", "Texas"},
    {"UT", "Utah"},
    {"VA", "Virginia"},
    {"VT", "Vermont"},
    {"WA", "Washington"},
    {"WI", "Wisconsin"},
    {"WV", "West Virginia"},
    {"WY", "Wyoming"},
    // The multi-state parties: reached by number only, never searched by code.
    {"MARAC", "MARAC CW Contest"},
    {"MAQP", "Mid-Atlantic QSO Party"},
    {"NAQP", "North American QSO Party"},
    {"NEQP", "New England QSO Party"},
    {"7QP", "7-Land QSO Party"},
    {"USCQP", "US Counties QSO Party"},
    {"MULTI", "7/IN/NE/MARAC"},
    // The provinces with a party of their own: reached by number only too, since a received
    // province is no state.
    {"BC", "British Columbia"},
    {"ON", "Ontario"},
    {"QC", "Quebec"},
};

const char* stateCodeOf(StateNumber n) {
  if (n < 0 || n >= kStateCount) return nullptr;
  return StateTable[n].code;
}

const char* stateNameOf(StateNumber n) {
  if (n < 0 || n >= kStateCount) return nullptr;
  return StateTable[n].name;
}

const char* findStateCode(const char* text) {
  if (text == nullptr) return nullptr;
  const std::string_view code = text;
  // Only the 50 states are searched: the party rows would break the bisection, and a province
  // is no state.
  const StateRow* end = StateTable + kUsStateCount;
  const StateRow* row =
      std::lower_bound(StateTable, end, code, [](const StateRow& r, std::string_view c) { return r.code < c; });
  return row != end && row->code == code ? row->code : nullptr;
}

StateNumber findStateNumber(const char* codeOrName) {
  if (codeOrName == nullptr) return -1;
  const std::string_view text = codeOrName;
  const StateRow* row = std::find_if(std::begin(StateTable), std::end(StateTable),
                                     [text](const StateRow& r) { return r.code == text || r.name == text; });
  return row != std::end(StateTable) ? static_cast<StateNumber>(row - StateTable) : -1;
}
