// Callsign prefixes and the US-station test.
#pragma once
#include <optional>
#include <string>

// The prefix of a callsign after its "/" designators are resolved (K1ABC/7 gives K7).
// Returns nullopt on failure and then sets message to the numbered error text.
std::optional<std::string> callsignPrefix(const std::string& callsign, std::string& message);

// The first n characters of the text, followed by "0" when addZero is set.
std::string copyPrefix(const std::string& text, size_t n, bool addZero);

// Whether the callsign's prefix belongs to the United States. Returns false when no prefix
// can be found.
bool isUsCallsign(const std::string& callsign);
