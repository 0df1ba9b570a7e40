// The ADIF reader: a scanner that fills one QsoRecord per call.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/conversion_job.h"
#include "core/line_reader.h"
#include "core/qso_record.h"

// One ADIF input as the reader goes through it, kept from one record to the next: its lines,
// the text of the current line not yet scanned, and what the reader found out about the input.
struct AdifInput {
  explicit AdifInput(std::FILE* file) : lines(file) {}

  LineReader lines;               // the input's lines; lines.readError() tells of a failed read
  std::string_view rest;          // the current line's text after the last tag scanned
  bool valueStored = false;       // a tag of the tag table was met since the last end-of-record tag
  bool headerless = false;        // no end-of-header and "<" comes first: records read from the first line
  bool headerMissing = false;     // no end-of-header and not headerless: no records were read
  bool recordUnfinished = false;  // the input ended after a stored value without an end-of-record tag
};

// Reads until an end-of-record tag completes a record, storing the known tags into the record
// (which the caller empties beforehand). Skips the header first while job.headerSeen is 0 and
// then sets it; a log without an end-of-header is read from its start when "<" comes first.
// Returns 1 when a record was completed, 0 at end of input or on a read error.
int32_t readQsoRecord(AdifInput& input, QsoRecord& record, ConversionJob& job);
