// The KOLVEX import formats and everything that differs between them, kept in one place
// for the record writer and the dialog.
#pragma once
#include <cstdint>

// Index of the format list.
enum class ImportFormat : int32_t {
  Kolvex6 = 0,  // "KOLVEX6": 133-character QSO lines, one-line names entries
  Kolvex8 = 1,  // "KOLVEX8": 187-character QSO lines with a frequency column
};

// Number of entries in the format list.
constexpr int32_t kImportFormatCount = 2;

// The facts that depend on the import format.
struct FormatTraits {
  const char* name;          // name shown in the format list and the closing report
  int32_t groupNumberLimit;  // largest group number the dialog accepts
  const char* modeColumn;    // printf format of the mode column
  const char* groupColumn;   // printf format of the group number column
  const char* flagRun;       // constant flags after the grid and IOTA columns
  bool frequencyColumn;      // true: frequency is a column of the QSO line, false: note-line text
  const char* namesEntry;    // printf format of one names-file entry (call, name), CR LF ends
  int32_t lineLength;        // characters of a QSO line whose values all fit their columns
};

// The traits of format 0 or 1. Any other value gets the KOLVEX8 traits.
const FormatTraits& formatTraits(ImportFormat format);

// The name shown for format value 0 or 1. Returns nullptr for any other value.
const char* importFormatName(int32_t value);
