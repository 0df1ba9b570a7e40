#include "writer/resolved_contact.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstring>
#include <iterator>
#include <string_view>

#include "core/ascii.h"
#include "core/ascii_text.h"
#include "core/contest_table.h"
#include "core/text_format.h"
#include "core/text_number.h"
#include "writer/ascii_column.h"
#include "writer/column_text.h"
#include "writer/exchange_checks.h"
#include "writer/exchange_choice.h"
#include "writer/frequency.h"
#include "writer/locator.h"

namespace {

// A contact being worked out: what it is read from and what it has become so far.
struct Resolution {
  const QsoRecord& record;         // the record as read
  const ConversionJob& job;        // the options of the run
  const ImportWriterState& state;  // the run so far, for the input's name
  ResolvedContact& contact;        // the result, with the run's notices
  const ColumnWidths& widths;      // of the job's layout

  int32_t widthOf(Column column) const { return widths[static_cast<size_t>(column)]; }

  // Whether the layout has a frequency column; otherwise the note line has the frequency.
  bool hasFrequencyColumn() const { return widthOf(Column::Frequency) != 0; }

  // A warning about the contact: its prefix, then what the format makes of the arguments.
  void warn(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
  {
    va_list args;
    va_start(args, format);
    addMessage(kWarningsList, contact.notes, contactMessageList(record, format, args));
    va_end(args);
  }

  // The value in its column, in ASCII and cut to the column's width, with a warning for each
  // change that names the column and the value as logged. A layout without the column shows
  // nothing of it. Returns whether the value was cut.
  bool fit(Column column, const char* name, std::string_view value, const char* logged) {
    const int32_t width = widthOf(column);
    if (width == 0) return false;
    const std::string ascii = asciiValue(name, value, logged);
    value = ascii;
    const size_t keep = place(column, value);
    if (keep == value.size()) return false;
    warn(": %s %s does not fit its %d-character column; written as %.*s.", name, logged, static_cast<int>(width),
         static_cast<int>(keep), value.data());
    return true;
  }

  // The value as a column holds it: a value with characters outside ASCII is spelt in ASCII
  // with a warning, as a station log that reads columns by byte would shift every later one.
  // The message shows the logged value both ways (an award's, not the column with its kind).
  std::string asciiValue(const char* name, std::string_view value, std::string_view logged) {
    if (isAsciiText(value)) return std::string(value);
    const std::string ascii = asciiColumnText(logged);
    warn(": %s %.*s holds characters outside ASCII; written as %s.", name, static_cast<int>(logged.size()),
         logged.data(), ascii.c_str());
    return asciiColumnText(value);
  }

  // As fit, and a value shorter than its column is said too: the date and time columns are
  // read as a whole.
  void fitWhole(Column column, const char* name, std::string_view value, const char* logged) {
    if (fit(column, name, value, logged)) return;
    const int32_t width = widthOf(column);
    if (width != 0 && characterCount(value) < static_cast<size_t>(width)) {
      warn(": %s %s is too short for its %d-character column.", name, logged, static_cast<int>(width));
    }
  }

  // A value the layout fixes (group number, grid): cut to the column without a word. Returns
  // the bytes of the value kept.
  size_t place(Column column, std::string_view value) {
    const size_t keep = characterPrefixBytes(value, static_cast<size_t>(widthOf(column)));
    contact.column(column).assign(value.substr(0, keep));
    return keep;
  }
};

// The decimal text of a number, NUL-terminated, for columns and messages alike.
class Decimal {
 public:
  explicit Decimal(int32_t value) { *std::to_chars(digits_, digits_ + sizeof digits_ - 1, value).ptr = '\0'; }
  const char* c_str() const { return digits_; }

 private:
  char digits_[12];  // sign, ten digits, NUL
};

std::string_view yesNo(int32_t option) { return option != 0 ? "Y" : "N"; }

void resolveDate(Resolution& r) {
  const char* date = r.record.qsoDate;
  if (date[0] == '\0') {
    r.warn(": QSO_DATE is missing; the date column is blank.");
    return;
  }
  r.fitWhole(Column::Date, "QSO_DATE", date, date);
}

void resolveTime(Resolution& r) {
  const char* time = shownTime(r.record);
  if (time[0] == '\0') {
    r.warn(": TIME_ON and TIME_OFF are missing; the time column is blank.");
    return;
  }
  if (time == r.record.timeOff) r.warn(": TIME_ON is missing; the time column shows TIME_OFF.");
  const size_t length = std::strlen(time);
  static_assert(sizeof r.record.timeOff == sizeof r.record.timeOn, "either time fits the buffer below");
  char value[sizeof r.record.timeOn + 2];
  std::memcpy(value, time, length);
  if (length == 4) std::memcpy(value + length, "00", 2);  // HHMM becomes HHMMSS
  r.fitWhole(Column::Time, "TIME_ON", std::string_view(value, length == 4 ? 6 : length), time);
}

// Tells once per run and unit that the log writes FREQ in kHz or Hz.
void noteFrequencyUnit(Resolution& r, FrequencyUnit unit) {
  if (unit == FrequencyUnit::Megahertz) return;
  bool& given = unit == FrequencyUnit::Kilohertz ? r.contact.notices.kilohertz : r.contact.notices.hertz;
  if (given) return;
  given = true;
  addMessage(kWarningsList, r.contact.notes,
             formatMessage("%s gives FREQ in %s, not MHz; those values were converted to MHz.",
                           r.state.inputPath.c_str(), unit == FrequencyUnit::Kilohertz ? "kHz" : "Hz"));
}

// FREQ of a record, read once.
struct Frequency {
  double value;        // frequencyValue of FREQ
  FrequencyUnit unit;  // the unit FREQ and FREQ_RX are written in
};

// The band from FREQ for a record without a band, with the once-a-run notice unless the record
// has a BAND that names no band. Returns 0 when FREQ gives no band.
int32_t deriveBand(Resolution& r, const Frequency& frequency, bool bandMissing) {
  MessageLists& notes = r.contact.notes;
  if (r.record.freq[0] == '\0') {
    addMessage(kErrorsList, notes, "ADIF file does not have a BAND or FREQ field, can't determine band.");
    if (bandMissing) r.contact.notices.band = true;
    return 0;
  }
  if (bandMissing && !r.contact.notices.band) {
    r.contact.notices.band = true;
    addMessage(kWarningsList, notes, "BAND field is missing, determining band from frequency.");
  }
  noteFrequencyUnit(r, frequency.unit);
  const int32_t band = bandFromFrequency(toMegahertz(frequency.value, frequency.unit));
  if (band == 0) addMessage(kErrorsList, notes, formatMessage("Can't determine band from FREQ = %s", r.record.freq));
  return band;
}

// Where the digits of a text's leading number would begin: after its blanks and its sign.
const char* leadingDigits(const char* text) {
  while (isAsciiSpace(*text)) ++text;
  if (*text == '+' || *text == '-') ++text;
  return text;
}

// Whether a text starts with a number, as every band and report does; loggers also write
// "False" or "Out of amateur bands" for BAND and "S9" for a report.
bool startsWithNumber(const char* text) { return isAsciiDigit(*leadingDigits(text)); }

// Whether a BAND text names a whole number of metres: not centimetres or millimetres (70CM,
// 3MM) and no fraction (1.25M), whose leading number is no band in metres.
bool namesWholeMetres(const char* bandText) {
  const char* p = leadingDigits(bandText);
  while (isAsciiDigit(*p)) ++p;
  if (*p == '.') return false;
  const char unit = toAsciiUpper(p[0]);
  return !((unit == 'C' || unit == 'M') && toAsciiUpper(p[1]) == 'M');
}

// The band column, with the record's band messages. A band too wide for its column shows 0
// rather than its first digits, which would name another band. When BAND and FREQ disagree the
// column keeps BAND and a warning says so. Returns FREQ as read.
Frequency resolveBand(Resolution& r) {
  const char* bandText = r.record.bandText;
  int32_t band = r.record.band;
  const bool wholeMetres = band != 0 && namesWholeMetres(bandText);
  const int32_t knownBand = wholeMetres && isKnownBand(band) ? band : 0;
  const double value = frequencyValue(r.record.freq);
  const Frequency frequency{value, frequencyUnit(value, knownBand)};
  if (band == 0) {
    const bool notABand = bandText[0] != '\0' && !startsWithNumber(bandText);
    if (notABand) r.warn(": BAND %s is not a band; the band was worked out from FREQ.", bandText);
    band = deriveBand(r, frequency, !notABand);
  } else if (!wholeMetres) {
    noteFrequencyUnit(r, frequency.unit);
    r.warn(": band %s is not a whole number of metres; the band column shows 0.", bandText);
    band = 0;
  } else {
    noteFrequencyUnit(r, frequency.unit);
    if (knownBand != 0 && value > 0.0 && bandFromFrequency(toMegahertz(value, frequency.unit)) != knownBand) {
      r.warn(": FREQ %s is not in the %s band; the band column follows BAND.", r.record.freq, bandText);
    }
  }
  ColumnText& column = r.contact.column(Column::Band);
  column.assignNumber(band);
  const int32_t width = r.widthOf(Column::Band);
  if (column.view().size() > static_cast<size_t>(width)) {
    r.warn(": BAND %s does not fit its %d-character column; the band column shows 0.", bandText,
           static_cast<int>(width));
    column.assignNumber(0);
  }
  return frequency;
}

// The mode text written, which also decides the default reports and the CQ WW candidates.
// ADIF 3 logs newer digital modes as MODE MFSK with the actual mode (FT4, JS8...) in SUBMODE,
// and PSK with its variant (PSK31, PSK63).
const char* modeTextOf(const QsoRecord& record, ModeRule rule) {
  if (rule == ModeRule::RoundUp) return std::strcmp(record.dgtl, "BPSK") == 0 ? "PSK31" : "RTTY";
  const bool takesSubmode = std::strcmp(record.mode, "MFSK") == 0 || std::strcmp(record.mode, "PSK") == 0;
  if (takesSubmode && record.submode[0] != '\0') return record.submode;
  return record.mode;
}

// The modes whose usual report is 59, as loggers write them.
constexpr std::string_view kPhoneModes[] = {"SSB", "USB", "LSB", "AM", "FM", "DIGITALVOICE"};

// Digital voice as ADIF's submodes name it; its usual report is 59 too.
constexpr std::string_view kDigitalVoiceSubmodes[] = {"C4FM", "DMR", "DSTAR", "FREEDV", "M17"};

// Report texts short enough to be cut numbers (5NN).
constexpr size_t kShortestCutReport = 2;
constexpr size_t kLongestCutReport = 3;

// A report as logged. On CW N stands for 9 and T for 0 (5NN is 599); a report of 0 dB is one
// too. Returns nullopt when the log gives none: the text is empty or no number (S9).
std::optional<int32_t> loggedReport(const char* text) {
  char digits[kLongestCutReport + 1];
  const size_t length = std::strlen(text);
  if (length >= kShortestCutReport && length <= kLongestCutReport) {
    std::transform(text, text + length + 1, digits, [](char c) {
      const char upper = toAsciiUpper(c);
      return upper == 'N' ? '9' : upper == 'T' ? '0' : c;
    });
    text = digits;
  }
  if (!startsWithNumber(text)) return std::nullopt;
  return textToInt(text);
}

// A report left out of the log is taken as the usual one: 59 on phone, 599 otherwise. Field
// Day's class logged in the reports is no report.
void resolveReports(Resolution& r, const char* modeText, bool classFromReport) {
  const bool phone = std::find(std::begin(kPhoneModes), std::end(kPhoneModes), modeText) != std::end(kPhoneModes) ||
                     std::find(std::begin(kDigitalVoiceSubmodes), std::end(kDigitalVoiceSubmodes), r.record.submode) !=
                         std::end(kDigitalVoiceSubmodes);
  const int32_t usual = phone ? 59 : 599;
  const bool sentIsClass = classFromReport && isFieldDayClass(trimAsciiSpace(r.record.rstSent));
  const Decimal sent(sentIsClass ? usual : loggedReport(r.record.rstSent).value_or(usual));
  const Decimal received(classFromReport ? usual : loggedReport(r.record.rstRcvd).value_or(usual));
  r.fit(Column::RstSent, "RST_SENT", sent.c_str(), sent.c_str());
  r.fit(Column::RstRcvd, "RST_RCVD", received.c_str(), received.c_str());
}

// The exchange as the column shows it: the whole exchange or an end of it. Loggers pad serial
// numbers with zeros ("00100"); a number too long for the column loses that padding first, so
// that the number stays whole.
std::string_view exchangeColumnText(const std::string& exchange, size_t width) {
  const std::string_view text = exchange;
  if (text.size() <= width || !std::all_of(text.begin(), text.end(), isAsciiDigit)) return text;
  const size_t firstSignificant = text.find_first_not_of('0');
  if (firstSignificant == std::string_view::npos) return "0";
  return text.substr(firstSignificant);
}

// The exchange keeps a rule of its own: its first characters in ASCII, with a warning that
// shows them.
void resolveExchange(Resolution& r, const ExchangeChoice& choice) {
  if (choice.classFromReport) {
    r.warn(": the Field Day class was taken from RST_RCVD %s.", r.record.rstRcvd);
  }
  if (choice.fromSrxString) {
    r.warn(": the exchange was taken from SRX_STRING \"%s\".", r.record.srxString);
  }
  if (!choice.exchange || choice.exchange->empty()) {
    r.warn(" is missing received data.");
    return;
  }
  const std::string exchange = r.asciiValue("EXCHANGE", *choice.exchange, *choice.exchange);
  const size_t width = static_cast<size_t>(r.widthOf(Column::Exchange));
  const std::string_view e = exchangeColumnText(exchange, width);
  const size_t keep = characterPrefixBytes(e, width);
  r.contact.column(Column::Exchange).assign(e.substr(0, keep));
  if (keep == e.size()) return;
  r.warn(": truncating exchange %.*s to %.*s.", static_cast<int>(e.size()), e.data(), static_cast<int>(keep), e.data());
}

// Characters 1, 2, 4, 5 and 6 of a reference such as EU-005; blanks past a short one's end.
std::string iotaColumnText(const char* iota) {
  if (iota[0] == '\0') return "";
  const size_t length = std::strlen(iota);
  std::string text;
  for (size_t position : {0u, 1u, 3u, 4u, 5u}) text += position < length ? iota[position] : ' ';
  return text;
}

// The KOLVEX8 frequency column: FREQ in kHz when it is to be written.
void resolveFrequencyColumn(Resolution& r, const Frequency& frequency) {
  if (!r.hasFrequencyColumn() || r.job.includeFrequency == 0 || r.record.freq[0] == '\0') return;
  r.place(Column::Frequency, frequencyColumn(toKilohertz(frequency.value, frequency.unit)));
}

// The free line after the columns: frequency, note, sent serial and received exchange items.
void resolveNoteLine(Resolution& r, const ExchangeChoice& choice, const Frequency& frequency, NoteItem noteItem) {
  const QsoRecord& record = r.record;
  const ConversionJob& job = r.job;
  std::string& line = r.contact.noteLine;
  auto startItem = [&line]() {
    if (!line.empty()) line += ' ';
  };

  if (job.includeFrequency != 0) {
    if (!r.hasFrequencyColumn()) {
      const std::optional<std::string> transmit = kilohertzText(record.freq, frequency.unit);
      if (transmit) {
        const std::optional<std::string> receive = kilohertzText(record.freqRx, frequency.unit);
        if (receive && *receive != *transmit) line += *receive + "/";
        line += *transmit + "KHz";
      }
    } else if (record.freqRx[0] != '\0' && std::strcmp(record.freqRx, record.freq) != 0) {
      const std::optional<std::string> receive = kilohertzText(record.freqRx, frequency.unit);
      if (receive) line += "Rx=" + *receive + "KHz";
    }
  }
  if (job.note[0] != '\0') {
    startItem();
    line += job.note;
  }
  if (job.appendSerial != 0 && choice.serial && record.stx[0] != '\0' && textToInt(record.stx) != 0) {
    startItem();
    line += "SerNr=";
    line += record.stx;
  }
  if (job.appendExchange == 0) return;
  // The separator is written even when the contest has nothing to add.
  startItem();
  switch (noteItem) {
    case NoteItem::None:
      break;
    case NoteItem::FieldDay:
      line += formatText("#%s %s", choice.exchange ? choice.exchange->c_str() : "", record.arrlSect);
      break;
    case NoteItem::Sweepstakes: {
      // A missing precedence leaves its place blank.
      const char precedence = record.prec != '\0' ? record.prec : ' ';
      line += formatText("#%s %c %02d %s", record.srx, precedence, static_cast<int>(record.check), record.arrlSect);
      break;
    }
  }
}

// The names-file entry of a contest that carries the other operator's name, under the call
// as the call column shows it.
void resolveNamesEntry(Resolution& r, const std::optional<std::string>& name, std::string_view call) {
  if (!name) return;
  std::string written = *name;
  for (size_t i = 1; i < written.size(); ++i) written[i] = toAsciiLower(written[i]);
  r.contact.namesEntry = NamesEntry{std::string(call), *name, std::move(written)};
}

// The call column's value: the first word of a CALL that holds more (an exchange typed into it,
// "WA9WFD 2O CT" or "KX8JK|7O|CT"), with a warning.
std::string_view resolveCallWord(Resolution& r) {
  const std::string_view call = r.record.call;
  const size_t end = call.find_first_of(" |", 1);
  if (end == std::string_view::npos) return call;
  r.warn(": CALL %s holds more than a callsign; written as %.*s.", r.record.call, static_cast<int>(end), call.data());
  return call.substr(0, end);
}

// The record as the rules read it: a GRIDSQUARE without its surrounding blanks, and none when
// it is no locator. Returns the record itself when nothing changes, else `cleaned`.
const QsoRecord& gridCleaned(const QsoRecord& record, QsoRecord& cleaned, bool& gridRejected) {
  const std::string_view grid = trimAsciiSpace(record.grid);
  gridRejected = !grid.empty() && !isMaidenheadLocator(grid);
  if (!gridRejected && grid.size() == std::strlen(record.grid)) return record;
  cleaned = record;
  const std::string_view kept = gridRejected ? std::string_view() : grid;
  kept.copy(cleaned.grid, kept.size());
  cleaned.grid[kept.size()] = '\0';
  return cleaned;
}

}  // namespace

ResolvedContact resolveContact(const QsoRecord& logged, const ConversionJob& job, const ContestRules& rules,
                               const ImportWriterState& state) {
  ResolvedContact contact;
  contact.notices = state.notices;
  QsoRecord cleaned;
  bool gridRejected = false;
  const QsoRecord& record = gridCleaned(logged, cleaned, gridRejected);
  Resolution r{record, job, state, contact, columnWidths(job.importFormat)};
  const ContestRow& row = rules.row;

  // In column order, which is also the order of the notes.
  resolveDate(r);
  resolveTime(r);
  const std::string_view call = resolveCallWord(r);
  r.fit(Column::Call, "CALL", call, std::string(call).c_str());
  const Frequency frequency = resolveBand(r);
  const char* modeText = modeTextOf(record, row.mode);
  r.fit(Column::Mode, "MODE", modeText, modeText);
  const ExchangeChoice choice = selectExchange(record, rules, modeText);
  resolveReports(r, modeText, choice.classFromReport);

  resolveExchange(r, choice);
  if (choice.zoneNumber != 0) r.fit(Column::Zone, "ZONE", Decimal(choice.zoneNumber).c_str(), choice.zoneText.c_str());
  contact.column(Column::Label).assign(yesNo(job.label));
  const StateCountyPair placed = exchangeState(contact.notes, record, job, rules, choice.exchange, choice.qthGaveWay);
  if (placed.state != nullptr) r.fit(Column::State, "STATE", placed.state, placed.state);
  if (placed.county != nullptr) r.fit(Column::County, "COUNTY", placed.county, placed.county);
  r.place(Column::Group, Decimal(job.groupNumber).c_str());
  // A locator of eight characters (ADIF allows them) names a smaller area inside the square of
  // its first six; that square fills the column.
  if (gridRejected) r.warn(": GRIDSQUARE %s is not a locator; the grid column is blank.", logged.grid);
  r.place(Column::Grid, record.grid);
  r.fit(Column::Iota, "IOTA", iotaColumnText(record.iota), record.iota);
  if (const std::optional<AwardReference> award = awardReference(record, rules, choice)) {
    r.fit(Column::Award, "AWARD", award->text, award->value.c_str());
  }
  contact.column(Column::Upload).assign(yesNo(job.upload));
  resolveFrequencyColumn(r, frequency);

  resolveNoteLine(r, choice, frequency, row.noteItem);
  resolveNamesEntry(r, choice.operatorName, call);
  return contact;
}
