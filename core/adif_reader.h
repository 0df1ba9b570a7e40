// The ADIF reader: a scanner that fills one QsoRecord per call.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

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
  // The name, as written, of the record's first tag whose length ran past the end of the input;
  // empty when none did. Each call of readQsoRecord begins it afresh.
  std::string lengthPastEnd;
  std::vector<std::string> recordContestIds;  // CONTEST_ID values of the record just read, as written, in order
  // Names, as written, of the record's kept values whose length spanned a line end, in order;
  // those values were read without their CR and LF bytes.
  std::vector<std::string> lineBreakTags;
  // The words for nothing (False, None, null, NaN) that kept values of the record were, as
  // written without surrounding blanks, in order; those values were read as empty.
  std::vector<std::string> nothingWords;
};

// Whether a tag name is CONTEST_ID, in any letter case.
bool isContestIdTag(std::string_view name);

// Reads until an end-of-record tag completes a record, storing the known tags into the record
// (which the caller empties beforehand) and its CONTEST_ID values into input.recordContestIds.
// A kept value whose length spans a line end is read without it, and a word for nothing as
// empty; lineBreakTags and nothingWords tell of them.
// Skips the header first while job.headerSeen is 0 and then sets it; a log without an
// end-of-header is read from its start when "<" comes first.
// Returns 1 when a record was completed, 0 at end of input or on a read error.
int32_t readQsoRecord(AdifInput& input, QsoRecord& record, ConversionJob& job);
