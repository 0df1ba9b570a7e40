// Canadian provinces, their older forms, and the Maritime QSO Party counties.
#pragma once
#include <cstddef>

// Row counts of the three tables.
constexpr size_t kProvinceCodeCount = 13;    // standard province and territory codes
constexpr size_t kProvinceAliasCount = 15;   // older or longer forms
constexpr size_t kMaritimeCountyCount = 36;  // Maritime QSO Party county codes

// One older form of a province code.
struct ProvinceAlias {
  const char* alias;  // the form as sent ("PQ")
  const char* code;   // the standard code it stands for ("QC")
};

// Standard codes, searched linearly in this order.
extern const char* const ProvinceCodes[kProvinceCodeCount];
// Older forms, searched linearly after ProvinceCodes.
extern const ProvinceAlias ProvinceAliases[kProvinceAliasCount];
// Three-letter Maritime county codes, searched linearly.
extern const char* const MaritimeCounties[kMaritimeCountyCount];

// The standard province code for a code or an alias ("PQ" gives "QC").
// Returns nullptr when the text is neither.
const char* findProvince(const char* text);

// The Maritime QSO Party county code equal to the text. Returns nullptr on a miss.
const char* findMaritimeCounty(const char* text);
