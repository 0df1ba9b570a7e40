#include "writer/frequency.h"

#include <cstring>

namespace {

// One HF contest band; both edges lie just outside it.
struct BandEdges {
  double below;    // highest frequency under the band, MHz
  double above;    // lowest frequency over the band, MHz
  int32_t metres;  // band in metres
};

const BandEdges kBands[] = {
    {1.799, 2.001, 160}, {3.499, 4.001, 80},   {6.999, 7.301, 40},
    {13.999, 14.351, 20}, {20.999, 21.451, 15}, {27.999, 29.701, 10},
};

// Digits the kHz text keeps before its own decimal point.
constexpr size_t kKilohertzDigits = 3;

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
