// Names close to a contest or state name that nothing matches, for a "did you mean".
#pragma once
#include <string_view>
#include <vector>

// At most five catalogue names close to the value, closest first. Both sides are reduced to
// their letters and digits, upper-cased ("cq-wpx" and "CQ WPX" both read CQWPX). A name is
// close when the reduced value is found in the reduced name, or the name in the value, with at
// most one edit (insert, delete, replace, or swap of neighbours) per four characters of what is
// looked for; so a text of 2 or 3 characters must be found unchanged.
// Ordered by that number of edits, then by the difference in reduced length, then by code.
// Returns an empty list when no name is close or the value has fewer than 2 letters and digits.
std::vector<const char*> closeContestNames(std::string_view value);

// At most three names of the dialog's state list close to the value, by the same rule; ties in
// list order. Returns an empty list when none is close.
std::vector<const char*> closeStateNames(std::string_view value);
