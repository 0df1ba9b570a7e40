#include "refdata/provinces.h"

#include "refdata/table_search.h"

const char* const ProvinceCodes[kProvinceCodeCount] = {
    "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NT", "NB", "NL", "YT", "PE", "NU",
};

const ProvinceAlias ProvinceAliases[kProvinceAliasCount] = {
    {"NF", "NL"}, {"NFL", "NL"}, {"LB", "NL"},  {"LAB", "NL"}, {"PEI", "PE"},
    {"PQ", "QC"}, {"QU", "QC"},  {"QUE", "QC"}, {"ONT", "ON"}, {"MAN", "MB"},
    {"SA", "SK"}, {"ALT", "AB"}, {"ALB", "AB"}, {"NWT", "NT"}, {"YU", "YT"},
};

const char* const MaritimeCounties[kMaritimeCountyCount] = {
    "ALB", "ANN", "ANT", "CAP", "CAR", "CHA", "COL", "CUM", "DIG", "GLO", "GUY", "HAL",
    "HAN", "INV", "KEN", "KIN", "KIP", "KIS", "LUN", "MAD", "NOR", "PIC", "PRI", "QUB",
    "QUP", "QUS", "RES", "RIC", "SAI", "SHE", "SUN", "VIB", "VIS", "WES", "YAR", "YOR",
};

namespace {
const char* self(const char* const& code) { return code; }
const char* aliasOf(const ProvinceAlias& row) { return row.alias; }
}  // namespace

const char* findProvince(const char* text) {
  if (const char* const* code = linearRows(ProvinceCodes, kProvinceCodeCount, text, self)) {
    return *code;
  }
  const ProvinceAlias* alias = linearRows(ProvinceAliases, kProvinceAliasCount, text, aliasOf);
  return alias != nullptr ? alias->code : nullptr;
}

const char* findMaritimeCounty(const char* text) {
  const char* const* code = linearRows(MaritimeCounties, kMaritimeCountyCount, text, self);
  return code != nullptr ? *code : nullptr;
}
