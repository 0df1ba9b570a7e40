// The county tables of the state and provincial QSO parties.
#pragma once
#include <cstddef>
#include <optional>

#include "refdata/state_table.h"

// One row of a single-state (or provincial) county table.
struct CountyRow {
  const char* key;   // county abbreviation, letters A-Z only
  const char* name;  // county name as commonly written, at most 22 characters
};

// A single-state county table, sorted by key.
struct CountyTable {
  const CountyRow* rows;  // first row
  size_t count;           // number of rows searched
};

// One row of a multi-state county table.
struct PartyCountyRow {
  const char* key;    // party's county key
  const char* state;  // two-letter state code
  const char* name;   // county name
};

// A multi-state county table, sorted by key.
struct PartyCountyTable {
  const PartyCountyRow* rows;  // first row
  size_t count;                // number of rows searched
};

// A state and a county, both referring into the tables: a multi-state table's hit, or where a
// contact's received text was placed, with nullptr for a state or county column left blank.
struct StateCountyPair {
  const char* state = nullptr;   // two-letter state code
  const char* county = nullptr;  // county name
};

// The county name for a key of one single-state table. Returns nullptr on a miss.
const char* findCounty(const CountyTable& table, const char* text);

// The state and county for a key of one multi-state table. Returns nullopt on a miss.
std::optional<StateCountyPair> findPartyCounty(const PartyCountyTable& table, const char* text);

// Where a single-state party's validation finds the text it places.
enum class ReceivedText {
  FirstField,     // the first non-empty of APP_N1MM_EXCHANGE1, CNTY, RCVD and QTH
  ExchangeFirst,  // the exchange as chosen (SRX_STRING's last word when its fields are empty), else as FirstField
};

// A single-state or provincial party: its county table and how its contacts are read.
struct SingleStateParty {
  StateNumber state;         // StateTable row of the party's state or province
  const CountyTable* table;  // its county table
  ReceivedText received;     // where the placed text comes from
  bool ownCodeRefused;       // its own code is no exchange: stations inside send their region
  bool dcCountsAsMaryland;   // a station in DC may send DC, which counts as MD
};

// The party of a state or province with a county table. Returns nullptr for any other row.
const SingleStateParty* singleStatePartyOf(StateNumber state);

// The county table of a single-state or provincial party. Returns nullptr for a state without one.
const CountyTable* countyTableOf(StateNumber state);

// The New England QSO Party table (134 rows).
const PartyCountyTable& neqpCounties();
// The 7th-area QSO Party table (258 rows).
const PartyCountyTable& sevenQpCounties();
// The counties of all 50 states (3077 rows).
const PartyCountyTable& allStatesCounties();
