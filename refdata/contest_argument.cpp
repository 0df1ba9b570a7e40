#include "refdata/contest_argument.h"

#include <charconv>

#include "core/ascii_text.h"
#include "refdata/contest_ids.h"

std::optional<ContestChoice> parseContestArgument(std::string_view value) {
  const std::string_view text = trimAsciiSpace(value);
  for (int32_t code = 0; code < kContestCount; ++code) {
    if (equalsIgnoringCase(text, contestName(code))) return ContestChoice{static_cast<ContestKind>(code), -1};
  }
  // Digits only: an unsigned reading refuses a sign, and the whole text must be used.
  unsigned code = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (error == std::errc() && end == text.data() + text.size() && code < static_cast<unsigned>(kContestCount)) {
    return ContestChoice{static_cast<ContestKind>(code), -1};
  }
  return findContestId(text);
}
