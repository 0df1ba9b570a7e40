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

// The single-state party served by each county table.
struct CountyTableEntry {
  StateNumber state;         // StateTable row of the party's state
  const CountyTable* table;  // that state's county table
};

const CountyTableEntry kCountyTables[] = {
    {1, &CountyTableAL},  {3, &CountyTableAZ},  {4, &CountyTableCA},  {5, &CountyTableCO},  {8, &CountyTableFL},
    {9, &CountyTableGA},  {11, &CountyTableIA}, {13, &CountyTableIL}, {14, &CountyTableIN}, {15, &CountyTableKS},
    {16, &CountyTableKY}, {21, &CountyTableMI}, {22, &CountyTableMN}, {23, &CountyTableMO}, {26, &CountyTableNC},
    {31, &CountyTableNM}, {32, &CountyTableNV}, {33, &CountyTableNY}, {34, &CountyTableOH}, {37, &CountyTablePA},
    {40, &CountyTableSD}, {41, &CountyTableTN}, {42, &CountyTableTX}, {44, &CountyTableVA}, {46, &CountyTableWA},
    {47, &CountyTableWI},
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

const CountyTable* countyTableOf(StateNumber state) {
  for (const CountyTableEntry& entry : kCountyTables) {
    if (entry.state == state) return entry.table;
  }
  return nullptr;
}

const PartyCountyTable& neqpCounties() { return NeqpCounties; }
const PartyCountyTable& sevenQpCounties() { return SevenQpCounties; }
const PartyCountyTable& allStatesCounties() { return AllStatesCounties; }
