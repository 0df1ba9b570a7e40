// The KOLVEX import formats and everything that differs between them, kept in one place for
// the record writer, the dialog and the command line: names, limits and the column layout of
// the QSO line. A new format is a row of this table.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Index of the format list.
enum class ImportFormat : int32_t {
  Kolvex6 = 0,  // "KOLVEX6": 133-character QSO lines, one-line names entries
  Kolvex8 = 1,  // "KOLVEX8": 187-character QSO lines with a frequency column
};

// Number of entries in the format list.
constexpr int32_t kImportFormatCount = 2;

// What a column of the QSO line shows.
enum class Column : int32_t {
  Date,       // QSO_DATE
  Time,       // TIME_ON, or TIME_OFF without it, as HHMMSS
  Call,       // the contacted callsign
  Band,       // band in metres
  Mode,       // mode text
  RstSent,    // sent report
  RstRcvd,    // received report
  Exchange,   // received exchange
  Zone,       // zone number
  Label,      // Y/N: the QSO is marked for a label
  State,      // US state
  County,     // county name
  Group,      // group number
  Grid,       // grid locator
  Iota,       // IOTA reference without its dash
  Award,      // award reference: kind and value
  Upload,     // Y/N: the QSO is to be uploaded
  Frequency,  // frequency in kHz
  Constant,   // the layout's own text, the same on every line
};

// Number of columns a contact fills (every Column but Constant).
constexpr size_t kContactColumnCount = static_cast<size_t>(Column::Constant);

// Which side of a column a shorter value stands on.
enum class Align {
  Left,   // blanks after the value
  Right,  // blanks before the value
};

// One column of a QSO line.
struct ColumnSpec {
  Column column;               // what it shows
  int32_t start;               // first character, counted from 1
  int32_t width;               // characters; a longer value is cut, a shorter one padded
  Align align;                 // where the blanks of a shorter value go
  const char* text = nullptr;  // Constant: the text itself, exactly width characters
};

// The facts that depend on the import format.
struct FormatTraits {
  const char* name;           // name shown in the format list and the closing report
  int32_t groupNumberLimit;   // largest group number the dialog accepts
  const char* namesEntry;     // printf format of one names-file entry (call, name), CR LF ends
  int32_t lineLength;         // characters of every QSO line
  const ColumnSpec* columns;  // the QSO line, left to right
  size_t columnCount;         // entries of columns
};

// The traits of format 0 or 1. Any other value gets the KOLVEX8 traits.
const FormatTraits& formatTraits(ImportFormat format);

// The name shown for format value 0 or 1. Returns nullptr for any other value.
const char* importFormatName(int32_t value);

// The width of each column in a format's QSO line, indexed by Column; 0 for a column the
// format lacks.
using ColumnWidths = std::array<int32_t, kContactColumnCount>;

// Characters of the widest column that shows a contact's value (the county) in any format.
constexpr int32_t kMaxValueWidth = 22;

// A QSO line with the format's constant texts in place and blanks in every other column:
// lineLength characters, not NUL-terminated. Format values other than 0 or 1 get KOLVEX8's.
const char* blankLine(ImportFormat format);

// The column widths of format 0 or 1. Any other value gets the KOLVEX8 widths.
const ColumnWidths& columnWidths(ImportFormat format);
