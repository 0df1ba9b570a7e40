// Maidenhead locators, the only text the grid column takes.
#pragma once
#include <string_view>

// Whether a text (surrounding blanks already removed) is a locator, in any case: two letters
// A-R and two digits, optionally two letters A-X, and after those optionally two more digits
// (FN31, FN31pr, IO64MW12). Returns false for every other text, the empty one too.
bool isMaidenheadLocator(std::string_view text);
