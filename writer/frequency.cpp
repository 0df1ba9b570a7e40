#include "writer/frequency.h"

#include <cmath>
#include <cstring>

#include "core/text_format.h"

namespace {

// One HF contest band; both edges lie just outside it.
struct BandEdges {
  double below;    // highest frequency under the band, MHz
  double above;    // lowest frequency over the band, MHz
  int32_t metres;  // band in metres
};

const BandEdges kBands[] = {
    {1.799, 2.001, 160},  {3.499, 4.001, 80},   {6.999, 7.301, 40},
    {13.999, 14.351, 20}, {20.999, 21.451, 15}, {27.999, 29.701, 10},
};

// Digits the kHz text keeps before its own decimal point.
constexpr size_t kKilohertzDigits = 3;

// Width of the frequency column.
constexpr size_t kFrequencyColumnWidth = 9;

// Below this the value times 100 keeps well inside 64-bit integers; any larger value (never a
// real frequency) goes through the C library.
constexpr double kExactLimit = 1e12;

}  // namespace

int32_t bandFromFrequency(double megahertz) {
  for (const BandEdges& band : kBands) {
    if (megahertz > band.below && megahertz < band.above) return band.metres;
  }
  return 0;
}

std::optional<std::string> formatKilohertz(const char* megahertz) {
  if (megahertz == nullptr || *megahertz == '\0') return std::nullopt;
  std::string text(megahertz);
  const size_t comma = text.find_first_of(".,");
  if (comma == std::string::npos) return std::nullopt;
  text[comma] = ',';
  // Trailing zeros beyond the kHz digits carry nothing.
  const size_t kilohertzEnd = comma + 1 + kKilohertzDigits;
  while (text.size() > kilohertzEnd && text.back() == '0') text.pop_back();
  // Fewer than three digits after the separator: whole kHz, so pad with zeros.
  if (text.size() < kilohertzEnd) text.append(kilohertzEnd - text.size(), '0');
  if (text.size() > kilohertzEnd) text.insert(kilohertzEnd, 1, '.');
  return text;
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
