#include "writer/frequency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct BandCase {
  double megahertz;
  int32_t band;
};

// The six HF contest bands exclude their edges; the bands added later include theirs.
TEST(BandFromFrequency, BandEdges) {
  const BandCase cases[] = {
      {1.799, 0},   {1.7991, 160}, {2.0009, 160}, {2.001, 0},  {3.499, 0},   {3.5, 80},   {4.0, 80},    {4.001, 0},
      {6.999, 0},   {7.0, 40},     {7.3, 40},     {7.301, 0},  {13.999, 0},  {14.0, 20},  {14.350, 20}, {14.351, 0},
      {20.999, 0},  {21.0, 15},    {21.45, 15},   {21.451, 0}, {27.999, 0},  {28.0, 10},  {29.7, 10},   {29.701, 0},
      {5.2499, 0},  {5.25, 60},    {5.45, 60},    {5.4501, 0}, {10.0999, 0}, {10.1, 30},  {10.15, 30},  {10.1501, 0},
      {18.068, 17}, {18.168, 17},  {24.89, 12},   {24.99, 12}, {24.9901, 0}, {49.999, 0}, {50.0, 6},    {54.0, 6},
      {54.001, 0},  {70.0, 4},     {70.5, 4},     {70.501, 0}, {143.999, 0}, {144.0, 2},  {148.0, 2},   {148.001, 0},
      {0.0, 0},     {-14.0, 0},
  };
  for (const BandCase& c : cases) {
    EXPECT_EQ(bandFromFrequency(c.megahertz), c.band) << c.megahertz;
  }
}

// The record's band first, then any band, MHz before kHz before Hz; Hz for a large value that
// lies in no band, whatever BAND says.
TEST(FrequencyUnit, BandOfTheRecordThenAnyBand) {
  using U = FrequencyUnit;
  const struct {
    double value;
    int32_t band;
    FrequencyUnit unit;
  } cases[] = {
      {14.074, 20, U::Megahertz}, {14074, 20, U::Kilohertz},  {7001, 10, U::Kilohertz}, {14.5, 2, U::Megahertz},
      {14074, 0, U::Kilohertz},   {3e6, 0, U::Hertz},         {7.1e6, 0, U::Hertz},     {436804070, 2, U::Hertz},
      {1e6, 20, U::Hertz},        {999999, 20, U::Megahertz},
  };
  for (const auto& c : cases) EXPECT_EQ(frequencyUnit(c.value, c.band), c.unit) << c.value;
}

// The column keeps nine characters: fewer decimals for a wide value, 0 for one that never fits.
TEST(FrequencyColumn, NeverWidens) {
  EXPECT_EQ(frequencyColumn(999999.99) + frequencyColumn(9999999.96) + frequencyColumn(1e9),
            "999999.99 10000000     0.00");
}

struct KilohertzCase {
  const char* megahertz;
  const char* kilohertz;  // nullptr: no text
};

TEST(FormatKilohertz, SeparatorBecomesCommaAndExtraDigitsFollowAPoint) {
  const KilohertzCase cases[] = {
      {"14.025", "14,025"},    {"14.025000", "14,025"},   {"7.025", "7,025"},
      {"14.0255", "14,025.5"}, {"14.025500", "14,025.5"}, {"14.02555", "14,025.55"},
      {"1.8305", "1,830.5"},   {"14,025", "14,025"},      {"14.0250", "14,025"},
      {"28.000", "28,000"},    {"28.0000", "28,000"},     {"3.50010", "3,500.1"},
      {"", nullptr},           {"14025", nullptr},        {"7.100.123", "7,100"},
      {"14,074.5", "14,074"},
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

namespace {

std::string libraryColumn(double value) {
  char text[512];
  std::snprintf(text, sizeof text, "%9.2f", value);
  return text;
}

TEST(FormatFrequencyColumn, WorkedValues) {
  EXPECT_EQ(formatFrequencyColumn(14025.5), " 14025.50");
  EXPECT_EQ(formatFrequencyColumn(1830.5), "  1830.50");
  EXPECT_EQ(formatFrequencyColumn(0.0), "     0.00");
  EXPECT_EQ(formatFrequencyColumn(1234567.891), "1234567.89");  // wider than the column
}

// The column must read exactly as the C library would print it, ties and all.
TEST(FormatFrequencyColumn, MatchesTheCLibrary) {
  std::vector<double> values = {
      0.125,           0.375,     0.625,     2.5 / 100,    14025.125, 14025.375,        0.005,
      0.015,           0.0049999, 1e-300,    5e-324,       -0.0,      -14025.5,         1e12,
      999999999999.99, 1e300,     99999.995, std::nan(""), HUGE_VAL,  14.0255 * 1000.0, 7.0255 * 1000.0};
  for (const char* text : {"14.025500", "14.0255", "1.8305", "28.4", "3.5", "21.0000049", "14.025005", "14.025015",
                           "7.0000005", "50.125125"}) {
    values.push_back(std::strtod(text, nullptr) * 1000.0);
  }
  // A fixed pseudo-random walk over the range of radio frequencies and beyond.
  uint64_t state = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
    values.push_back(unit * (i % 2 == 0 ? 300000.0 : 1e11));
    values.push_back(std::floor(unit * 3000000.0) / 1000.0);  // whole Hz, as logs carry them
  }
  for (double value : values) {
    EXPECT_EQ(formatFrequencyColumn(value), libraryColumn(value)) << value;
  }
}

// A FREQ of plain digits is read without the C library; its value must be the library's to
// the last bit, whatever the digits.
TEST(FrequencyValue, MatchesTheCLibrary) {
  std::vector<std::string> texts = {"14.025500",
                                    "14",
                                    "14.",
                                    ".5",
                                    "0.1",
                                    "999999999999999",
                                    "1.00000000000001",
                                    "9007199254740993",
                                    "14,0255",
                                    "0000000000000001.5"};
  uint64_t state = 0x2545F4914F6CDD1Du;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    std::string digits = std::to_string(state >> (i % 40));
    digits.insert(static_cast<size_t>(i) % (digits.size() + 1), ".");
    texts.push_back(digits);
  }
  for (const std::string& text : texts) {
    std::string point = text;
    if (point.find('.') == std::string::npos && point.find(',') != std::string::npos) point[point.find(',')] = '.';
    EXPECT_EQ(frequencyValue(text.c_str()), std::strtod(point.c_str(), nullptr)) << text;
  }
}

}  // namespace
