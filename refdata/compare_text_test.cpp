#include "refdata/compare_text.h"

#include <gtest/gtest.h>

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

struct OrderCase {
  const char* a;  // left text
  const char* b;  // right text
  int expected;   // sign of compareText(a, b)
};

TEST(CompareText, OrdersByUnsignedBytesCaseSensitively) {
  const OrderCase cases[] = {
      {"VA", "VA", 0},         {"", "", 0},       {"", "A", -1}, {"AK", "AKFOUR", -1},  // a proper prefix sorts first
      {"AKTHR", "AKTHRE", -1}, {"VA ", "VA", 1},   // a trailing blank is a difference, not trimmed
      {"va", "VA", 1},                             // lower case sorts after upper case
      {"Z", "a", -1},          {"7QP", "AK", -1},  // digits before letters
      {"\x80", "z", 1},                            // bytes above 127 are unsigned, after ASCII
      {"A\xff", "A\x01", 1},
  };
  for (const OrderCase& c : cases) {
    EXPECT_EQ(sign(compareText(c.a, c.b)), c.expected) << '"' << c.a << "\" vs \"" << c.b << '"';
    EXPECT_EQ(sign(compareText(c.b, c.a)), -c.expected) << '"' << c.b << "\" vs \"" << c.a << '"';
  }
}

}  // namespace
