#include "refdata/county_tables.h"

#include "refdata/county_data.h"
#include "refdata/table_search.h"

namespace {

const char* countyKeyOf(const CountyRow& row) { return row.key; }
const char* partyKeyOf(const PartyCountyRow& row) { return row.key; }

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
  const CountyRow* row = bisectRows(table.rows, table.count, text, countyKeyOf);
  return row != nullptr ? row->name : nullptr;
}

std::optional<StateCountyPair> findPartyCounty(const PartyCountyTable& table, const char* text) {
  const PartyCountyRow* row = bisectRows(table.rows, table.count, text, partyKeyOf);
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
