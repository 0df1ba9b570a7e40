#include "refdata/state_pick_list.h"

#include <algorithm>

namespace {

// The parties the dialog's state list offers, in display order: the single-state and
// provincial parties by name, then the multi-state ones.
const StateNumber StatePickList[kStatePickCount] = {
    1,   // AL
    3,   // AZ
    2,   // AR
    57,  // BC
    4,   // CA
    5,   // CO
    6,   // CT
    7,   // DE
    8,   // FL
    9,   // GA
    10,  // HI
    12,  // ID
    13,  // IL
    14,  // IN
    11,  // IA
    15,  // KS
    16,  // KY
    17,  // LA
    20,  // ME
    19,  // MD
    21,  // MI
    22,  // MN
    24,  // MS
    23,  // MO
    25,  // MT
    28,  // NE
    32,  // NV
    29,  // NH
    30,  // NJ
    31,  // NM
    33,  // NY
    26,  // NC
    27,  // ND
    34,  // OH
    35,  // OK
    58,  // ON
    36,  // OR
    37,  // PA
    59,  // QC
    38,  // RI
    39,  // SC
    40,  // SD
    41,  // TN
    42,  // TX
    43,  // UT
    45,  // VT
    44,  // VA
    46,  // WA
    48,  // WV
    47,  // WI
    49,  // WY
    54,  // 7QP
    53,  // NEQP
    56,  // MULTI
};

}  // namespace

StateNumber statePickListEntry(int32_t position) {
  if (position < 0 || position >= kStatePickCount) return -1;
  return StatePickList[position];
}

int32_t statePickListPosition(StateNumber state) {
  const StateNumber* const end = StatePickList + kStatePickCount;
  const StateNumber* const found = std::find(StatePickList, end, state);
  return found != end ? static_cast<int32_t>(found - StatePickList) : -1;
}
