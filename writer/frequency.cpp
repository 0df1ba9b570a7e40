#include "writer/frequency.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "core/ascii.h"
#include "core/text_format.h"
#include "core/text_number.h"

namespace {

// One band a frequency is placed in.
struct BandEdges {
  double low;      // lower edge, MHz
  double high;     // upper edge, MHz
  bool included;   // the edges belong to the band; else they lie just outside it
  int32_t metres;  // band in metres
};

const BandEdges kBands[] = {
    {1.799, 2.001, false, 160}, {3.499, 4.001, false, 80},   {5.25, 5.45, true, 60},     {6.999, 7.301, false, 40},
    {10.1, 10.15, true, 30},    {13.999, 14.351, false, 20}, {18.068, 18.168, true, 17}, {20.999, 21.451, false, 15},
    {24.89, 24.99, true, 12},   {27.999, 29.701, false, 10}, {50.0, 54.0, true, 6},      {70.0, 70.5, true, 4},
    {144.0, 148.0, true, 2},
};

// The table's entry of a band in metres; nullptr for a band it lacks.
const BandEdges* bandEdgesOf(int32_t band) {
  const auto edges = std::find_if(std::begin(kBands), std::end(kBands),
                                  [band](const BandEdges& entry) { return entry.metres == band; });
  return edges != std::end(kBands) ? edges : nullptr;
}

bool inBand(double megahertz, const BandEdges& band) {
  if (band.included) return megahertz >= band.low && megahertz <= band.high;
  return megahertz > band.low && megahertz < band.high;
}

// Values per MHz of each unit.
constexpr double kPerMegahertz[] = {1.0, 1e3, 1e6};

double perMegahertz(FrequencyUnit unit) { return kPerMegahertz[static_cast<int>(unit)]; }

// A FREQ of this value or more that lies in no band as MHz or kHz can only be in Hz: read as
// MHz it would be over a THz.
constexpr double kHertzAtLeast = 1e6;

// Decimals of the MHz text of a value converted from kHz or Hz: whole Hz.
constexpr int kMegahertzDecimals = 6;

// Digits the kHz text keeps before its own decimal point.
constexpr size_t kKilohertzDigits = 3;

// Width of the frequency column.
constexpr size_t kFrequencyColumnWidth = 9;

// Below this the value times 100 keeps well inside 64-bit integers; any larger value (never a
// real frequency) goes through the C library.
constexpr double kExactLimit = 1e12;

// Powers of ten that a double holds exactly.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Digits whose whole number a double holds exactly (below 2^53).
constexpr int kExactDigits = 15;

// The value of a plain decimal text as loggers write FREQ (14.025500): digits with at most one
// separator and no more than 15 digits. Their whole number divided by a power of ten, both exact,
// is the correctly rounded value, as strtod gives it, without its cost. Returns nullopt for
// any other text.
std::optional<double> plainDecimalValue(const char* text, char separator) {
  uint64_t digits = 0;
  int count = 0;
  int decimals = -1;  // digits after the separator; -1 before it
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == separator && decimals < 0) {
      decimals = 0;
      continue;
    }
    if (!isAsciiDigit(*p) || ++count > kExactDigits) return std::nullopt;
    digits = digits * 10 + static_cast<uint64_t>(*p - '0');
    if (decimals >= 0) ++decimals;
  }
  if (count == 0) return std::nullopt;
  return static_cast<double>(digits) / kPowersOfTen[decimals > 0 ? decimals : 0];
}

}  // namespace

int32_t bandFromFrequency(double megahertz) {
  for (const BandEdges& band : kBands) {
    if (inBand(megahertz, band)) return band.metres;
  }
  return 0;
}

double frequencyValue(const char* text) {
  const char* comma = std::strchr(text, ',');
  const bool commaIsPoint =
      comma != nullptr && std::strchr(comma + 1, ',') == nullptr && std::strchr(text, '.') == nullptr;
  if (const std::optional<double> plain = plainDecimalValue(text, commaIsPoint ? ',' : '.')) return *plain;
  double value = 0.0;
  if (commaIsPoint) {
    std::string decimal(text);
    decimal[static_cast<size_t>(comma - text)] = '.';
    value = textToDouble(decimal.c_str());
  } else {
    value = textToDouble(text);
  }
  return value > 0.0 ? value : 0.0;
}

bool isKnownBand(int32_t band) { return bandEdgesOf(band) != nullptr; }

FrequencyUnit frequencyUnit(double value, int32_t band) {
  constexpr FrequencyUnit kUnits[] = {FrequencyUnit::Megahertz, FrequencyUnit::Kilohertz, FrequencyUnit::Hertz};
  if (const BandEdges* edges = bandEdgesOf(band)) {
    for (FrequencyUnit unit : kUnits) {
      if (inBand(toMegahertz(value, unit), *edges)) return unit;
    }
  }
  // A BAND that disagrees, or none: the unit that places the value in some band.
  for (FrequencyUnit unit : kUnits) {
    if (bandFromFrequency(toMegahertz(value, unit)) != 0) return unit;
  }
  if (value >= kHertzAtLeast) return FrequencyUnit::Hertz;
  return FrequencyUnit::Megahertz;
}

double toMegahertz(double value, FrequencyUnit unit) { return value / perMegahertz(unit); }

double toKilohertz(double value, FrequencyUnit unit) {
  return unit == FrequencyUnit::Megahertz ? value * 1e3 : value / (perMegahertz(unit) / 1e3);
}

std::optional<std::string> formatKilohertz(const char* megahertz) {
  if (megahertz == nullptr || *megahertz == '\0') return std::nullopt;
  std::string text(megahertz);
  const size_t comma = text.find_first_of(".,");
  if (comma == std::string::npos) return std::nullopt;
  // A second separator makes the text malformed (7.100.123); the value ends before it.
  const size_t second = text.find_first_of(".,", comma + 1);
  if (second != std::string::npos) text.resize(second);
  text[comma] = ',';
  // Trailing zeros beyond the kHz digits carry nothing.
  const size_t kilohertzEnd = comma + 1 + kKilohertzDigits;
  while (text.size() > kilohertzEnd && text.back() == '0') text.pop_back();
  // Fewer than three digits after the separator: whole kHz, so pad with zeros.
  if (text.size() < kilohertzEnd) text.append(kilohertzEnd - text.size(), '0');
  if (text.size() > kilohertzEnd) text.insert(kilohertzEnd, 1, '.');
  return text;
}

std::optional<std::string> kilohertzText(const char* text, FrequencyUnit unit) {
  const double value = frequencyValue(text);
  if (value <= 0.0) return std::nullopt;
  if (unit == FrequencyUnit::Megahertz) return formatKilohertz(text);
  return formatKilohertz(formatText("%.*f", kMegahertzDecimals, toMegahertz(value, unit)).c_str());
}

std::string frequencyColumn(double kilohertz) {
  if (!std::isfinite(kilohertz)) kilohertz = 0.0;
  std::string text = formatFrequencyColumn(kilohertz);
  // Fewer decimals keep a wide value in the column; the importing program reads it by position.
  for (int decimals = 1; text.size() > kFrequencyColumnWidth && decimals >= 0; --decimals) {
    text = formatText("%9.*f", decimals, kilohertz);
  }
  return text.size() > kFrequencyColumnWidth ? formatFrequencyColumn(0.0) : text;
}

std::string formatFrequencyColumn(double kilohertz) {
  if (std::signbit(kilohertz) || !(kilohertz < kExactLimit)) {
    return formatText("%9.2f", kilohertz);  // negative, not a number, or huge
  }
  // The double is mantissa * 2^exponent exactly; hundredths are mantissa * 100 / 2^shift,
  // rounded to nearest with ties to even, all in integers.
  uint64_t bits;
  static_assert(sizeof bits == sizeof kilohertz, "a double has 64 bits");
  std::memcpy(&bits, &kilohertz, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  int shift = 1074;  // subnormal numbers
  if (biased != 0) {
    mantissa |= uint64_t{1} << 52;
    shift = 1075 - biased;  // at least 13 below kExactLimit
  }
  const uint64_t scaled = mantissa * 100;  // below 2^60
  uint64_t hundredths = 0;
  if (shift < 64) {
    hundredths = scaled >> shift;
    const uint64_t rest = scaled & ((uint64_t{1} << shift) - 1);
    const uint64_t half = uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && (hundredths & 1) != 0)) ++hundredths;
  }  // else the value is far below 0.005 and rounds to zero

  char digits[24];
  char* end = digits + sizeof digits;
  char* p = end;
  for (int i = 0; i < 2; ++i) {
    *--p = static_cast<char>('0' + hundredths % 10);
    hundredths /= 10;
  }
  *--p = '.';
  do {
    *--p = static_cast<char>('0' + hundredths % 10);
    hundredths /= 10;
  } while (hundredths > 0);
  const size_t length = static_cast<size_t>(end - p);
  std::string text;
  if (length < kFrequencyColumnWidth) text.assign(kFrequencyColumnWidth - length, ' ');
  text.append(p, length);
  return text;
}
