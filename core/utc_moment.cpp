#include "core/utc_moment.h"

#include <algorithm>

#include "core/ascii.h"
#include "core/ascii_text.h"
#include "core/text_format.h"

namespace {

constexpr int64_t kDay = 1000000;  // one step of the date part of a moment
constexpr int64_t kMinute = 100;   // one step of the minutes of a moment

bool allDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), isAsciiDigit); }

// The value of a text of digits only.
int64_t digitsValue(std::string_view digits) {
  int64_t value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

bool isLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Whether YYYYMMDD names a day of the calendar (years 1 to 9999).
bool dateExists(int64_t date) {
  constexpr int kDaysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int64_t year = date / 10000, month = date / 100 % 100, day = date % 100;
  if (year < 1 || month < 1 || month > 12 || day < 1) return false;
  const int64_t days = kDaysIn[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
  return day <= days;
}

}  // namespace

std::optional<int64_t> parseUtcBound(std::string_view text, WindowEnd end) {
  text = trimAsciiSpace(text);
  std::string digits;  // YYYYMMDD, then HHMM when given
  if (text.size() >= 10 && text[4] == '-' && text[7] == '-') {
    // YYYY-MM-DD, then an optional " HH:MM"
    digits.append(text.substr(0, 4)).append(text.substr(5, 2)).append(text.substr(8, 2));
    if (text.size() == 16 && text[10] == ' ' && text[13] == ':') {
      digits.append(text.substr(11, 2)).append(text.substr(14, 2));
    } else if (text.size() != 10) {
      return std::nullopt;
    }
  } else if (text.size() == 8 || text.size() == 12) {
    digits = text;
  } else {
    return std::nullopt;
  }
  if (!allDigits(digits)) return std::nullopt;
  const int64_t date = digitsValue(std::string_view(digits).substr(0, 8));
  if (!dateExists(date)) return std::nullopt;
  if (digits.size() == 8) return date * kDay + (end == WindowEnd::From ? 0 : 235959);
  const int64_t hhmm = digitsValue(std::string_view(digits).substr(8));
  if (hhmm / 100 > 23 || hhmm % 100 > 59) return std::nullopt;
  return date * kDay + hhmm * kMinute + (end == WindowEnd::From ? 0 : 59);
}

std::string utcBoundText(int64_t moment) {
  const int64_t date = moment / kDay, hhmm = moment % kDay / kMinute;
  return formatText("%04d-%02d-%02d %02d:%02d", static_cast<int>(date / 10000), static_cast<int>(date / 100 % 100),
                    static_cast<int>(date % 100), static_cast<int>(hhmm / 100), static_cast<int>(hhmm % 100));
}

std::optional<int64_t> recordUtcMoment(const QsoRecord& record) {
  const std::string_view date(record.qsoDate);
  const std::string_view time(shownTime(record));
  if (date.size() != 8 || !allDigits(date) || (time.size() != 4 && time.size() != 6) || !allDigits(time)) {
    return std::nullopt;
  }
  const int64_t hhmmss = digitsValue(time) * (time.size() == 4 ? 100 : 1);
  return digitsValue(date) * kDay + hhmmss;
}
