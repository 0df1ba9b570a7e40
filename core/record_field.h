// Text fields of a record named by value, so that tables can list which fields to read.
#pragma once
#include "core/qso_record.h"

// Reads one text field of a record.
using FieldReader = const char* (*)(const QsoRecord&);

template <auto Member>
const char* fieldOf(const QsoRecord& record) {
  return record.*Member;
}

// The fields that contests take their exchange and operator name from.
inline constexpr FieldReader kAge = &fieldOf<&QsoRecord::age>;
inline constexpr FieldReader kArrlSect = &fieldOf<&QsoRecord::arrlSect>;
inline constexpr FieldReader kClass = &fieldOf<&QsoRecord::contestClass>;
inline constexpr FieldReader kCnty = &fieldOf<&QsoRecord::cnty>;
inline constexpr FieldReader kCqz = &fieldOf<&QsoRecord::cqz>;
inline constexpr FieldReader kDok = &fieldOf<&QsoRecord::dok>;
inline constexpr FieldReader kExchange1 = &fieldOf<&QsoRecord::exchange1>;
inline constexpr FieldReader kExchTime = &fieldOf<&QsoRecord::exchTime>;
inline constexpr FieldReader kGrid = &fieldOf<&QsoRecord::grid>;
inline constexpr FieldReader kHq = &fieldOf<&QsoRecord::hq>;
inline constexpr FieldReader kItuz = &fieldOf<&QsoRecord::ituz>;
inline constexpr FieldReader kName = &fieldOf<&QsoRecord::name>;
inline constexpr FieldReader kQth = &fieldOf<&QsoRecord::qth>;
inline constexpr FieldReader kRcvd = &fieldOf<&QsoRecord::rcvd>;
inline constexpr FieldReader kRxPwr = &fieldOf<&QsoRecord::rxPwr>;
inline constexpr FieldReader kSection = &fieldOf<&QsoRecord::section>;
inline constexpr FieldReader kSrx = &fieldOf<&QsoRecord::srx>;
inline constexpr FieldReader kState = &fieldOf<&QsoRecord::state>;
inline constexpr FieldReader kVeProv = &fieldOf<&QsoRecord::veProv>;
inline constexpr FieldReader kYear = &fieldOf<&QsoRecord::year>;
inline constexpr FieldReader kZone = &fieldOf<&QsoRecord::zone>;
