// What the record writer remembers from one record to the next within a run.
#pragma once
#include <set>
#include <string>
#include <utility>

struct ImportWriterState {
  bool bandNoticeGiven = false;                           // band notice or no-band error given
  std::set<std::pair<std::string, std::string>> nameSet;  // (call, name) pairs already written
  bool kilohertzNoticeGiven = false;                      // the notice of FREQ in kHz given
  bool hertzNoticeGiven = false;                          // the notice of FREQ in Hz given
  std::string inputPath;  // the input's name as given, for the messages about the log; kept by a reset
};
