#include "refdata/state_table.h"

#include "refdata/compare_text.h"
#include "refdata/table_search.h"

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
};

namespace {
const char* codeOf(const StateRow& row) { return row.code; }
}  // namespace

const char* stateCodeOf(StateNumber n) {
  if (n < 0 || n >= kStateCount) return nullptr;
  return StateTable[n].code;
}

const char* stateNameOf(StateNumber n) {
  if (n < 0 || n >= kStateCount) return nullptr;
  return StateTable[n].name;
}

const char* findStateCode(const char* text) {
  // Only the 50 states are in code order; the party rows would break the bisection.
  const StateRow* row = bisectRows(StateTable, static_cast<size_t>(kUsStateCount), text, codeOf);
  return row != nullptr ? row->code : nullptr;
}

StateNumber findStateNumber(const char* codeOrName) {
  if (codeOrName == nullptr) return -1;
  for (StateNumber n = 0; n < kStateCount; ++n) {
    if (compareText(codeOrName, StateTable[n].code) == 0 || compareText(codeOrName, StateTable[n].name) == 0) {
      return n;
    }
  }
  return -1;
}
