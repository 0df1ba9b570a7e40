#include "refdata/county_tables.h"

#include <algorithm>
#include <string_view>

#include "refdata/county_data.h"

namespace {

// The row whose key is the text, among rows sorted by key in byte order. Returns nullptr on a miss.
template <typename Row>
const Row* rowWithKey(const Row* rows, size_t count, const char* text) {
  if (text == nullptr) return nullptr;
  const std::string_view key = text;
  const Row* end = rows + count;
  const Row* row = std::lower_bound(rows, end, key, [](const Row& r, std::string_view k) { return r.key < k; });
  return row != end && row->key == key ? row : nullptr;
}

// The single-state and provincial parties, in StateNumber order. The 26 of the first tables
// place the first filled received field, as they always have; the 25 added later take the
// chosen exchange first, so that a CNTY in ADIF's "VT,CHITTENDEN" form gives way to the
// sponsor's key that a contest logger keeps in SRX_STRING.
constexpr ReceivedText kField = ReceivedText::FirstField;
constexpr ReceivedText kExchange = ReceivedText::ExchangeFirst;

const SingleStateParty kParties[] = {
    {1, &CountyTableAL, kField, false, false},      // AL
    {2, &CountyTableAR, kExchange, false, false},   // AR
    {3, &CountyTableAZ, kField, false, false},      // AZ
    {4, &CountyTableCA, kField, false, false},      // CA
    {5, &CountyTableCO, kField, false, false},      // CO
    {6, &CountyTableCT, kExchange, false, false},   // CT
    {7, &CountyTableDE, kExchange, false, false},   // DE
    {8, &CountyTableFL, kField, false, false},      // FL
    {9, &CountyTableGA, kField, false, false},      // GA
    {10, &CountyTableHI, kExchange, false, false},  // HI
    {11, &CountyTableIA, kField, false, false},     // IA
    {12, &CountyTableID, kExchange, false, false},  // ID
    {13, &CountyTableIL, kField, false, false},     // IL
    {14, &CountyTableIN, kField, false, false},     // IN
    {15, &CountyTableKS, kField, false, false},     // KS
    {16, &CountyTableKY, kField, false, false},     // KY
    {17, &CountyTableLA, kExchange, false, false},  // LA
    {19, &CountyTableMD, kExchange, false, false},  // MD
    {20, &CountyTableME, kExchange, false, false},  // ME
    {21, &CountyTableMI, kField, false, false},     // MI
    {22, &CountyTableMN, kField, false, false},     // MN
    {23, &CountyTableMO, kField, false, false},     // MO
    {24, &CountyTableMS, kExchange, false, false},  // MS
    {25, &CountyTableMT, kExchange, false, false},  // MT
    {26, &CountyTableNC, kField, false, false},     // NC
    {27, &CountyTableND, kExchange, false, false},  // ND
    {28, &CountyTableNE, kExchange, false, false},  // NE
    {29, &CountyTableNH, kExchange, false, false},  // NH
    {30, &CountyTableNJ, kExchange, false, false},  // NJ
    {31, &CountyTableNM, kField, false, false},     // NM
    {32, &CountyTableNV, kField, false, false},     // NV
    {33, &CountyTableNY, kField, false, false},     // NY
    {34, &CountyTableOH, kField, false, false},     // OH
    {35, &CountyTableOK, kExchange, false, false},  // OK
    {36, &CountyTableOR, kExchange, false, false},  // OR
    {37, &CountyTablePA, kField, false, false},     // PA
    {38, &CountyTableRI, kExchange, false, false},  // RI
    {39, &CountyTableSC, kExchange, false, false},  // SC
    {40, &CountyTableSD, kField, false, false},     // SD
    {41, &CountyTableTN, kField, false, false},     // TN
    {42, &CountyTableTX, kField, false, false},     // TX
    {43, &CountyTableUT, kExchange, false, false},  // UT
    {44, &CountyTableVA, kField, false, false},     // VA
    {45, &CountyTableVT, kExchange, false, false},  // VT
    {46, &CountyTableWA, kField, false, false},     // WA
    {47, &CountyTableWI, kField, false, false},     // WI
    {48, &CountyTableWV, kExchange, false, false},  // WV
    {49, &CountyTableWY, kExchange, false, false},  // WY
    {57, &CountyTableBC, kExchange, false, true},   // BC: DC counts as MD
    {58, &CountyTableON, kExchange, false, false},  // ON
    {59, &CountyTableQC, kExchange, true, false},   // QC: QC itself is no exchange
};

}  // namespace

const char* findCounty(const CountyTable& table, const char* text) {
  const CountyRow* row = rowWithKey(table.rows, table.count, text);
  return row != nullptr ? row->name : nullptr;
}

std::optional<StateCountyPair> findPartyCounty(const PartyCountyTable& table, const char* text) {
  const PartyCountyRow* row = rowWithKey(table.rows, table.count, text);
  if (row == nullptr) return std::nullopt;
  return StateCountyPair{row->state, row->name};
}

const SingleStateParty* singleStatePartyOf(StateNumber state) {
  for (const SingleStateParty& party : kParties) {
    if (party.state == state) return &party;
  }
  return nullptr;
}

const CountyTable* countyTableOf(StateNumber state) {
  const SingleStateParty* party = singleStatePartyOf(state);
  return party != nullptr ? party->table : nullptr;
}

const PartyCountyTable& neqpCounties() { return NeqpCounties; }
const PartyCountyTable& sevenQpCounties() { return SevenQpCounties; }
const PartyCountyTable& allStatesCounties() { return AllStatesCounties; }
