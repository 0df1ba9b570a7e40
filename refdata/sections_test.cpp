#include "refdata/sections.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(SectionTable, StrictlyAscendingInByteOrder) {
  for (size_t i = 1; i < kSectionCount; ++i) {
    EXPECT_LT(std::string_view(SectionTable[i - 1].section), SectionTable[i].section) << SectionTable[i].section;
  }
}

TEST(SectionState, FoundEmptyIsNotAMiss) {
  struct Case {
    const char* text;      // text looked up
    const char* expected;  // nullptr: a miss; "" a section outside the 50 states
  };
  const Case cases[] = {
      {"ON", ""},
      {"AB", ""},
      {"MAR", ""},
      {"PAC", ""},
      {"PR", ""},
      {"VI", ""},
      {"NL", ""},
      {"QC", ""},
      {"MDC", "MD"},
      {"EB", "CA"},
      {"SF", "CA"},
      {"SJV", "CA"},
      {"WCF", "FL"},
      {"NLI", "NY"},
      {"WWA", "WA"},
      {"AK", "AK"},
      {"WY", "WY"},
      {"EMA", "MA"},
      {"SNJ", "NJ"},
      {"STX", "TX"},
      {"GH", ""},
      {"GTA", ""},
      {"NB", ""},
      {"NS", ""},
      {"ONE", ""},
      {"ONN", ""},
      {"ONS", ""},
      {"PE", ""},
      {"TER", ""},
      {"YT", ""},
      {"YUK", ""},
      {"NT", ""},
      {"DX", nullptr},   // Field Day's own section, known only to the Field Day check
      {"ONT", nullptr},  // longer than ON
      {"MD", nullptr},   // a state code that is no section
      {"CA", nullptr},
      {"mdc", nullptr},
      {"MDC ", nullptr},
      {"", nullptr},
      {"A", nullptr},    // before the first key
      {"ZZZ", nullptr},  // after the last key
      {"SE", nullptr},   // between SDG and SF
      {"WYOMINGWYOMINGWYOMING", nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(sectionState(c.text), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(sectionState(nullptr), nullptr);
}

TEST(SectionState, EveryRowIsFoundAndStatelessRowsAreTheTwentyThree) {
  int empty = 0;
  for (const SectionRow& row : SectionTable) {
    EXPECT_EQ(sectionState(row.section), row.state) << row.section;
    if (row.state[0] == '\0') ++empty;
  }
  EXPECT_EQ(empty, 23);
}

}  // namespace
