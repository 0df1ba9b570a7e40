#include "writer/frequency.h"

#include <gtest/gtest.h>

namespace {

struct BandCase {
  double megahertz;
  int32_t band;
};

TEST(BandFromFrequency, BandEdgesAreExclusive) {
  const BandCase cases[] = {
      {1.799, 0},   {1.7991, 160}, {2.0009, 160}, {2.001, 0},   {3.499, 0},    {3.5, 80},
      {4.0, 80},    {4.001, 0},    {6.999, 0},    {7.0, 40},    {7.3, 40},     {7.301, 0},
      {13.999, 0},  {14.0, 20},    {14.350, 20},  {14.351, 0},  {20.999, 0},   {21.0, 15},
      {21.45, 15},  {21.451, 0},   {27.999, 0},   {28.0, 10},   {29.7, 10},    {29.701, 0},
      {10.120, 0},  {18.1, 0},     {24.9, 0},     {50.0, 0},    {0.0, 0},      {-14.0, 0},
  };
  for (const BandCase& c : cases) {
    EXPECT_EQ(bandFromFrequency(c.megahertz), c.band) << c.megahertz;
  }
}

struct KilohertzCase {
  const char* megahertz;
  const char* kilohertz;  // nullptr: no text
};

TEST(FormatKilohertz, SeparatorBecomesCommaAndExtraDigitsFollowAPoint) {
  const KilohertzCase cases[] = {
      {"14.025", "14,025"},      {"14.025000", "14,025"},  {"7.025", "7,025"},
      {"14.0255", "14,025.5"},   {"14.025500", "14,025.5"}, {"14.02555", "14,025.55"},
      {"1.8305", "1,830.5"},     {"14,025", "14,025"},     {"14.0250", "14,025"},
      {"28.000", "28,000"},      {"28.0000", "28,000"},    {"3.50010", "3,500.1"},
      {"", nullptr},             {"14025", nullptr},
  };
  for (const KilohertzCase& c : cases) {
    const std::optional<std::string> text = formatKilohertz(c.megahertz);
    if (c.kilohertz == nullptr) {
      EXPECT_FALSE(text) << c.megahertz;
    } else {
      ASSERT_TRUE(text) << c.megahertz;
      EXPECT_EQ(*text, c.kilohertz) << c.megahertz;
    }
  }
}

// Fewer than three decimals mean whole kHz: the digits are padded with zeros.
TEST(FormatKilohertz, ShortDecimalsArePaddedToThreeDigits) {
  EXPECT_EQ(formatKilohertz("14.0").value_or("none"), "14,000");
  EXPECT_EQ(formatKilohertz("3.5").value_or("none"), "3,500");
  EXPECT_EQ(formatKilohertz("14.").value_or("none"), "14,000");
  EXPECT_EQ(formatKilohertz("21.02").value_or("none"), "21,020");
}

}  // namespace
