#include "refdata/state_argument.h"

#include "core/ascii_text.h"

StateNumber parseStateArgument(std::string_view text) {
  const std::string_view wanted = trimAsciiSpace(text);
  if (wanted.empty()) return -1;
  for (StateNumber n = 0; n < kStateCount; ++n) {
    if (equalsIgnoringCase(wanted, stateCodeOf(n)) || equalsIgnoringCase(wanted, stateNameOf(n))) return n;
  }
  return -1;
}
