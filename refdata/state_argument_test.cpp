#include "refdata/state_argument.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseStateArgument, CodeOrNameInAnyCase) {
  struct Case {
    const char* text;  // as typed
    const char* code;  // code of the row it names; nullptr: none
  };
  const Case cases[] = {
      {"alabama", "AL"},
      {" AL ", "AL"},
      {"\tOhio\r\n", "OH"},
      {"7qp", "7QP"},
      {"neqp", "NEQP"},
      {"multi", "MULTI"},
      {"7/in/ne/marac", "MULTI"},
      {"ma", "MA"},  // MA: not in the dialog's list
      {"quebec", "QC"},
      {"on", "ON"},
      {"", nullptr},
      {"   ", nullptr},
      {"Ohi", nullptr},
      {"Ohio x", nullptr},
      {"DC", nullptr},
      {"NS", nullptr},  // a district, a province
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseStateArgument(c.text), c.code != nullptr ? findStateNumber(c.code) : -1) << '"' << c.text << '"';
  }
}

TEST(ParseStateArgument, EveryRowByCodeAndName) {
  for (StateNumber n = 0; n < kStateCount; ++n) {
    EXPECT_EQ(parseStateArgument(stateCodeOf(n)), n) << n;
    EXPECT_EQ(parseStateArgument(stateNameOf(n)), n) << n;
  }
}

}  // namespace
