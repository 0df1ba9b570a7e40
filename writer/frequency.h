// Frequencies as the import record needs them: the band they lie in and their kHz text.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The unit a log writes FREQ in. ADIF says MHz, but some loggers write kHz or Hz.
enum class FrequencyUnit {
  Megahertz,  // as ADIF defines it
  Kilohertz,  // 14074 for 14.074 MHz
  Hertz,      // 14074000 for 14.074 MHz
};

// The band in metres for a frequency in MHz: the six HF contest bands with their edges
// excluded (1.799 to 2.001 MHz is 160 m), and 60, 30, 17, 12, 6, 4 and 2 m with their edges
// included. Returns 0 when the frequency lies in none of these bands.
int32_t bandFromFrequency(double megahertz);

// The value of a frequency text: a comma that is its only separator is the decimal point
// ("14,074" is 14.074). Returns 0 for a text without digits and for a value of 0 or below:
// such a text gives no frequency.
double frequencyValue(const char* text);

// Whether bandFromFrequency's table has the band (in metres). Returns false for 0.
bool isKnownBand(int32_t band);

// The unit a FREQ value is written in: the one under which the value lies in the record's band
// (in metres; 0 = none or one outside bandFromFrequency's table); else the one under which it
// lies in any band of that table, MHz tried first; else Hz for 1,000,000 and more, whatever the
// record's BAND. Returns Megahertz in every other case.
FrequencyUnit frequencyUnit(double value, int32_t band);

// A value written in the unit, in MHz.
double toMegahertz(double value, FrequencyUnit unit);

// The same in kHz.
double toKilohertz(double value, FrequencyUnit unit);

// The kHz text of a MHz text: the first "." or "," becomes ",", trailing zeros past the third
// decimal are dropped, and further digits follow a "." (14.0255 gives 14,025.5). A second
// separator and what follows it are dropped (7.100.123 gives 7,100).
// Returns nullopt for an empty text or one without a separator.
std::optional<std::string> formatKilohertz(const char* megahertz);

// The kHz text of a FREQ or FREQ_RX text written in the unit: formatKilohertz of the text in
// MHz (of the text itself when it is in MHz). Returns nullopt for a text that gives no
// frequency (frequencyValue 0), and as formatKilohertz does.
std::optional<std::string> kilohertzText(const char* text, FrequencyUnit unit);

// The "%9.2f" text of a frequency in kHz ("14025.50" after one blank), rounded exactly as the
// C library rounds it (to nearest, ties to even) but without its cost. Never fails.
std::string formatFrequencyColumn(double kilohertz);

// The frequency column: nine characters that never widen. A kHz value too wide for "%9.2f" is
// written with one decimal ("2380041.1") or none (" 10368100"); a value too wide even then, or
// no number, is written as 0. Never fails.
std::string frequencyColumn(double kilohertz);
