#include "refdata/state_pick_list.h"

#include <algorithm>

namespace {

// The parties the dialog's state list offers, in display order.
const StateNumber StatePickList[kStatePickCount] = {
    1,   // AL
    3,   // AZ
    4,   // CA
    5,   // CO
    8,   // FL
    9,   // GA
    13,  // IL
    14,  // IN
    11,  // IA
    15,  // KS
    16,  // KY
    21,  // MI
    22,  // MN
    23,  // MO
    32,  // NV
    31,  // NM
    33,  // NY
    26,  // NC
    34,  // OH
    37,  // PA
    40,  // SD
    41,  // TN
    42,  // TX
    44,  // VA
    46,  // WA
    47,  // WI
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
