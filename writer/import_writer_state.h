// What the record writer remembers from one record to the next within a run.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <utility>

// The once-a-run notices about the log's BAND and FREQ, each set once given.
struct RunNotices {
  bool band = false;       // band notice or no-band error given
  bool kilohertz = false;  // the notice of FREQ in kHz given
  bool hertz = false;      // the notice of FREQ in Hz given
};

// The run's own state, held by the driver: what it has told and written so far.
struct ImportWriterState {
  RunNotices notices;                                     // the notices given
  std::set<std::pair<std::string, std::string>> nameSet;  // (call, name) pairs already written
  std::string inputPath;  // the input's name as given, for the messages about the log; kept by a reset

  // Names written to the names file this run: one per pair.
  int32_t namesWritten() const { return static_cast<int32_t>(nameSet.size()); }
};
