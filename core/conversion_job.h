// The options and run fields of one conversion. The dialog owns the one job; the driver,
// reader, writer and county validation read it, and the reader's run fields are written during
// a run.
#pragma once
#include <cstdint>

#include "core/contest_kind.h"
#include "core/import_format.h"

// Width of the note buffer: at most 63 characters and the terminating NUL.
constexpr int kNoteSize = 64;

// Member initialisers are the values the dialog opens with.
struct ConversionJob {
  ContestKind contest = ContestKind::None;            // contest of the log; None until chosen
  int32_t headerSeen = 0;                             // 1 once the reader is past the ADIF header this run
  int32_t appendExchange = 0;                         // "Exchg/Serial": received exchange into the note line
  ImportFormat importFormat = ImportFormat::Kolvex8;  // format to write
  int32_t includeFrequency = 1;                       // "Frequency": write the QSO frequency
  int32_t groupNumber = 0;                            // KOLVEX group number of every QSO
  int32_t label = 0;                                  // "Label": label mark Y/N
  char note[kNoteSize] = {};                          // "QSO Note", written into every note line
  int32_t appendSerial = 0;                           // "Exchg/Serial": sent serial into the note line
  int32_t stateNumber = -1;                           // StateNumber of a State QSO Party; -1 = none
  int32_t upload = 1;                                 // "Upload": upload mark Y/N
  int32_t onlyContest = 0;  // "Only this contest's QSOs": convert only records whose CONTEST_ID names the contest
  int64_t fromUtc = 0;      // first moment converted, YYYYMMDDhhmmss (see utc_moment.h); 0 = no lower bound
  int64_t toUtc = 0;        // last moment converted, YYYYMMDDhhmmss; 0 = no upper bound
};
