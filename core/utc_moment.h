// Moments in UTC as a run's time window compares them: YYYYMMDDhhmmss read as one decimal
// number, so that a later moment is a larger number.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/qso_record.h"

// Which end of a window a typed bound closes; a bound covers the whole day or minute it names.
enum class WindowEnd {
  From,  // the bound's first second: a date alone is 00:00:00, HH:MM is HH:MM:00
  To,    // the bound's last second: a date alone is 23:59:59, HH:MM is HH:MM:59
};

// A bound typed as "YYYY-MM-DD", "YYYY-MM-DD HH:MM", "YYYYMMDD" or "YYYYMMDDHHMM", surrounding
// blanks aside. Returns nullopt for any other text (the empty text too) and for a date or time
// that does not exist.
std::optional<int64_t> parseUtcBound(std::string_view text, WindowEnd end);

// A moment as "YYYY-MM-DD HH:MM"; its seconds are not shown.
std::string utcBoundText(int64_t moment);

// A record's moment, the date and time its QSO line shows: QSO_DATE (YYYYMMDD) and TIME_ON
// (HHMM or HHMMSS), with TIME_OFF standing in for an empty TIME_ON.
// Returns nullopt when the record has no date or time of that form.
std::optional<int64_t> recordUtcMoment(const QsoRecord& record);
