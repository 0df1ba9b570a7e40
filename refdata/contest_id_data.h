// The table of mapped contest ids as a constant array, generated at build time from
// refdata/data/contest_ids.csv. Internal to refdata/: other code uses findContestId.
#pragma once
#include "refdata/contest_ids.h"

// The mapped ids, upper-cased and sorted.
extern const ContestIdTable ContestIds;
