#include "core/qso_record.h"

const char* shownTime(const QsoRecord& record) { return record.timeOn[0] != '\0' ? record.timeOn : record.timeOff; }

std::string contactPrefix(const QsoRecord& record) {
  return std::string(record.call) + " on " + record.qsoDate + " at " + shownTime(record);
}
