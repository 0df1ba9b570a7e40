#include "refdata/state_pick_list.h"

#include <gtest/gtest.h>

namespace {

TEST(StatePickList, FiftyFourEntriesInDialogOrder) {
  // The single-state and provincial parties by name, then the three multi-state entries.
  const char* const codes[kStatePickCount] = {
      "AL", "AZ", "AR", "BC", "CA", "CO", "CT", "DE", "FL", "GA", "HI", "ID", "IL", "IN", "IA", "KS",  "KY",   "LA",
      "ME", "MD", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH",  "OK",   "ON",
      "OR", "PA", "QC", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY", "7QP", "NEQP", "MULTI",
  };
  for (int32_t i = 0; i < kStatePickCount; ++i) {
    const StateNumber n = statePickListEntry(i);
    EXPECT_STREQ(stateCodeOf(n), codes[i]) << i;
    EXPECT_EQ(statePickListPosition(n), i);
  }
  EXPECT_EQ(statePickListPosition(findStateNumber("MA")), -1);  // a state the list does not offer
  EXPECT_EQ(statePickListPosition(-1), -1);
  EXPECT_EQ(statePickListEntry(-1), -1);
  EXPECT_EQ(statePickListEntry(54), -1);
  EXPECT_STREQ(stateNameOf(statePickListEntry(3)), "British Columbia");
  EXPECT_STREQ(stateNameOf(statePickListEntry(53)), "7/IN/NE/MARAC");
}

}  // namespace
