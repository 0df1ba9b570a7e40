#include "core/text_number.h"

#include <gtest/gtest.h>

namespace {

TEST(TextNumbers, ReadLikeTheCLibraryDecimalConversion) {
  EXPECT_EQ(textToInt("599"), 599);
  EXPECT_EQ(textToInt("20M"), 20);
  EXPECT_EQ(textToInt("12A"), 12);
  EXPECT_EQ(textToInt("A12"), 0);
  EXPECT_EQ(textToInt(""), 0);
  EXPECT_EQ(textToInt("  -42x"), -42);
  EXPECT_EQ(textToInt("+7"), 7);
  EXPECT_EQ(textToInt("- 7"), 0);
  EXPECT_EQ(textToInt("99999999999"), 2147483647);
  EXPECT_EQ(textToInt("-99999999999"), -2147483647 - 1);
  EXPECT_DOUBLE_EQ(textToDouble("14.025"), 14.025);
  EXPECT_DOUBLE_EQ(textToDouble("x"), 0.0);
}

TEST(TextNumbers, DoubleIsADecimalConversionOnly) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {" \t-7.5e2x", -750.0}, {"+.5e-1", 0.05}, {"5.", 5.0},     {"1.2.3", 1.2}, {"1e", 1.0},
      {"1E+2", 100.0},        {".", 0.0},       {"-", 0.0},      {"e5", 0.0},    {"0x1A", 0.0},
      {"0X1.8P1", 0.0},       {"inf", 0.0},     {"-INF", 0.0},   {"nan", 0.0},   {"NaN(1)", 0.0},
      {"infinity", 0.0},      {"1e999", 0.0},   {"-1e999", 0.0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(textToDouble(c.text), c.value) << c.text;
}

}  // namespace
