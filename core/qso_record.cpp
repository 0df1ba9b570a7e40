#include "core/qso_record.h"

std::string contactPrefix(const QsoRecord& record) {
  // A record without TIME_ON is written with TIME_OFF, and named by the time it shows.
  const char* time = record.timeOn[0] != '\0' ? record.timeOn : record.timeOff;
  return std::string(record.call) + " on " + record.qsoDate + " at " + time;
}
