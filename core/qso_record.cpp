#include "core/qso_record.h"

void resetQsoRecord(QsoRecord& record) { record = QsoRecord{}; }
