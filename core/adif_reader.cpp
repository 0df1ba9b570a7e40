#include "core/adif_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "core/ascii.h"
#include "core/text_number.h"
#include "core/utf8_cut.h"

namespace {

// How a tag's value is stored.
enum class StoreKind {
  Text,       // copied into a text field, cut to what the field holds
  Utf8Text,   // like Text, but a UTF-8 value is cut between characters
  Integer,    // leading decimal number
  Character,  // first character, 0 for an empty value
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
    {"APP_WRITELOG_QTH", StoreKind::Text, FIELD(qth)},
    {"APP_WRITELOG_RCV", StoreKind::Text, FIELD(rcvd)},
    {"APP_WRITELOG_RCVD", StoreKind::Text, FIELD(rcvd)},
    {"APP_WRITELOG_TIME", StoreKind::Text, FIELD(exchTime)},
    {"APP_WRITELOG_YEAR", StoreKind::Text, FIELD(year)},
    {"APP_WRITELOG_ZONE", StoreKind::Text, FIELD(zone)},
    {"ARRL_SECT", StoreKind::Text, FIELD(arrlSect)},
    {"BAND", StoreKind::Integer, FIELD(band)},
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
    {"QTH", StoreKind::Text, FIELD(qth)},
    {"RCVD", StoreKind::Text, FIELD(rcvd)},
    {"RCVD_QTH", StoreKind::Text, FIELD(rcvd)},
    {"RST_RCVD", StoreKind::Integer, FIELD(rstRcvd)},
    {"RST_SENT", StoreKind::Integer, FIELD(rstSent)},
    {"RX_EXCH", StoreKind::Text, FIELD(rxExch)},
    {"RX_PWR", StoreKind::Text, FIELD(rxPwr)},
    {"SECTION", StoreKind::Text, FIELD(section)},
    {"SRX", StoreKind::Text, FIELD(srx)},
    {"STATE", StoreKind::Text, FIELD(state)},
    {"STX", StoreKind::Text, FIELD(stx)},
    {"SUBMODE", StoreKind::Text, FIELD(submode)},
    {"TIME_ON", StoreKind::Text, FIELD(timeOn)},
    {"VE_PROV", StoreKind::Text, FIELD(veProv)},
};

#undef FIELD

static_assert(std::size(kTagRules) == 56, "the reader knows 56 tag names");

// Bytes the value of a tag is handled up to; longer values are cut.
constexpr size_t kValueLimit = 31;

// Tag names are found through a hash table without collisions: the hash of a name picks one
// slot, and one comparison tells whether the name is kept. A name is read as three
// little-endian 64-bit words (zero-padded to 24 bytes) and hashed by one multiplication; the
// multiplier was chosen so that the 56 names fall into different slots, which the build checks.
constexpr size_t kLongestName = 24;
constexpr uint64_t kNameHashMultiplier = 0x758ffcfe27ee645bull;
constexpr unsigned kHashBits = 8;
constexpr size_t kHashSlots = size_t{1} << kHashBits;

// A tag name padded with zero bytes to the longest name that can be kept.
struct PaddedName {
  char bytes[kLongestName];  // the upper-case name, then zeros
};

// The eight bytes at p as a little-endian number; the rule table is built from these words.
constexpr uint64_t littleEndianWord(const char* p) {
  uint64_t word = 0;
  for (int i = 7; i >= 0; --i) word = (word << 8) | static_cast<unsigned char>(p[i]);
  return word;
}

constexpr uint32_t hashOfWords(uint64_t w0, uint64_t w1, uint64_t w2, size_t length) {
  return static_cast<uint32_t>(((w0 + 3 * w1 + 5 * w2 + length) * kNameHashMultiplier) >> (64 - kHashBits));
}

// The same words read with one load each, as the scan does it.
uint64_t loadWord(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  word = __builtin_bswap64(word);
#endif
  return word;
}

// Upper-cases the ASCII letters among eight bytes at once; other bytes, those above 127
// included, keep their value. Per byte: bit 7 of (b & 0x7f) + 0x1f is set from 'a' on, of
// (b & 0x7f) + 0x05 from '{' on; no sum carries into the next byte.
uint64_t upperCaseWord(uint64_t word) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  const uint64_t ascii = ~word & (0x80 * kOnes);
  const uint64_t low7 = word & (0x7f * kOnes);
  const uint64_t lower = ascii & (low7 + 0x1f * kOnes) & ~(low7 + 0x05 * kOnes);
  return word ^ (lower >> 2);
}

// The words of a kept name, as the rule table stores them.
struct NameWords {
  uint64_t word[3];  // the upper-case name, zero-padded to kLongestName bytes, little-endian
};

constexpr NameWords wordsOf(std::string_view name) {
  PaddedName padded{};
  for (size_t i = 0; i < name.size() && i < kLongestName; ++i) padded.bytes[i] = name[i];
  return {{littleEndianWord(padded.bytes), littleEndianWord(padded.bytes + 8), littleEndianWord(padded.bytes + 16)}};
}

constexpr uint32_t ruleHash(const TagRule& rule) {
  const NameWords words = wordsOf(rule.name);
  return hashOfWords(words.word[0], words.word[1], words.word[2], rule.name.size());
}

// Slot contents: the index of a rule, or kNoRule, and the rule's name as the words a lookup
// compares, so that a hit costs three word comparisons.
struct RuleSlots {
  uint8_t rule[kHashSlots];        // rule index per hash slot
  NameWords words[kHashSlots];     // the slot's name
  size_t length[kHashSlots];       // length of the slot's name
};
constexpr uint8_t kNoRule = 0xff;

constexpr RuleSlots makeRuleSlots() {
  RuleSlots slots{};
  for (uint8_t& slot : slots.rule) slot = kNoRule;
  for (size_t i = 0; i < std::size(kTagRules); ++i) {
    const uint32_t hash = ruleHash(kTagRules[i]);
    slots.rule[hash] = static_cast<uint8_t>(i);
    slots.words[hash] = wordsOf(kTagRules[i].name);
    slots.length[hash] = kTagRules[i].name.size();
  }
  return slots;
}
constexpr RuleSlots kRuleSlots = makeRuleSlots();

constexpr bool everyRuleHasItsOwnSlot() {
  for (size_t i = 0; i < std::size(kTagRules); ++i) {
    if (kTagRules[i].name.size() > kLongestName) return false;
    if (kRuleSlots.rule[ruleHash(kTagRules[i])] != i) return false;
  }
  return true;
}
static_assert(everyRuleHasItsOwnSlot(), "two tag names share a hash slot: choose another multiplier");

// The rule of a tag name of at most kLongestName bytes, given in any case and zero-padded.
// Returns nullptr for a name the reader does not keep.
const TagRule* findTagRule(const PaddedName& name, size_t length) {
  uint64_t words[3];
  for (size_t w = 0; w < 3; ++w) words[w] = loadWord(name.bytes + 8 * w);
  // Upper-casing works byte by byte, so it does not care in which order the bytes were loaded.
  for (uint64_t& word : words) word = upperCaseWord(word);
  const uint32_t hash = hashOfWords(words[0], words[1], words[2], length);
  const uint8_t index = kRuleSlots.rule[hash];
  if (index == kNoRule || kRuleSlots.length[hash] != length) return nullptr;
  const uint64_t* expected = kRuleSlots.words[hash].word;
  return (words[0] == expected[0] && words[1] == expected[1] && words[2] == expected[2]) ? &kTagRules[index]
                                                                                        : nullptr;
}

void storeValue(const TagRule& rule, std::string_view value, QsoRecord& record) {
  char* field = reinterpret_cast<char*>(&record) + rule.offset;
  switch (rule.kind) {
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
      // The value is cut like any other before it is read as a number.
      char digits[kValueLimit + 1];
      const size_t length = std::min(value.size(), kValueLimit);
      std::memcpy(digits, value.data(), length);
      digits[length] = '\0';
      const int32_t number = textToInt(digits);
      std::memcpy(field, &number, sizeof number);
      break;
    }
    case StoreKind::Character:
      *field = value.empty() ? '\0' : value[0];
      break;
  }
}

// One line of the input. Most lines fit the fixed piece buffer and are scanned where fgets put
// them; a longer line is gathered in a string.
struct InputLine {
  char piece[1024];      // the last piece fgets read
  std::string longLine;  // a line longer than one piece
  char* text = nullptr;  // the line, its line end included; a CR LF end arrives as a lone LF
  size_t size = 0;       // bytes in the line, NUL bytes included
};

// Reads one piece with fgets and returns its length, NUL bytes included, or -1 at end of input
// or on a read error (check ferror). Marking the buffer with newlines first lets the length be
// found past any NUL byte the line carries: fgets leaves the bytes after its terminator untouched.
long readPiece(std::FILE* input, char* piece, size_t capacity) {
  std::memset(piece, '\n', capacity);
  if (std::fgets(piece, static_cast<int>(capacity), input) == nullptr) return -1;
  const char* newline = static_cast<const char*>(std::memchr(piece, '\n', capacity));
  if (newline == nullptr) return static_cast<long>(capacity - 1);  // a full piece without line end
  const size_t at = static_cast<size_t>(newline - piece);
  // The first newline is the line's own when the terminator follows it; otherwise it is the
  // first mark after the terminator.
  if (at + 1 < capacity && piece[at + 1] == '\0') return static_cast<long>(at + 1);
  return static_cast<long>(at - 1);
}

// Reads one whole line of any length. Returns false at end of input or on a read error.
bool readLine(std::FILE* input, InputLine& line) {
  long length = readPiece(input, line.piece, sizeof line.piece);
  if (length < 0) return false;
  line.text = line.piece;
  line.size = static_cast<size_t>(length);
  if (line.size == sizeof line.piece - 1 && line.piece[line.size - 1] != '\n') {
    line.longLine.assign(line.piece, line.size);
    for (;;) {
      length = readPiece(input, line.piece, sizeof line.piece);
      if (length < 0) {
        if (std::ferror(input)) return false;
        break;
      }
      line.longLine.append(line.piece, static_cast<size_t>(length));
      if (length == 0 || line.piece[length - 1] == '\n' || static_cast<size_t>(length) < sizeof line.piece - 1) break;
    }
    line.text = &line.longLine[0];
    line.size = line.longLine.size();
  }
  if (line.size >= 2 && line.text[line.size - 1] == '\n' && line.text[line.size - 2] == '\r') {
    line.text[line.size - 2] = '\n';
    --line.size;
  }
  return true;
}

bool holdsEndOfHeader(std::string_view line) {
  return line.find("<EOH>") != std::string_view::npos || line.find("<eoh>") != std::string_view::npos ||
         line.find("<Eoh>") != std::string_view::npos;
}

// The first byte equal to the given one in [from, end), or nullptr. Tags and the gaps between
// them are a few bytes long, where a plain loop is cheaper than a library call.
const char* findByte(const char* from, const char* end, char byte) {
  for (; from < end; ++from) {
    if (*from == byte) return from;
  }
  return nullptr;
}

// Scans the tags of one line into the record. Returns true when an end-of-record tag ends it.
bool scanLine(const char* text, size_t size, QsoRecord& record) {
  const char* const end = text + size;
  // A value never runs into the line end: a length that reaches past it takes what is left of
  // the line, so no stored text can break a line of the import file.
  const char* const textEnd = (size > 0 && end[-1] == '\n') ? end - 1 : end;
  const char* open = findByte(text, end, '<');
  while (open != nullptr) {
    const char* close = static_cast<const char*>(std::memchr(open + 1, '>', static_cast<size_t>(end - open - 1)));
    if (close == nullptr) return false;  // no tag can end on this line

    // The name runs to the first colon inside the tag; it is compared in upper case.
    const char* colon = findByte(open + 1, close, ':');
    const size_t nameLength = static_cast<size_t>((colon != nullptr ? colon : close) - (open + 1));
    const size_t kept = std::min(nameLength, kLongestName);
    if (kept >= 3 && toAsciiUpper(open[1]) == 'E' && toAsciiUpper(open[2]) == 'O' &&
        toAsciiUpper(open[3]) == 'R') {
      return true;
    }

    const char* next = close + 1;
    if (colon != nullptr) {
      // The length follows the colon and ends at ">" or at a data-type indicator's colon.
      const int32_t declared = textToInt(colon + 1);
      const char* value = close + 1;
      const size_t available = value < textEnd ? static_cast<size_t>(textEnd - value) : 0;
      const size_t length = declared > 0 ? std::min(static_cast<size_t>(declared), available) : 0;
      if (kept == nameLength) {
        PaddedName name{};
        std::memcpy(name.bytes, open + 1, kept);
        if (const TagRule* rule = findTagRule(name, kept)) {
          storeValue(*rule, std::string_view(value, length), record);
        }
      }
      next = value + length;
    }
    // A tag without a colon is not a data tag: it stores nothing and scanning goes on after it.
    open = findByte(next, end, '<');
  }
  return false;
}

}  // namespace

int32_t readQsoRecord(std::FILE* input, QsoRecord& record, ConversionJob& job) {
  InputLine line;
  while (readLine(input, line)) {
    if (job.headerSeen == 0) {
      if (holdsEndOfHeader(std::string_view(line.text, line.size))) job.headerSeen = 1;
      continue;  // the whole end-of-header line is header
    }
    if (line.text[0] == '\r' || line.text[0] == '\n') continue;
    if (scanLine(line.text, line.size, record)) return 1;
  }
  return 0;
}
