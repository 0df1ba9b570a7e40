#include "core/qso_record.h"

#include <cstdarg>

#include "core/text_format.h"

const char* shownTime(const QsoRecord& record) { return record.timeOn[0] != '\0' ? record.timeOn : record.timeOff; }

std::string contactPrefix(const QsoRecord& record) {
  return std::string(record.call) + " on " + record.qsoDate + " at " + shownTime(record);
}

MessageText contactMessageList(const QsoRecord& record, const char* format, va_list args) {
  return MessageText(contactPrefix(record) + formatTextList(format, args), std::string("%s on %s at %s") + format);
}

MessageText contactMessage(const QsoRecord& record, const char* format, ...) {
  va_list args;
  va_start(args, format);
  MessageText message = contactMessageList(record, format, args);
  va_end(args);
  return message;
}
