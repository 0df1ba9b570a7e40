#include "core/qso_record.h"

std::string contactPrefix(const QsoRecord& record) {
  return std::string(record.call) + " on " + record.qsoDate + " at " + record.timeOn;
}
