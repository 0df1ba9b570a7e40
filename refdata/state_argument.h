// The state or party named by a typed text: the dialog's State box and the command line's --state.
#pragma once
#include <string_view>

#include "refdata/state_table.h"

// Surrounding blanks removed, the text is compared in any letter case with the code and the name
// of every row of the state table ("oh", " Ohio ", "neqp", "7/in/ne/marac", "VT").
// Returns -1 when the text names no state.
StateNumber parseStateArgument(std::string_view text);
