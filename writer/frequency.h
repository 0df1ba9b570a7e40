// Frequencies as the import record needs them: the band they lie in and their kHz text.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The band in metres for a frequency in MHz; both band edges are exclusive.
// Returns 0 when the frequency lies in none of the six HF contest bands.
int32_t bandFromFrequency(double megahertz);

// The kHz text of a MHz text: the first "." or "," becomes ",", trailing zeros past the third
// decimal are dropped, and further digits follow a "." (14.0255 gives 14,025.5).
// Returns nullopt for an empty text or one without a separator.
std::optional<std::string> formatKilohertz(const char* megahertz);

// The "%9.2f" text of a frequency in kHz ("14025.50" after one blank), rounded exactly as the
// C library rounds it (to nearest, ties to even) but without its cost. Never fails.
std::string formatFrequencyColumn(double kilohertz);
