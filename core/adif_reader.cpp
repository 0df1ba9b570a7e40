#include "core/adif_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "core/ascii.h"
#include "core/text_number.h"

namespace {

// How a tag's value is stored.
enum class StoreKind {
  Text,       // copied into a text field, cut to what the field holds
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

// Sorted by name so that a lookup can bisect.
constexpr TagRule kTagRules[] = {
    {"AGE", StoreKind::Text, FIELD(age)},
    {"APP_N1MM_EXCHANGE1", StoreKind::Text, FIELD(exchange1)},
    {"APP_N1MM_HQ", StoreKind::Text, FIELD(hq)},
    {"APP_WRITELOG_CK", StoreKind::Integer, FIELD(check)},
    {"APP_WRITELOG_CNTY", StoreKind::Text, FIELD(cnty)},
    {"APP_WRITELOG_DGTL", StoreKind::Text, FIELD(dgtl)},
    {"APP_WRITELOG_FNAME", StoreKind::Text, FIELD(name)},
    {"APP_WRITELOG_ID/SPC", StoreKind::Text, FIELD(rcvd)},
    {"APP_WRITELOG_IOTA", StoreKind::Text, FIELD(iota)},
    {"APP_WRITELOG_NAME", StoreKind::Text, FIELD(name)},
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
    {"NAME", StoreKind::Text, FIELD(name)},
    {"NAME_SENT", StoreKind::Text, FIELD(name)},
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
    {"TIME_ON", StoreKind::Text, FIELD(timeOn)},
    {"VE_PROV", StoreKind::Text, FIELD(veProv)},
};

#undef FIELD

static_assert(std::size(kTagRules) == 54, "the reader knows 54 tag names");

// Bytes the value of a tag is handled up to; longer values are cut.
constexpr size_t kValueLimit = 31;

const TagRule* findTagRule(std::string_view name) {
  const auto* end = std::end(kTagRules);
  const auto* rule = std::lower_bound(std::begin(kTagRules), end, name,
                                      [](const TagRule& r, std::string_view n) { return r.name < n; });
  return (rule != end && rule->name == name) ? rule : nullptr;
}

void storeValue(const TagRule& rule, std::string_view value, QsoRecord& record) {
  char* field = reinterpret_cast<char*>(&record) + rule.offset;
  switch (rule.kind) {
    case StoreKind::Text: {
      const size_t length = std::min({value.size(), rule.size - 1, kValueLimit});
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

// Reads one whole line of any length, its line end included, into line. A CR LF line end
// arrives as a lone LF. Embedded NUL bytes are kept as ordinary bytes.
// Returns false at end of input or on a read error.
bool readLine(std::FILE* input, std::string& line) {
  line.clear();
  char piece[1024];
  for (;;) {
    // Marking the piece lets the length be found past any NUL byte the line carries:
    // fgets leaves the bytes after its terminating NUL untouched.
    std::memset(piece, '\n', sizeof piece);
    if (std::fgets(piece, sizeof piece, input) == nullptr) {
      if (std::ferror(input)) return false;
      break;  // end of input
    }
    size_t length = sizeof piece - 1;
    while (piece[length] != '\0') --length;
    line.append(piece, length);
    if (length > 0 && piece[length - 1] == '\n') break;
    if (length < sizeof piece - 1 && std::feof(input)) break;
  }
  if (line.empty()) return false;
  const size_t size = line.size();
  if (size >= 2 && line[size - 1] == '\n' && line[size - 2] == '\r') line.erase(size - 2, 1);
  return true;
}

bool holdsEndOfHeader(const std::string& line) {
  return line.find("<EOH>") != std::string::npos || line.find("<eoh>") != std::string::npos ||
         line.find("<Eoh>") != std::string::npos;
}

// Scans the tags of one line into the record. Returns true when an end-of-record tag ends it.
bool scanLine(std::string& line, QsoRecord& record) {
  // A value never runs into the line end: a length that reaches past it takes what is left of
  // the line, so no stored text can break a line of the import file.
  const size_t textEnd = (!line.empty() && line.back() == '\n') ? line.size() - 1 : line.size();
  size_t open = line.find('<');
  while (open != std::string::npos) {
    const size_t close = line.find('>', open + 1);
    if (close == std::string::npos) return false;  // no tag can end on this line
    for (size_t i = open + 1; i < close; ++i) line[i] = toAsciiUpper(line[i]);

    const std::string_view tag(line.data() + open + 1, close - open - 1);
    if (tag.compare(0, 3, "EOR") == 0) return true;

    const size_t colon = tag.find(':');
    size_t next = close + 1;
    if (colon != std::string_view::npos) {
      // The length ends at the next colon (a data-type indicator follows) or at ">".
      const std::string lengthText(tag.substr(colon + 1));
      const int32_t declared = textToInt(lengthText.c_str());
      const size_t start = close + 1;
      const size_t available = start < textEnd ? textEnd - start : 0;
      const size_t length = declared > 0 ? std::min(static_cast<size_t>(declared), available) : 0;
      if (const TagRule* rule = findTagRule(tag.substr(0, colon))) {
        storeValue(*rule, std::string_view(line.data() + start, length), record);
      }
      next = start + length;
    }
    // A tag without a colon is not a data tag: it stores nothing and scanning goes on after it.
    open = line.find('<', next);
  }
  return false;
}

}  // namespace

int32_t readQsoRecord(std::FILE* input, QsoRecord& record, ConversionJob& job) {
  std::string line;
  while (readLine(input, line)) {
    if (job.headerSeen == 0) {
      if (holdsEndOfHeader(line)) job.headerSeen = 1;
      continue;  // the whole end-of-header line is header
    }
    if (line[0] == '\r' || line[0] == '\n') continue;
    if (scanLine(line, record)) return 1;
  }
  return 0;
}
