// The contest named by the value of the command line's --contest option.
#pragma once
#include <optional>
#include <string_view>

#include "refdata/contest_choice.h"

// Surrounding blanks removed, the value is tried as, in this order: a catalogue name in any
// letter case ("cq wpx"), a contest code in decimal digits ("11", "011"), and a mapped ADIF
// contest id ("CQ-WPX-CW"; a State QSO Party id also gives its state, "fl-qso-party").
// Returns nullopt for any other value.
std::optional<ContestChoice> parseContestArgument(std::string_view value);
