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
    {1, &CountyTableAL, kField, false, false},     {2, &CountyTableAR, kExchange, false, false},
    {3, &CountyTableAZ, kField, false, false},     {4, &CountyTableCA, kField, false, false},
    {5, &CountyTableCO, kField, false, false},     {6, &CountyTableCT, kExchange, false, false},
    {7, &CountyTableDE, kExchange, false, false},  {8, &CountyTableFL, kField, false, false},
    {9, &CountyTableGA, kField, false, false},     {10, &CountyTableHI, kExchange, false, false},
    {11, &CountyTableIA, kField, false, false},    {12, &CountyTableID, kExchange, false, false},
    {13, &CountyTableIL, kField, false, false},    {14, &CountyTableIN, kField, false, false},
    {15, &CountyTableKS, kField, false, false},    {16, &CountyTableKY, kField, false, false},
    {17, &CountyTableLA, kExchange, false, false}, {19, &CountyTableMD, kExchange, false, false},
    {20, &CountyTableME, kExchange, false, false}, {21, &CountyTableMI, kField, false, false},
    {22, &CountyTableMN, kField, false, false},    {23, &CountyTableMO, kField, false, false},
    {24, &CountyTableMS, kExchange, false, false}, {25, &CountyTableMT, kExchange, false, false},
    {26, &CountyTableNC, kField, false, false},    {27, &CountyTableND, kExchange, false, false},
    {28, &CountyTableNE, kExchange, false, false}, {29, &CountyTableNH, kExchange, false, false},
    {30, &CountyTableNJ, kExchange, false, false}, {31, &CountyTableNM, kField, false, false},
    {32, &CountyTableNV, kField, false, false},    {33, &CountyTableNY, kField, false, false},
    {34, &CountyTableOH, kField, false, false},    {35, &CountyTableOK, kExchange, false, false},
    {36, &CountyTableOR, kExchange, false, false}, {37, &CountyTablePA, kField, false, false},
    {38, &CountyTableRI, kExchange, false, false}, {39, &CountyTableSC, kExchange, false, false},
    {40, &CountyTableSD, kField, false, false},    {41, &CountyTableTN, kField, false, false},
    {42, &CountyTableTX, kField, false, false},    {43, &CountyTableUT, kExchange, false, false},
    {44, &CountyTableVA, kField, false, false},    {45, &CountyTableVT, kExchange, false, false},
    {46, &CountyTableWA, kField, false, false},    {47, &CountyTableWI, kField, false, false},
    {48, &CountyTableWV, kExchange, false, false}, {49, &CountyTableWY, kExchange, false, false},
    {57, &CountyTableBC, kExchange, false, true},  {58, &CountyTableON, kExchange, false, false},
    {59, &CountyTableQC, kExchange, true, false},
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
