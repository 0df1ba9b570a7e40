#include "core/adif_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

#include "core/ascii.h"
#include "core/ascii_text.h"
#include "core/text_number.h"
#include "core/utf8_cut.h"

namespace {

// How a tag's value is stored.
enum class StoreKind {
  Text,       // copied into a text field, cut to what the field holds
  Utf8Text,   // like Text, but a UTF-8 value is cut between characters
  Integer,    // leading decimal number
  Character,  // first character, 0 for an empty value
  Band,       // as Text, and the leading decimal number into `band`
};

// One recognised tag name and the record field it fills.
struct TagRule {
  std::string_view name;  // upper-case tag name, compared whole
  StoreKind kind;         // how the value is stored
  size_t offset;          // offset of the field in QsoRecord
  size_t size;            // size of the field in bytes
};

#define FIELD(member) offsetof(QsoRecord, member), sizeof(QsoRecord::member)

constexpr TagRule kTagRules[] = {
    {"AGE", StoreKind::Text, FIELD(age)},
    {"APP_N1MM_EXCHANGE1", StoreKind::Text, FIELD(exchange1)},
    {"APP_N1MM_HQ", StoreKind::Text, FIELD(hq)},
    {"APP_WRITELOG_CK", StoreKind::Integer, FIELD(check)},
    {"APP_WRITELOG_CNTY", StoreKind::Text, FIELD(cnty)},
    {"APP_WRITELOG_DGTL", StoreKind::Text, FIELD(dgtl)},
    {"APP_WRITELOG_FNAME", StoreKind::Utf8Text, FIELD(name)},
    {"APP_WRITELOG_ID/SPC", StoreKind::Text, FIELD(rcvd)},
    {"APP_WRITELOG_IOTA", StoreKind::Text, FIELD(iota)},
    {"APP_WRITELOG_NAME", StoreKind::Utf8Text, FIELD(name)},
    {"APP_WRITELOG_P", StoreKind::Character, FIELD(prec)},
    {"APP_WRITELOG_PREF", StoreKind::Text, FIELD(pref)},
    {"APP_WRITELOG_PROV", StoreKind::Text, FIELD(prov)},
    {"APP_WRITELOG_QTH", StoreKind::Utf8Text, FIELD(qth)},
    {"APP_WRITELOG_RCV", StoreKind::Text, FIELD(rcvd)},
    {"APP_WRITELOG_RCVD", StoreKind::Text, FIELD(rcvd)},
    {"APP_WRITELOG_TIME", StoreKind::Text, FIELD(exchTime)},
    {"APP_WRITELOG_YEAR", StoreKind::Text, FIELD(year)},
    {"APP_WRITELOG_ZONE", StoreKind::Text, FIELD(zone)},
    {"ARRL_SECT", StoreKind::Text, FIELD(arrlSect)},
    {"BAND", StoreKind::Band, FIELD(bandText)},
    {"CALL", StoreKind::Text, FIELD(call)},
    {"CHECK", StoreKind::Integer, FIELD(check)},
    {"CK", StoreKind::Integer, FIELD(check)},
    {"CLASS", StoreKind::Text, FIELD(contestClass)},
    {"CNTY", StoreKind::Text, FIELD(cnty)},
    {"CQZ", StoreKind::Text, FIELD(cqz)},
    {"DGTL", StoreKind::Text, FIELD(dgtl)},
    {"DOK", StoreKind::Text, FIELD(dok)},
    {"FREQ", StoreKind::Text, FIELD(freq)},
    {"FREQ_RX", StoreKind::Text, FIELD(freqRx)},
    {"GRID", StoreKind::Text, FIELD(grid)},
    {"GRIDSQUARE", StoreKind::Text, FIELD(grid)},
    {"IOTA", StoreKind::Text, FIELD(iota)},
    {"ITUZ", StoreKind::Text, FIELD(ituz)},
    {"MODE", StoreKind::Text, FIELD(mode)},
    {"NAME", StoreKind::Utf8Text, FIELD(name)},
    {"NAME_SENT", StoreKind::Utf8Text, FIELD(name)},
    {"PREC", StoreKind::Character, FIELD(prec)},
    {"PRECEDENCE", StoreKind::Character, FIELD(prec)},
    {"PREF", StoreKind::Text, FIELD(pref)},
    {"QSO_DATE", StoreKind::Text, FIELD(qsoDate)},
    {"QTH", StoreKind::Utf8Text, FIELD(qth)},
    {"RCVD", StoreKind::Text, FIELD(rcvd)},
    {"RCVD_QTH", StoreKind::Text, FIELD(rcvd)},
    {"RST_RCVD", StoreKind::Text, FIELD(rstRcvd)},
    {"RST_SENT", StoreKind::Text, FIELD(rstSent)},
    {"RX_EXCH", StoreKind::Text, FIELD(rxExch)},
    {"RX_PWR", StoreKind::Text, FIELD(rxPwr)},
    {"SECTION", StoreKind::Text, FIELD(section)},
    {"SRX", StoreKind::Text, FIELD(srx)},
    {"SRX_STRING", StoreKind::Text, FIELD(srxString)},
    {"STATE", StoreKind::Text, FIELD(state)},
    {"STX", StoreKind::Text, FIELD(stx)},
    {"SUBMODE", StoreKind::Text, FIELD(submode)},
    {"TIME_OFF", StoreKind::Text, FIELD(timeOff)},
    {"TIME_ON", StoreKind::Text, FIELD(timeOn)},
    {"VE_PROV", StoreKind::Text, FIELD(veProv)},
};

#undef FIELD

static_assert(std::size(kTagRules) == 58, "the reader knows 58 tag names");

// Bytes the value of a tag is handled up to; longer values are cut.
constexpr size_t kValueLimit = 31;

// Longest tag name the table can hold; a longer name is never looked up.
constexpr size_t kLongestName = 24;

constexpr bool rulesAreInNameOrder() {
  for (size_t i = 1; i < std::size(kTagRules); ++i) {
    if (!(kTagRules[i - 1].name < kTagRules[i].name)) return false;
  }
  for (const TagRule& rule : kTagRules) {
    if (rule.name.size() > kLongestName) return false;
  }
  return true;
}
static_assert(rulesAreInNameOrder(), "tag rules must be in name order, no name twice, each at most kLongestName bytes");

// Finding the rule of each tag took an eighth of the conversion benchmark's instructions through
// std::unordered_map (an out-of-line hash and a division per lookup). An open-addressing table
// built at compile time, hashed with FNV-1a while the name is upper-cased, cut the whole run's
// instructions by 3.6% (2.21 to 2.13 billion for 200,000 records under callgrind).
constexpr size_t kTagSlots = 256;  // a power of two, over four times the rules: probes stay short

// FNV-1a of an upper-case name; the same steps run over a name as it is upper-cased.
constexpr uint32_t nextTagHash(uint32_t hash, char upperCharacter) {
  return (hash ^ static_cast<unsigned char>(upperCharacter)) * 16777619u;
}
constexpr uint32_t kTagHashStart = 2166136261u;

// For each slot, 1 + the index of the rule whose name hashes there (or to an earlier slot taken
// before it); 0 for an empty slot, which ends a search.
constexpr std::array<uint8_t, kTagSlots> tagSlots() {
  std::array<uint8_t, kTagSlots> slots{};
  for (size_t i = 0; i < std::size(kTagRules); ++i) {
    uint32_t hash = kTagHashStart;
    for (char c : kTagRules[i].name) hash = nextTagHash(hash, c);
    size_t slot = hash & (kTagSlots - 1);
    while (slots[slot] != 0) slot = (slot + 1) & (kTagSlots - 1);
    slots[slot] = static_cast<uint8_t>(i + 1);
  }
  return slots;
}
constexpr std::array<uint8_t, kTagSlots> kTagSlotTable = tagSlots();

// The rule of a tag name given in any case. Returns nullptr for a name the reader does not keep.
const TagRule* findTagRule(std::string_view name) {
  if (name.size() > kLongestName) return nullptr;
  char upper[kLongestName];
  uint32_t hash = kTagHashStart;
  // The second bound repeats the check above for the compiler's overflow warning.
  for (size_t i = 0; i < name.size() && i < kLongestName; ++i) {
    upper[i] = toAsciiUpper(name[i]);
    hash = nextTagHash(hash, upper[i]);
  }
  const std::string_view key(upper, name.size());
  for (size_t slot = hash & (kTagSlots - 1); kTagSlotTable[slot] != 0; slot = (slot + 1) & (kTagSlots - 1)) {
    const TagRule& rule = kTagRules[kTagSlotTable[slot] - 1];
    if (rule.name == key) return &rule;
  }
  return nullptr;
}

// The leading decimal number of a value, cut like any other value before it is read.
int32_t numberOf(std::string_view value) {
  char digits[kValueLimit + 1];
  const size_t length = std::min(value.size(), kValueLimit);
  std::memcpy(digits, value.data(), length);
  digits[length] = '\0';
  return textToInt(digits);
}

void storeValue(const TagRule& rule, std::string_view value, QsoRecord& record) {
  char* field = reinterpret_cast<char*>(&record) + rule.offset;
  switch (rule.kind) {
    case StoreKind::Band:
      record.band = numberOf(value);
      [[fallthrough]];
    case StoreKind::Text:
    case StoreKind::Utf8Text: {
      const size_t room = std::min(rule.size - 1, kValueLimit);
      const size_t length =
          rule.kind == StoreKind::Utf8Text ? utf8CutLength(value, room) : std::min(value.size(), room);
      std::memcpy(field, value.data(), length);
      field[length] = '\0';
      break;
    }
    case StoreKind::Integer: {
      const int32_t number = numberOf(value);
      std::memcpy(field, &number, sizeof number);
      break;
    }
    case StoreKind::Character:
      *field = value.empty() ? '\0' : value[0];
      break;
  }
}

// Where the text after the first end-of-header tag of a line begins; npos when the line holds
// none. Exactly the forms <EOH>, <eoh> and <Eoh> end a header.
size_t afterEndOfHeader(std::string_view line) {
  for (size_t open = line.find('<'); open != std::string_view::npos; open = line.find('<', open + 1)) {
    const std::string_view tag = line.substr(open, 5);
    if (tag == "<EOH>" || tag == "<eoh>" || tag == "<Eoh>") return open + tag.size();
  }
  return std::string_view::npos;
}

// Whether a tag name marks the end of a record: it begins with EOR in any case.
bool endsRecord(std::string_view name) {
  return name.size() >= 3 && toAsciiUpper(name[0]) == 'E' && toAsciiUpper(name[1]) == 'O' &&
         toAsciiUpper(name[2]) == 'R';
}

// Where a scan of a line's tags ended.
enum class TagScanEnd {
  LineUsed,   // the text holds no further complete tag; it is used up
  RecordEnd,  // an end-of-record tag; the text holds what follows it
};

// What a tag handler gets of a value too long to be held: its first bytes up to the first CR
// or LF, as such values are notes and addresses, never a field the reader keeps whole.
std::string_view keptPart(std::string_view value) { return value.substr(0, value.find_first_of("\r\n")); }

// A value without its CR and LF bytes.
std::string withoutLineEnds(std::string_view value) {
  std::string joined;
  joined.reserve(value.size());
  for (char c : value) {
    if (c != '\r' && c != '\n') joined += c;
  }
  return joined;
}

// The longest value that is read whole; a longer one has its first bytes kept and the rest
// skipped unread, so that the memory held does not grow with it. Its length is taken in bytes.
constexpr size_t kLongestHeldValue = 256 * 1024;

// Bytes of a value too long to be held that are handed on: more than any field keeps.
constexpr size_t kHeldStartOfLongValue = 4 * kValueLimit + 4;

// A value whose length runs past the end of the input cannot be right: it ends before the next
// "<" of its line, or at the line's end. Returns its length in `text`.
size_t valueCutShort(std::string_view text) {
  const size_t stop = text.find_first_of("<\n");
  if (stop == std::string_view::npos) return text.size();
  return text[stop] == '\n' && stop > 0 && text[stop - 1] == '\r' ? stop - 1 : stop;
}

// Scans the tags at the front of input.rest, hands each data tag's name (as written) and value
// to onTag, and drops what it scanned. A value is as long as its length says, read across line
// ends when it runs past its line (onTag gets them too), and reading goes on after the whole
// value.
template <typename OnTag>
TagScanEnd scanTags(AdifInput& input, OnTag&& onTag) {
  // Between tags and inside a tag name the next mark is a few bytes away, where std::find's
  // plain loop is cheaper than a library call; a closing ">" may be far, so memchr finds it.
  const char* end = input.rest.data() + input.rest.size();
  const char* open = std::find(input.rest.data(), end, '<');
  while (open != end) {
    const size_t left = static_cast<size_t>(end - open - 1);
    const char* close = static_cast<const char*>(std::memchr(open + 1, '>', left));
    if (close == nullptr) break;  // no tag can end on this line
    // The name runs to the first colon inside the tag.
    const char* colon = std::find(open + 1, close, ':');
    std::string_view name(open + 1, static_cast<size_t>(colon - open - 1));
    if (endsRecord(name)) {
      input.rest = std::string_view(close + 1, static_cast<size_t>(end - close - 1));
      return TagScanEnd::RecordEnd;
    }
    const char* next = close + 1;
    if (colon != close) {
      // The length follows the colon and ends at ">" or at a data-type indicator's colon; the
      // closing ">" stops the digits.
      const int32_t declared = textToInt(colon + 1);
      const size_t length = declared > 0 ? static_cast<size_t>(declared) : 0;
      const size_t available = static_cast<size_t>(end - next);
      if (length < available ? !isUtf8Continuation(next[length]) : length == available) {
        // The value ends on its line, and not inside a character.
        onTag(name, std::string_view(next, length));
        next += length;
      } else {
        // The value runs past its line, or its length may count characters: read on from the
        // tag's start, which keeps the name in the bytes read.
        const size_t prefix = static_cast<size_t>(next - open);
        // A value longer than the reader holds is skipped past, unless the input ends before it.
        bool tooLong = false;
        if (length > kLongestHeldValue) {
          const int64_t inInput = input.lines.bytesLeftFrom(next);
          tooLong = inInput < 0 || static_cast<uint64_t>(inInput) >= length;
        }
        // A length that may count characters needs up to four bytes for each.
        const size_t wanted = tooLong ? kHeldStartOfLongValue : 4 * std::min(length, kLongestHeldValue) + 4;
        const std::string_view bytes = input.lines.ahead(open, prefix + wanted);
        name = bytes.substr(1, name.size());
        const std::string_view from = bytes.substr(prefix);
        if (tooLong) {
          onTag(name, keptPart(from.substr(0, kHeldStartOfLongValue)));
          input.lines.skipPast(from.data(), length, input.rest);
        } else {
          const bool pastEnd = from.size() < length;
          if (pastEnd && input.lengthPastEnd.empty()) input.lengthPastEnd = std::string(name);
          const std::string_view value =
              from.substr(0, pastEnd ? valueCutShort(from) : countedValueLength(from, length));
          onTag(name, value);
          input.lines.resumeAt(value.data() + value.size(), input.rest);
        }
        end = input.rest.data() + input.rest.size();
        next = input.rest.data();
      }
    }
    // A tag without a colon is not a data tag: it stores nothing and scanning goes on after it.
    open = std::find(next, end, '<');
  }
  input.rest = {};
  return TagScanEnd::LineUsed;
}

// Whether a byte is a blank or a line end for telling a headerless log: space, tab, CR, LF.
bool isBlankOrLineEnd(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Reads the header up to its end-of-header tag and leaves the text after the tag to be scanned.
// A log without one whose first byte other than blanks and line ends is "<" is read again from
// its start as records. Returns false when no records follow (no header, or a read error).
bool skipHeader(AdifInput& input, ConversionJob& job) {
  bool firstByteSeen = false;
  bool startsWithTag = false;
  std::string_view line;
  while (input.lines.next(line)) {
    if (!firstByteSeen) {
      const auto first = std::find_if_not(line.begin(), line.end(), isBlankOrLineEnd);
      firstByteSeen = first != line.end();
      startsWithTag = firstByteSeen && *first == '<';
    }
    const size_t after = afterEndOfHeader(line);
    if (after != std::string_view::npos) {
      job.headerSeen = 1;
      input.rest = line.substr(after);
      return true;
    }
  }
  if (input.lines.readError() != 0) return false;
  if (!startsWithTag) {
    input.headerMissing = true;
    return false;
  }
  if (!input.lines.restart()) return false;
  input.headerless = true;
  job.headerSeen = 1;
  return true;
}

// Makes input.rest hold record text when the current line is used up, reading lines on; a line
// that starts with a line end is blank, but a piece that goes on from the one before is no
// line. Returns false at the end of the input or on a read error.
bool haveRecordText(AdifInput& input) {
  while (input.rest.empty()) {
    std::string_view line;
    if (!input.lines.next(line)) return false;
    if (!line.empty() && line[0] == '\r' && !input.lines.continuesLine()) continue;
    input.rest = line;
  }
  return true;
}

// Whether a value is a word that loggers write for a value that is not there: False, None,
// null or NaN, in any case and with surrounding blanks.
bool isWordForNothing(std::string_view value) {
  const std::string_view word = trimAsciiSpace(value);
  return equalsIgnoringCase(word, "False") || equalsIgnoringCase(word, "None") || equalsIgnoringCase(word, "null") ||
         equalsIgnoringCase(word, "NaN");
}

}  // namespace

bool isContestIdTag(std::string_view name) { return equalsIgnoringCase(name, "CONTEST_ID"); }

int32_t readQsoRecord(AdifInput& input, QsoRecord& record, ConversionJob& job) {
  input.lengthPastEnd.clear();
  if (job.headerSeen == 0 && !skipHeader(input, job)) return 0;
  input.recordContestIds.clear();
  input.lineBreakTags.clear();
  input.nothingWords.clear();
  std::string joined;
  const auto store = [&](std::string_view name, std::string_view value) {
    const TagRule* rule = findTagRule(name);
    if (rule == nullptr && !isContestIdTag(name)) return;
    // ADIF counts a line end inside a value as part of it; some exports put one there.
    if (value.find_first_of("\r\n") != std::string_view::npos) {
      joined = withoutLineEnds(value);
      value = joined;
      input.lineBreakTags.emplace_back(name);
    }
    if (isWordForNothing(value)) {
      input.nothingWords.emplace_back(trimAsciiSpace(value));
      value = value.substr(0, 0);  // empty, but not null: storeValue copies from it
    }
    if (rule != nullptr) {
      storeValue(*rule, value, record);
      input.valueStored = true;
    } else {
      input.recordContestIds.emplace_back(value);  // kept by the caller, not stored into the record
    }
  };
  for (;;) {
    if (!haveRecordText(input)) {
      if (input.valueStored && input.lines.readError() == 0) input.recordUnfinished = true;
      return 0;
    }
    if (scanTags(input, store) == TagScanEnd::RecordEnd) {
      input.valueStored = false;
      return 1;
    }
  }
}
