#include "refdata/callsign_prefix.h"

#include <cstddef>

#include "core/ascii.h"
#include "core/text_format.h"
#include "core/text_number.h"

namespace {

// Suffixes after the last "/" that say nothing about where the station is.
const char* const PortableDesignators[] = {
    "AA", "AE", "AG", "AIR", "AM", "ANT", "BCN", "FJL", "IMD", "LGT", "LH", "LHT", "MM", "MVI", "QRP",
};

// Where the scan of a callsign without "/" stands.
enum class ScanState {
  Letters,       // only letters seen so far
  LeadingDigit,  // the text began with a digit; letters since
  Digits,        // inside the digit run that ends the prefix
};

bool isPortableDesignator(const std::string& suffix) {
  for (const char* designator : PortableDesignators) {
    if (suffix == designator) return true;
  }
  return false;
}

std::optional<std::string> fail(const char* format, const std::string& examined, std::string& message) {
  message = formatText(format, examined.c_str());
  return std::nullopt;
}

// The base with its last digit after the first character replaced by the given digit;
// the base unchanged when it has no such digit.
std::string replaceLastDigit(const std::string& base, char digit) {
  std::string copy = base;
  for (size_t i = copy.size(); i > 1; --i) {
    if (isAsciiDigit(copy[i - 1])) {
      copy[i - 1] = digit;
      break;
    }
  }
  return copy;
}

// The prefix of a text without "/": leading letters and the first digit run.
std::optional<std::string> scanPrefix(const std::string& t, std::string& message) {
  const size_t len = t.size();
  ScanState state = ScanState::Letters;
  size_t i = 0;
  for (;;) {
    const bool atEnd = i >= len;
    const char c = atEnd ? '\0' : t[i];
    switch (state) {
      case ScanState::Letters:
        if (!atEnd && isAsciiLetter(c)) {
          if (i + 1 == len) return copyPrefix(t, i == 0 ? 1 : 2, true);
          if (isAsciiDigit(t[i + 1])) state = ScanState::Digits;
          ++i;
        } else if (!atEnd && isAsciiDigit(c)) {
          state = ScanState::LeadingDigit;
          ++i;
        } else {
          return fail("ERROR [3]: Can't parse callsign %s", t, message);
        }
        break;
      case ScanState::LeadingDigit:
        if (atEnd) return copyPrefix(t, len, true);
        if (isAsciiDigit(c)) {
          state = ScanState::Digits;
        } else if (!isAsciiLetter(c)) {
          return fail("ERROR [4]: Can't parse callsign %s", t, message);
        }
        ++i;
        break;
      case ScanState::Digits:
        if (atEnd) return copyPrefix(t, len, false);
        if (isAsciiLetter(c)) return copyPrefix(t, i, false);
        if (!isAsciiDigit(c)) return fail("ERROR [5]: Can't parse callsign %s", t, message);
        ++i;
        break;
    }
  }
}

}  // namespace

std::string copyPrefix(const std::string& text, size_t n, bool addZero) {
  std::string prefix = text.substr(0, n);
  if (addZero) prefix += '0';
  return prefix;
}

std::optional<std::string> callsignPrefix(const std::string& callsign, std::string& message) {
  // Each pass resolves the last "/" and continues on the part it names, so several
  // designators are resolved from the right.
  std::string t = callsign;
  for (size_t slash = t.rfind('/'); slash != std::string::npos; slash = t.rfind('/')) {
    std::string base = t.substr(0, slash);
    std::string suffix = t.substr(slash + 1);
    if (base.size() == suffix.size()) {
      return fail("ERROR [1]: Can't determine prefix for %s", t, message);
    }
    const bool suffixShorter = suffix.size() < base.size();
    if (suffix.size() == 1) {
      const char c = suffix[0];
      if (isAsciiLetter(c)) {
        // France, the UK and Italy are the one-letter prefixes; any other letter is an
        // operating mark such as P(ortable) or M(obile).
        if (c == 'F' || c == 'G' || c == 'I') {
          t = suffix;
        } else {
          t = base;
        }
      } else if (isAsciiDigit(c)) {
        t = replaceLastDigit(base, c);
      } else {
        return fail("ERROR [2]: Can't determine prefix for %s", t, message);
      }
    } else {
      // A number above 9 or with a leading zero is no call area.
      const bool skipSuffix = isPortableDesignator(suffix) || textToInt(suffix.c_str()) > 9 ||
                              (suffix.size() >= 2 && suffix[0] == '0' && isAsciiDigit(suffix[1]));
      if (skipSuffix) {
        t = base;
      } else {
        t = suffixShorter ? suffix : base;
      }
    }
  }
  return scanPrefix(t, message);
}

bool isUsCallsign(const std::string& callsign) {
  std::string message;
  const std::optional<std::string> prefix = callsignPrefix(callsign, message);
  if (!prefix || prefix->size() < 2) return false;
  const char f = (*prefix)[0];
  const char s = (*prefix)[1];
  if (f == 'A') return (s >= 'A' && s <= 'G') || (s >= 'I' && s <= 'K');
  if (f == 'K' || f == 'N' || f == 'W') return s != 'H' && s != 'L' && s != 'P';
  return false;
}
