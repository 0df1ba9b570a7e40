// The dialog's State QSO Party pick list: which rows of the state table it offers, in what order.
#pragma once
#include <cstdint>

#include "refdata/state_table.h"

// Number of entries in the dialog's state list.
constexpr int32_t kStatePickCount = 54;

// The StateNumber at a position of the dialog's state list, 0 to 53. Returns -1 for any other.
StateNumber statePickListEntry(int32_t position);

// The position of a StateNumber in the dialog's state list. Returns -1 for a state it does not offer.
int32_t statePickListPosition(StateNumber state);
