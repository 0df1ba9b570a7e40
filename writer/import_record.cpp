#include "writer/import_record.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <iterator>
#include <optional>
#include <string_view>

#include "core/ascii.h"
#include "core/import_format.h"
#include "core/text_format.h"
#include "core/text_number.h"
#include "writer/exchange_checks.h"
#include "writer/exchange_choice.h"
#include "writer/frequency.h"

namespace {

// Collects the text of one record and hands it to the file in one write. Both lines of a
// record normally fit; anything longer is written out in pieces as the buffer fills.
class RecordBuffer {
 public:
  explicit RecordBuffer(std::FILE* file) : file_(file) {}
  RecordBuffer(const RecordBuffer&) = delete;
  RecordBuffer& operator=(const RecordBuffer&) = delete;

  void append(const char* text, size_t length) {
    while (length > 0) {
      if (used_ == kCapacity) flush();
      const size_t room = kCapacity - used_;
      const size_t piece = length < room ? length : room;
      std::memcpy(data_ + used_, text, piece);
      used_ += piece;
      text += piece;
      length -= piece;
    }
  }
  void append(const char* text) { append(text, std::strlen(text)); }
  void append(const std::string& text) { append(text.data(), text.size()); }
  void put(char c) {
    if (used_ == kCapacity) flush();
    data_[used_++] = c;
  }
  void fill(char c, size_t count) {
    while (count > 0) {
      if (used_ == kCapacity) flush();
      const size_t room = kCapacity - used_;
      const size_t piece = count < room ? count : room;
      std::memset(data_ + used_, c, piece);
      used_ += piece;
      count -= piece;
    }
  }
  // "%-Ns": the text in full, blanks after it up to the width.
  void left(const char* text, size_t width) {
    const size_t length = std::strlen(text);
    append(text, length);
    if (length < width) fill(' ', width - length);
  }
  // "%Ns": blanks before the text up to the width, then the text in full.
  void right(const char* text, size_t width) {
    const size_t length = std::strlen(text);
    if (length < width) fill(' ', width - length);
    append(text, length);
  }
  // "%Nd" (leftAlign false) or "%-Nd" (leftAlign true).
  void number(int32_t value, size_t width, bool leftAlign) {
    char digits[12];
    char* end = digits + sizeof digits;
    char* p = end;
    int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    do {
      *--p = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0) *--p = '-';
    const size_t length = static_cast<size_t>(end - p);
    if (!leftAlign && length < width) fill(' ', width - length);
    append(p, length);
    if (leftAlign && length < width) fill(' ', width - length);
  }
  // printf-style text, for the columns whose format belongs to the import format.
  void format(const char* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    va_list again;
    va_copy(again, args);
    const size_t room = kCapacity - used_;
    const int length = std::vsnprintf(data_ + used_, room, pattern, args);
    va_end(args);
    if (length >= 0 && static_cast<size_t>(length) < room) {
      used_ += static_cast<size_t>(length);
    } else if (length > 0) {
      // Too long for what is left: format it on its own (the terminating NUL included).
      std::string text(static_cast<size_t>(length) + 1, '\0');
      std::vsnprintf(&text[0], text.size(), pattern, again);
      append(text.data(), static_cast<size_t>(length));
    }
    va_end(again);
  }
  void endLine() { append("\r\n", 2); }
  void flush() {
    if (used_ > 0) std::fwrite(data_, 1, used_, file_);
    flushed_ += used_;
    used_ = 0;
  }
  // Bytes appended so far, those already handed to the file included.
  size_t written() const { return flushed_ + used_; }

 private:
  static constexpr size_t kCapacity = 1024;  // room for both lines of any ordinary record
  std::FILE* file_;
  char data_[kCapacity];
  size_t used_ = 0;
  size_t flushed_ = 0;
};

// Column widths of line 1.
constexpr size_t kCallWidth = 12;
constexpr size_t kBandWidth = 3;
constexpr size_t kReportWidth = 3;
constexpr size_t kExchangeWidth = 4;
constexpr size_t kZoneWidth = 2;
constexpr size_t kStateWidth = 2;
constexpr size_t kCountyWidth = 22;
constexpr size_t kGridWidth = 6;
constexpr size_t kAwardWidth = 12;
constexpr size_t kIotaWidth = 5;
constexpr size_t kFrequencyWidth = 9;

// A column format of the form %[-]<width>s or %[-]<width>d, as the format traits give them;
// written directly, such a column costs no formatted output.
struct ColumnFormat {
  bool simple;     // the format has that form
  bool leftAlign;  // "-": blanks after the value rather than before
  size_t width;    // least number of characters
};

ColumnFormat parseColumnFormat(const char* format, char conversion) {
  ColumnFormat column{false, false, 0};
  const char* p = format;
  if (*p++ != '%') return column;
  if (*p == '-') {
    column.leftAlign = true;
    ++p;
  }
  if (!isAsciiDigit(*p) || *p == '0') return column;  // a leading 0 would pad with zeros
  while (isAsciiDigit(*p)) column.width = column.width * 10 + static_cast<size_t>(*p++ - '0');
  column.simple = p[0] == conversion && p[1] == '\0';
  return column;
}

// Constant parts of line 1.
constexpr const char* kAfterExchange = "     ";
constexpr const char* kAfterLabel = "         N";
constexpr const char* kBeforeFrequency = "N        ";
constexpr const char* kAfterFrequency = "--    ------  NNNNNNNNNNNNNNNNNNNNNNNNNNN";
constexpr const char* kAfterSecondUpload = "        N";

char yesNo(int32_t option) { return option != 0 ? 'Y' : 'N'; }

// The mode text written, which also decides the default reports and the CQ WW candidates.
// ADIF 3 logs newer digital modes as MODE MFSK with the actual mode (FT4, JS8...) in SUBMODE.
const char* modeTextOf(const QsoRecord& record, const ConversionJob& job) {
  if (job.contest == ContestKind::ArrlRttyRoundUp) {
    return std::strcmp(record.dgtl, "BPSK") == 0 ? "PSK31" : "RTTY";
  }
  if (std::strcmp(record.mode, "MFSK") == 0 && record.submode[0] != '\0') return record.submode;
  return record.mode;
}

// The modes whose usual report is 59, as loggers write them.
constexpr std::string_view kPhoneModes[] = {"SSB", "USB", "LSB", "AM", "FM"};

// A report left out of the log is taken as the usual one: 59 on phone, 599 otherwise.
void defaultReports(QsoRecord& record, const char* modeText) {
  const bool phone = std::find(std::begin(kPhoneModes), std::end(kPhoneModes), modeText) != std::end(kPhoneModes);
  const int32_t usual = phone ? 59 : 599;
  if (record.rstRcvd == 0) record.rstRcvd = usual;
  if (record.rstSent == 0) record.rstSent = usual;
}

// Tells once per run and unit that the log writes FREQ in kHz or Hz.
void noteFrequencyUnit(MessageLists& lists, FrequencyUnit unit, ImportWriterState& state) {
  if (unit == FrequencyUnit::Megahertz) return;
  bool& given = unit == FrequencyUnit::Kilohertz ? state.kilohertzNoticeGiven : state.hertzNoticeGiven;
  if (given) return;
  given = true;
  addMessage(kWarningsList, lists,
             formatText("%s gives FREQ in %s, not MHz; those values were converted to MHz.", state.inputPath.c_str(),
                        unit == FrequencyUnit::Kilohertz ? "kHz" : "Hz"));
}

// FREQ of a record as the band step reads it.
struct Frequency {
  double value;        // frequencyValue of FREQ
  FrequencyUnit unit;  // the unit FREQ and FREQ_RX are written in
};

// Fills in the band from FREQ (of the given value) for a log without BAND, with the notice once
// per run. Returns the unit FREQ is written in.
FrequencyUnit deriveBand(MessageLists& lists, QsoRecord& record, ImportWriterState& state, double value) {
  if (record.freq[0] == '\0') {
    addMessage(kErrorsList, lists, "ADIF file does not have a BAND or FREQ field, can't determine band.");
    state.bandNoticeGiven = true;
    return FrequencyUnit::Megahertz;
  }
  if (!state.bandNoticeGiven) {
    state.bandNoticeGiven = true;
    addMessage(kWarningsList, lists, "BAND field is missing, determining band from frequency.");
  }
  const FrequencyUnit unit = frequencyUnit(value, 0);
  noteFrequencyUnit(lists, unit, state);
  record.band = bandFromFrequency(toMegahertz(value, unit));
  if (record.band == 0) {
    addMessage(kErrorsList, lists, formatText("Can't determine band from FREQ = %s", record.freq));
  }
  return unit;
}

// Whether a BAND text names a whole number of metres: not centimetres or millimetres (70CM,
// 3MM) and no fraction (1.25M), whose leading number is no band in metres.
bool namesWholeMetres(const char* bandText) {
  const char* p = bandText;
  while (isAsciiSpace(*p)) ++p;
  if (*p == '+' || *p == '-') ++p;
  while (isAsciiDigit(*p)) ++p;
  if (*p == '.') return false;
  const char unit = toAsciiUpper(p[0]);
  return !((unit == 'C' || unit == 'M') && toAsciiUpper(p[1]) == 'M');
}

// Settles the band column and reads FREQ in its unit, adding the record's band messages.
Frequency settleBand(MessageLists& lists, QsoRecord& record, ImportWriterState& state) {
  const double value = frequencyValue(record.freq);
  if (record.band == 0) return {value, deriveBand(lists, record, state, value)};
  if (!namesWholeMetres(record.bandText)) {
    addMessage(kWarningsList, lists,
               contactPrefix(record) +
                   formatText(": band %s is not a whole number of metres; the band column shows 0.", record.bandText));
    record.band = 0;
    return {value, FrequencyUnit::Megahertz};
  }
  const FrequencyUnit unit = frequencyUnit(value, record.band);
  noteFrequencyUnit(lists, unit, state);
  return {value, unit};
}

// The exchange as the column shows it: the whole exchange or a NUL-terminated end of it.
// Loggers pad serial numbers with zeros ("00100"); a number too long for the column loses that
// padding first, so that the number stays whole.
std::string_view exchangeColumnText(const std::string& exchange) {
  const std::string_view text = exchange;
  if (text.size() <= kExchangeWidth || !std::all_of(text.begin(), text.end(), isAsciiDigit)) return text;
  const size_t firstSignificant = text.find_first_not_of('0');
  if (firstSignificant == std::string_view::npos) return "0";
  return text.substr(firstSignificant);
}

void writeExchangeColumn(RecordBuffer& line, MessageLists& lists, const QsoRecord& record,
                         const std::optional<std::string>& exchange) {
  if (!exchange || exchange->empty()) {
    line.fill(' ', kExchangeWidth);
    addMessage(kWarningsList, lists, contactPrefix(record) + " is missing received data.");
    return;
  }
  const std::string_view e = exchangeColumnText(*exchange);
  if (e.size() <= kExchangeWidth) {
    line.left(e.data(), kExchangeWidth);
    return;
  }
  line.append(e.data(), kExchangeWidth);
  addMessage(
      kWarningsList, lists,
      contactPrefix(record) + formatText(": truncating exchange %s to %c%c%c%c.", e.data(), e[0], e[1], e[2], e[3]));
}

// A locator of eight characters (ADIF allows them) names a smaller area inside the square of its
// first six; that square fills the column, so the grid never shifts the line.
void writeGridColumn(RecordBuffer& line, const QsoRecord& record) {
  const size_t length = std::min(std::strlen(record.grid), kGridWidth);
  line.append(record.grid, length);
  line.fill(' ', kGridWidth - length);
}

// Characters 1, 2, 4, 5 and 6 of a reference such as EU-005; blanks past a short one's end.
void writeIotaColumn(RecordBuffer& line, const QsoRecord& record) {
  if (record.iota[0] == '\0') {
    line.fill(' ', kIotaWidth);
    return;
  }
  const size_t length = std::strlen(record.iota);
  for (size_t position : {0u, 1u, 3u, 4u, 5u}) {
    line.put(position < length ? record.iota[position] : ' ');
  }
}

// Line 1 from the exchange column on, without its line end.
void writeColumnsFromExchange(RecordBuffer& line, MessageLists& lists, const QsoRecord& record, ConversionJob& job,
                              const ExchangeChoice& choice, const Frequency& frequency, const FormatTraits& traits) {
  const std::optional<std::string>& exchange = choice.exchange;
  writeExchangeColumn(line, lists, record, exchange);
  line.append(kAfterExchange);
  if (choice.zoneNumber != 0) {
    line.number(choice.zoneNumber, kZoneWidth, false);
  } else {
    line.fill(' ', kZoneWidth);
  }
  line.put(yesNo(job.label));
  line.append(kAfterLabel);
  const char* stateText = exchangeState(lists, record, job, exchange);
  line.right(stateText != nullptr ? stateText : "", kStateWidth);
  line.left(job.countyText != nullptr ? job.countyText : "", kCountyWidth);
  const ColumnFormat group = parseColumnFormat(traits.groupColumn, 'd');
  if (group.simple) {
    line.number(job.groupNumber, group.width, group.leftAlign);
  } else {
    line.format(traits.groupColumn, static_cast<int>(job.groupNumber));
  }
  writeGridColumn(line, record);
  writeIotaColumn(line, record);
  line.append(traits.flagRun);
  const std::optional<std::string> award = awardReference(record, job, exchange);
  if (award) {
    line.append(*award);
  } else {
    line.fill(' ', kAwardWidth);
  }
  line.put(yesNo(job.upload));
  if (traits.frequencyColumn) {
    line.append(kBeforeFrequency);
    if (job.includeFrequency != 0 && record.freq[0] != '\0') {
      line.append(frequencyColumn(toKilohertz(frequency.value, frequency.unit)));
    } else {
      line.fill(' ', kFrequencyWidth);
    }
    line.append(kAfterFrequency);
    line.put(yesNo(job.upload));
    line.append(kAfterSecondUpload);
  }
}

// A value wider than its column is written in full and shifts the columns after it; the
// operator is told, since the importing program reads the line by position.
void warnLongLine(MessageLists& lists, const QsoRecord& record, size_t length, const FormatTraits& traits) {
  if (length <= static_cast<size_t>(traits.lineLength)) return;
  addMessage(kWarningsList, lists,
             contactPrefix(record) + formatText(": the import line is %d characters long instead of %d.",
                                                static_cast<int>(length), static_cast<int>(traits.lineLength)));
}

// The free line after the columns: frequency, note, sent serial and received exchange items.
void writeNoteLine(RecordBuffer& line, const QsoRecord& record, const ConversionJob& job,
                   const std::optional<std::string>& exchange, FrequencyUnit unit, const FormatTraits& traits) {
  bool anyItem = false;
  auto startItem = [&]() {
    if (anyItem) line.put(' ');
    anyItem = true;
  };

  if (job.includeFrequency != 0) {
    if (!traits.frequencyColumn) {
      const std::optional<std::string> transmit = kilohertzText(record.freq, unit);
      if (transmit) {
        startItem();
        const std::optional<std::string> receive = kilohertzText(record.freqRx, unit);
        if (receive && *receive != *transmit) {
          line.append(*receive);
          line.put('/');
        }
        line.append(*transmit);
        line.append("KHz");
      }
    } else if (record.freqRx[0] != '\0' && std::strcmp(record.freqRx, record.freq) != 0) {
      const std::optional<std::string> receive = kilohertzText(record.freqRx, unit);
      if (receive) {
        startItem();
        line.append("Rx=");
        line.append(*receive);
        line.append("KHz");
      }
    }
  }
  if (job.note[0] != '\0') {
    startItem();
    line.append(job.note);
  }
  if (job.appendSerial != 0 && job.serialExchange != 0 && record.stx[0] != '\0' && textToInt(record.stx) != 0) {
    startItem();
    line.append("SerNr=");
    line.append(record.stx);
  }
  if (job.appendExchange != 0) {
    // The separator is written even when the contest has nothing to add.
    startItem();
    if (job.contest == ContestKind::ArrlFieldDay) {
      line.format("#%s %s", exchange ? exchange->c_str() : "", record.arrlSect);
    } else if (job.contest == ContestKind::ArrlSweepstakes) {
      // A missing precedence leaves its place blank.
      const char precedence = record.prec != '\0' ? record.prec : ' ';
      line.format("#%s %c %02d %s", record.srx, precedence, static_cast<int>(record.check), record.arrlSect);
    }
  }
  line.endLine();
}

// One names-file entry per new (call, name) pair of the run.
void writeNamesEntry(std::FILE* namesFile, const QsoRecord& record, ConversionJob& job, ImportWriterState& state,
                     const std::string& name, const FormatTraits& traits) {
  // The pair is kept as logged, so JOHN and John are two entries even though both read John.
  if (!state.nameSet.emplace(record.call, name).second) return;
  std::string written = name;
  for (size_t i = 1; i < written.size(); ++i) written[i] = toAsciiLower(written[i]);
  std::fprintf(namesFile, traits.namesEntry, record.call, written.c_str());
  ++job.namesWritten;
}

}  // namespace

void resetImportWriter(ImportWriterState& state) {
  state.bandNoticeGiven = false;
  state.kilohertzNoticeGiven = false;
  state.hertzNoticeGiven = false;
  state.nameSet.clear();
}

int32_t writeImportRecord(MessageLists& lists, std::FILE* importFile, std::FILE* namesFile, QsoRecord& record,
                          ConversionJob& job, ImportWriterState& state) {
  const FormatTraits& traits = formatTraits(job.importFormat);
  RecordBuffer line(importFile);

  line.append(record.qsoDate);
  line.append(record.timeOn);
  if (std::strlen(record.timeOn) == 4) line.append("00");  // HHMM becomes HHMMSS
  line.left(record.call, kCallWidth);

  const char* modeText = modeTextOf(record, job);
  defaultReports(record, modeText);
  const Frequency frequency = settleBand(lists, record, state);
  line.number(record.band, kBandWidth, false);
  const ColumnFormat mode = parseColumnFormat(traits.modeColumn, 's');
  if (mode.simple && mode.leftAlign) {
    line.left(modeText, mode.width);
  } else if (mode.simple) {
    line.right(modeText, mode.width);
  } else {
    line.format(traits.modeColumn, modeText);
  }
  line.number(record.rstSent, kReportWidth, true);
  line.number(record.rstRcvd, kReportWidth, true);

  job.countyText = nullptr;
  const ExchangeChoice choice = selectExchange(record, job, modeText);
  writeColumnsFromExchange(line, lists, record, job, choice, frequency, traits);
  const size_t lineLength = line.written();
  line.endLine();
  warnLongLine(lists, record, lineLength, traits);
  writeNoteLine(line, record, job, choice.exchange, frequency.unit, traits);
  line.flush();

  if (choice.operatorName) {
    writeNamesEntry(namesFile, record, job, state, *choice.operatorName, traits);
  }
  return 1;
}
