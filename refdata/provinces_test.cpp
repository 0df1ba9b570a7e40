#include "refdata/provinces.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* text;      // text looked up
  const char* expected;  // nullptr: a miss
};

TEST(FindProvince, CodesAndAliasesGiveTheStandardCode) {
  const Case cases[] = {
      {"QC", "QC"},     {"NS", "NS"},    {"NU", "NU"},         {"ON", "ON"},  {"PE", "PE"},  {"PQ", "QC"},
      {"QU", "QC"},     {"QUE", "QC"},   {"NF", "NL"},         {"NFL", "NL"}, {"LB", "NL"},  {"LAB", "NL"},
      {"PEI", "PE"},    {"ONT", "ON"},   {"MAN", "MB"},        {"SA", "SK"},  {"ALT", "AB"}, {"ALB", "AB"},
      {"NWT", "NT"},    {"YU", "YT"},    {"NFLD", nullptr},  // four-letter form
      {"qc", nullptr},                                       // case-sensitive
      {"QC ", nullptr},                                      // trailing blank
      {"Q", nullptr},                                        // prefix of a code
      {"", nullptr},    {"MA", nullptr}, {"ONTARIO", nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(findProvince(c.text), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(findProvince(nullptr), nullptr);
}

TEST(FindProvince, EveryCodeAndAliasIsFound) {
  for (const char* code : ProvinceCodes) EXPECT_EQ(findProvince(code), code);
  for (const ProvinceAlias& row : ProvinceAliases) {
    EXPECT_STREQ(findProvince(row.alias), row.code) << row.alias;
    // every alias leads to one of the standard codes
    bool standard = false;
    for (const char* code : ProvinceCodes) standard = standard || findProvince(row.code) == code;
    EXPECT_TRUE(standard) << row.alias;
  }
}

TEST(FindMaritimeCounty, ExactMatchOnTheThirtySixCodes) {
  const Case cases[] = {
      {"ALB", "ALB"},  {"YOR", "YOR"},    {"KIP", "KIP"}, {"QUS", "QUS"},   {"alb", nullptr}, {"ALB ", nullptr},
      {"AL", nullptr}, {"ALBE", nullptr}, {"", nullptr},  {"AAA", nullptr}, {"ZZZ", nullptr}, {"NS", nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(findMaritimeCounty(c.text), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(findMaritimeCounty(nullptr), nullptr);
  for (const char* code : MaritimeCounties) EXPECT_EQ(findMaritimeCounty(code), code);
}

}  // namespace
