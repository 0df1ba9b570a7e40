// The county tables as constant arrays, generated at build time from refdata/data/.
// Internal to refdata/: other code reaches them through countyTableOf and the party accessors.
#pragma once
#include "refdata/county_tables.h"

// The 26 single-state tables, named by the state they serve.
extern const CountyTable CountyTableAL;
extern const CountyTable CountyTableAZ;
extern const CountyTable CountyTableCA;
extern const CountyTable CountyTableCO;
extern const CountyTable CountyTableFL;
extern const CountyTable CountyTableGA;
extern const CountyTable CountyTableIA;
extern const CountyTable CountyTableIL;
extern const CountyTable CountyTableIN;
extern const CountyTable CountyTableKS;
extern const CountyTable CountyTableKY;
extern const CountyTable CountyTableMI;
extern const CountyTable CountyTableMN;
extern const CountyTable CountyTableMO;
extern const CountyTable CountyTableNC;
extern const CountyTable CountyTableNM;
extern const CountyTable CountyTableNV;
extern const CountyTable CountyTableNY;
extern const CountyTable CountyTableOH;
extern const CountyTable CountyTablePA;
extern const CountyTable CountyTableSD;
extern const CountyTable CountyTableTN;
extern const CountyTable CountyTableTX;
extern const CountyTable CountyTableVA;
extern const CountyTable CountyTableWA;
extern const CountyTable CountyTableWI;

// The three multi-state tables.
extern const PartyCountyTable NeqpCounties;       // New England QSO Party, 134 rows
extern const PartyCountyTable SevenQpCounties;    // 7th-area QSO Party, 258 rows
extern const PartyCountyTable AllStatesCounties;  // all 50 states, 3077 rows
