#include "core/import_format.h"

#include <array>
#include <iterator>

namespace {

constexpr Align L = Align::Left;
constexpr Align R = Align::Right;

// KOLVEX6: the frequency goes into the note line.
constexpr ColumnSpec kKolvex6Columns[] = {
    {Column::Date, 1, 8, L},     {Column::Time, 9, 6, L},      {Column::Call, 15, 12, L},
    {Column::Band, 27, 3, R},    {Column::Mode, 30, 5, L},     {Column::RstSent, 35, 3, L},
    {Column::RstRcvd, 38, 3, L}, {Column::Exchange, 41, 4, L}, {Column::Constant, 45, 5, L, "     "},
    {Column::Zone, 50, 2, R},    {Column::Label, 52, 1, L},    {Column::Constant, 53, 10, L, "         N"},
    {Column::State, 63, 2, R},   {Column::County, 65, 22, L},  {Column::Group, 87, 3, R},
    {Column::Grid, 90, 6, L},    {Column::Iota, 96, 5, L},     {Column::Constant, 101, 20, L, "NNNYNNNNNNNNNNNNNNNN"},
    {Column::Award, 121, 12, L}, {Column::Upload, 133, 1, L},
};

constexpr ColumnSpec kKolvex8Columns[] = {
    {Column::Date, 1, 8, L},
    {Column::Time, 9, 6, L},
    {Column::Call, 15, 12, L},
    {Column::Band, 27, 3, R},
    {Column::Mode, 30, 6, L},
    {Column::RstSent, 36, 3, L},
    {Column::RstRcvd, 39, 3, L},
    {Column::Exchange, 42, 4, L},
    {Column::Constant, 46, 5, L, "     "},
    {Column::Zone, 51, 2, R},
    {Column::Label, 53, 1, L},
    {Column::Constant, 54, 10, L, "         N"},
    {Column::State, 64, 2, R},
    {Column::County, 66, 22, L},
    {Column::Group, 88, 5, R},
    {Column::Grid, 93, 6, L},
    {Column::Iota, 99, 5, L},
    {Column::Constant, 104, 2, L, "NN"},
    {Column::Award, 106, 12, L},
    {Column::Upload, 118, 1, L},
    {Column::Constant, 119, 9, L, "N        "},
    {Column::Frequency, 128, 9, R},
    {Column::Constant, 137, 41, L, "--    ------  NNNNNNNNNNNNNNNNNNNNNNNNNNN"},
    {Column::Upload, 178, 1, L},
    {Column::Constant, 179, 9, L, "        N"},
};

constexpr FormatTraits kTraits[] = {
    {"KOLVEX6", 253, "%s,%s\r\n", 133, kKolvex6Columns, std::size(kKolvex6Columns)},
    {"KOLVEX8", 65533, "%s,\r\n%s\r\n\r\n", 187, kKolvex8Columns, std::size(kKolvex8Columns)},
};

constexpr size_t textLength(const char* text) {
  size_t length = 0;
  while (text[length] != '\0') ++length;
  return length;
}

// Every column starts where the one before ends, a constant is as wide as its column, and the
// last column ends at the line's length.
constexpr bool columnsTile(const FormatTraits& traits) {
  int32_t next = 1;
  for (size_t i = 0; i < traits.columnCount; ++i) {
    const ColumnSpec& c = traits.columns[i];
    if (c.start != next || c.width <= 0) return false;
    if ((c.column == Column::Constant) != (c.text != nullptr)) return false;
    if (c.text != nullptr && textLength(c.text) != static_cast<size_t>(c.width)) return false;
    next += c.width;
  }
  return next == traits.lineLength + 1;
}

constexpr bool everyLayoutTiles() {
  for (const FormatTraits& traits : kTraits) {
    if (!columnsTile(traits)) return false;
  }
  return true;
}
static_assert(everyLayoutTiles(), "each layout's columns fill its line without gaps or overlaps");
static_assert(std::size(kTraits) == static_cast<size_t>(kImportFormatCount), "one layout per format");

// Room for the QSO line of any format, in the blank lines below.
constexpr size_t kMaxLineLength = 192;

constexpr bool withinTheLimits() {
  for (const FormatTraits& traits : kTraits) {
    if (traits.lineLength > static_cast<int32_t>(kMaxLineLength)) return false;
    for (size_t i = 0; i < traits.columnCount; ++i) {
      const ColumnSpec& c = traits.columns[i];
      if (c.column != Column::Constant && c.width > kMaxValueWidth) return false;
    }
  }
  return true;
}
static_assert(withinTheLimits(), "every QSO line fits kMaxLineLength, every value column kMaxValueWidth");

// The widths and the blank line are looked up for every QSO written, so worked out once.
constexpr ColumnWidths widthsOf(const FormatTraits& traits) {
  ColumnWidths widths{};
  for (size_t i = 0; i < traits.columnCount; ++i) {
    const ColumnSpec& c = traits.columns[i];
    if (c.column != Column::Constant) widths[static_cast<size_t>(c.column)] = c.width;
  }
  return widths;
}

constexpr std::array<ColumnWidths, std::size(kTraits)> allWidths() {
  std::array<ColumnWidths, std::size(kTraits)> widths{};
  for (size_t i = 0; i < widths.size(); ++i) widths[i] = widthsOf(kTraits[i]);
  return widths;
}

constexpr std::array<ColumnWidths, std::size(kTraits)> kWidths = allWidths();

using LineText = std::array<char, kMaxLineLength>;

constexpr LineText blankLineOf(const FormatTraits& traits) {
  LineText line{};
  for (size_t i = 0; i < line.size(); ++i) line[i] = ' ';
  for (size_t i = 0; i < traits.columnCount; ++i) {
    const ColumnSpec& c = traits.columns[i];
    if (c.text == nullptr) continue;
    for (int32_t k = 0; k < c.width; ++k) line[static_cast<size_t>(c.start - 1 + k)] = c.text[k];
  }
  return line;
}

constexpr std::array<LineText, std::size(kTraits)> blankLines() {
  std::array<LineText, std::size(kTraits)> lines{};
  for (size_t i = 0; i < lines.size(); ++i) lines[i] = blankLineOf(kTraits[i]);
  return lines;
}

constexpr std::array<LineText, std::size(kTraits)> kBlankLines = blankLines();

}  // namespace

const FormatTraits& formatTraits(ImportFormat format) {
  const int32_t value = static_cast<int32_t>(format);
  if (value < 0 || value >= kImportFormatCount) return kTraits[static_cast<int32_t>(ImportFormat::Kolvex8)];
  return kTraits[value];
}

const char* importFormatName(int32_t value) {
  if (value < 0 || value >= kImportFormatCount) return nullptr;
  return kTraits[value].name;
}

const char* blankLine(ImportFormat format) {
  return kBlankLines[static_cast<size_t>(&formatTraits(format) - kTraits)].data();
}

const ColumnWidths& columnWidths(ImportFormat format) {
  return kWidths[static_cast<size_t>(&formatTraits(format) - kTraits)];
}
