#include "refdata/provinces.h"

#include <algorithm>
#include <iterator>
#include <string_view>

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

const char* findProvince(const char* text) {
  if (text == nullptr) return nullptr;
  const std::string_view province = text;
  const char* const* code = std::find(std::begin(ProvinceCodes), std::end(ProvinceCodes), province);
  if (code != std::end(ProvinceCodes)) return *code;
  const ProvinceAlias* alias = std::find_if(std::begin(ProvinceAliases), std::end(ProvinceAliases),
                                            [province](const ProvinceAlias& a) { return a.alias == province; });
  return alias != std::end(ProvinceAliases) ? alias->code : nullptr;
}

const char* findMaritimeCounty(const char* text) {
  if (text == nullptr) return nullptr;
  const char* const* code = std::find(std::begin(MaritimeCounties), std::end(MaritimeCounties), std::string_view(text));
  return code != std::end(MaritimeCounties) ? *code : nullptr;
}
