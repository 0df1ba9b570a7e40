// The county tables as constant arrays, generated at build time from refdata/data/.
// Internal to refdata/: other code reaches them through countyTableOf and the party accessors.
#pragma once
#include "refdata/county_tables.h"

// The 51 single-state and provincial tables, named by the state or province they serve.
extern const CountyTable CountyTableAL;
extern const CountyTable CountyTableAR;
extern const CountyTable CountyTableAZ;
extern const CountyTable CountyTableCA;
extern const CountyTable CountyTableCO;
extern const CountyTable CountyTableCT;
extern const CountyTable CountyTableDE;
extern const CountyTable CountyTableFL;
extern const CountyTable CountyTableGA;
extern const CountyTable CountyTableHI;
extern const CountyTable CountyTableIA;
extern const CountyTable CountyTableID;
extern const CountyTable CountyTableIL;
extern const CountyTable CountyTableIN;
extern const CountyTable CountyTableKS;
extern const CountyTable CountyTableKY;
extern const CountyTable CountyTableLA;
extern const CountyTable CountyTableMD;
extern const CountyTable CountyTableME;
extern const CountyTable CountyTableMI;
extern const CountyTable CountyTableMN;
extern const CountyTable CountyTableMO;
extern const CountyTable CountyTableMS;
extern const CountyTable CountyTableMT;
extern const CountyTable CountyTableNC;
extern const CountyTable CountyTableND;
extern const CountyTable CountyTableNE;
extern const CountyTable CountyTableNH;
extern const CountyTable CountyTableNJ;
extern const CountyTable CountyTableNM;
extern const CountyTable CountyTableNV;
extern const CountyTable CountyTableNY;
extern const CountyTable CountyTableOH;
extern const CountyTable CountyTableOK;
extern const CountyTable CountyTableOR;
extern const CountyTable CountyTablePA;
extern const CountyTable CountyTableRI;
extern const CountyTable CountyTableSC;
extern const CountyTable CountyTableSD;
extern const CountyTable CountyTableTN;
extern const CountyTable CountyTableTX;
extern const CountyTable CountyTableUT;
extern const CountyTable CountyTableVA;
extern const CountyTable CountyTableVT;
extern const CountyTable CountyTableWA;
extern const CountyTable CountyTableWI;
extern const CountyTable CountyTableWV;
extern const CountyTable CountyTableWY;
extern const CountyTable CountyTableBC;
extern const CountyTable CountyTableON;
extern const CountyTable CountyTableQC;

// The three multi-state tables.
extern const PartyCountyTable NeqpCounties;       // New England QSO Party, 134 rows
extern const PartyCountyTable SevenQpCounties;    // 7th-area QSO Party, 258 rows
extern const PartyCountyTable AllStatesCounties;  // all 50 states, 3077 rows
