// A run's warnings and errors grouped by kind, for the operator who wants to know what kinds of
// problem a log has and how many of each before reading them one by one.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/message_lists.h"

// The lines of one kind.
struct MessageKindGroup {
  std::vector<std::string> lines;  // oldest first, as the results show them; never empty
};

// The warnings and errors of a run by kind. The summary list is no problem and is left out.
struct MessageKinds {
  int32_t errors = 0;                    // lines of the errors list
  int32_t warnings = 0;                  // lines of the warnings list
  std::vector<MessageKindGroup> groups;  // most lines first; of equal ones, the one the results show first
};

// Groups the warnings, then the errors, by kind; a kind of both lists is two groups.
MessageKinds groupMessageKinds(const MessageLists& lists);

// "%d errors, %d warnings, %d kinds".
std::string kindCountsLine(const MessageKinds& kinds);

// One line per group, in order: "%d × %s", with the group's first line without its line end.
std::vector<std::string> kindLines(const MessageKinds& kinds);
