// The ADIF contest ids (the CONTEST_ID field) that name a contest of the catalogue.
#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/contest_kind.h"
#include "refdata/contest_choice.h"
#include "refdata/state_table.h"

// One mapped contest id, as the data file names its contest and party.
struct ContestIdRow {
  const char* key;        // the id with its letters a-z upper-cased, as the lookup compares it
  const char* catalogue;  // catalogue name of the contest the id names
  const char* party;      // StateTable code of a State QSO Party's state; empty for any other contest
};

// The mapped ids, strictly ascending in byte order of their upper-cased keys.
struct ContestIdTable {
  const ContestIdRow* rows;  // first row
  size_t count;              // number of rows searched
};

// The contest an ADIF contest id names, compared without regard to ASCII letter case once
// surrounding blanks are removed ("cq-wpx-cw ", "FL-QSO-PARTY" with state FL).
// Returns nullopt for an id the table leaves unmapped, an unknown id and the blank id.
std::optional<ContestChoice> findContestId(std::string_view id);
