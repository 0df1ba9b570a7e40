#include "refdata/state_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

TEST(StateTable, StatesAreStrictlyAscendingByCode) {
  for (StateNumber n = 1; n < kUsStateCount; ++n) {
    EXPECT_LT(std::string_view(StateTable[n - 1].code), StateTable[n].code) << n;
  }
}

TEST(StateTable, RowsAtNamedNumbers) {
  struct Row {
    StateNumber n;     // row number
    const char* code;  // its code
    const char* name;  // its name
  };
  const Row rows[] = {
      {0, "AK", "Alaska"},
      {1, "AL", "Alabama"},
      {3, "AZ", "Arizona"},
      {14, "IN", "Indiana"},
      {19, "MD", "Maryland"},
      {26, "NC", "North Carolina"},
      {32, "NV", "Nevada"},
      {44, "VA", "Virginia"},
      {48, "WV", "West Virginia"},
      {49, "WY", "Wyoming"},
      {50, "MARAC", "MARAC CW Contest"},
      {51, "MAQP", "Mid-Atlantic QSO Party"},
      {52, "NAQP", "North American QSO Party"},
      {53, "NEQP", "New England QSO Party"},
      {54, "7QP", "7-Land QSO Party"},
      {55, "USCQP", "US Counties QSO Party"},
      {56, "MULTI", "7/IN/NE/MARAC"},
      {57, "BC", "British Columbia"},
      {59, "QC", "Quebec"},
  };
  for (const Row& row : rows) {
    EXPECT_STREQ(stateCodeOf(row.n), row.code) << row.n;
    EXPECT_STREQ(stateNameOf(row.n), row.name) << row.n;
  }
  EXPECT_EQ(kStateVirginia, 44);
  EXPECT_EQ(kStateIndiana, 14);
  EXPECT_EQ(kPartyNeqp, 53);
  EXPECT_EQ(kPartySevenQp, 54);
  EXPECT_EQ(kPartyMulti, 56);
}

TEST(StateTable, NumbersOutsideTheTableGiveNull) {
  for (StateNumber n : {-1, 60, 1000}) {
    EXPECT_EQ(stateCodeOf(n), nullptr) << n;
    EXPECT_EQ(stateNameOf(n), nullptr) << n;
  }
}

TEST(FindStateCode, ExactMatchOnTheFiftyStatesOnly) {
  struct Case {
    const char* text;      // text looked up
    const char* expected;  // nullptr: a miss
  };
  const Case cases[] = {
      {"VA", "VA"},
      {"AK", "AK"},
      {"WY", "WY"},
      {"MD", "MD"},
      {"va", nullptr},   // case-sensitive
      {"VA ", nullptr},  // trailing blank
      {" VA", nullptr},
      {"V", nullptr},    // a proper prefix of a key
      {"VAX", nullptr},  // longer than the key
      {"", nullptr},     // the empty text
      {"AA", nullptr},   // before the first key
      {"ZZ", nullptr},   // after the last key
      {"MB", nullptr},   // between MA and MD
      {"ZZZZZZZZZZZZZZZZZZZZ", nullptr},
      {"MULTI", nullptr},  // party codes are never found by code
      {"NEQP", nullptr},
      {"7QP", nullptr},
      {"MARAC", nullptr},
      {"MAQP", nullptr},
      {"NAQP", nullptr},
      {"USCQP", nullptr},
      {"ON", nullptr},  // a province's party row is no state
      {"QC", nullptr},
      {"Virginia", nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(findStateCode(c.text), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(findStateCode(nullptr), nullptr);
}

TEST(FindStateCode, ReturnsTheTablesOwnText) {
  std::string caller = "TX";
  const char* found = findStateCode(caller.c_str());
  ASSERT_NE(found, nullptr);
  EXPECT_NE(found, caller.c_str());
  caller = "XX";  // reusing the caller's buffer leaves the result intact
  EXPECT_STREQ(found, "TX");
  EXPECT_EQ(found, StateTable[42].code);
}

TEST(FindStateCode, FindsEveryStateRow) {
  for (StateNumber n = 0; n < kUsStateCount; ++n) {
    EXPECT_EQ(findStateCode(StateTable[n].code), StateTable[n].code) << n;
  }
}

TEST(FindStateNumber, MatchesCodeOrNameOverAllRows) {
  struct Case {
    const char* text;      // code or name looked up
    StateNumber expected;  // row found, -1 for none
  };
  const Case cases[] = {
      {"AK", 0},     {"Alaska", 0},         {"VA", 44},   {"Virginia", 44}, {"7QP", 54}, {"7-Land QSO Party", 54},
      {"MULTI", 56}, {"7/IN/NE/MARAC", 56}, {"NEQP", 53}, {"virginia", -1}, {"VA ", -1}, {"", -1},
      {"New", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(findStateNumber(c.text), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(findStateNumber(nullptr), -1);
}

}  // namespace
