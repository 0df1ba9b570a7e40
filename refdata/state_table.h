// US states, the multi-state QSO parties and the provinces with a party of their own, by StateNumber.
#pragma once
#include <cstdint>

// Row of the state table: 0-49 the US states in postal-code order, 50-56 the multi-state parties,
// 57-59 the provinces whose QSO parties the program knows.
using StateNumber = int32_t;

// Rows of the state table that the lookups and the dialog name.
constexpr StateNumber kStateCount = 60;     // rows in the table
constexpr StateNumber kUsStateCount = 50;   // rows 0-49 are searched by code
constexpr StateNumber kStateVirginia = 44;  // "VA": independent-city rule
constexpr StateNumber kStateIndiana = 14;   // "IN": searched first in the MULTI party
constexpr StateNumber kStateMaryland = 19;  // "MD": the state of the MDC section
constexpr StateNumber kStateNevada = 32;    // "NV": Carson City, NVCAR
constexpr StateNumber kPartyNeqp = 53;      // "NEQP"
constexpr StateNumber kPartySevenQp = 54;   // "7QP"
constexpr StateNumber kPartyMulti = 56;     // "MULTI"

// One row of the state table.
struct StateRow {
  const char* code;  // postal code of a state or province, or the code of a multi-state party
  const char* name;  // name shown in the dialog's state list
};

// The 60 rows; rows 0-49 are strictly ascending by code in byte order.
extern const StateRow StateTable[kStateCount];

// The code of row n, 0 <= n < 60 ("VA", "MULTI", "QC"). Returns nullptr for any other n.
const char* stateCodeOf(StateNumber n);

// The name of row n, 0 <= n < 60 ("Virginia", "7/IN/NE/MARAC", "Quebec"). Returns nullptr for any other n.
const char* stateNameOf(StateNumber n);

// The table's own code text equal to the text, searching rows 0-49 only.
// Returns nullptr on a miss (also for the party and province codes).
const char* findStateCode(const char* text);

// The row number of a state, party or province code or name (all 60 rows, exact match).
// Returns -1 when no row has it.
StateNumber findStateNumber(const char* codeOrName);
