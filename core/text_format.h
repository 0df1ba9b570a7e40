// printf-style formatting into a string the caller owns.
#pragma once
#include <cstdarg>
#include <string>

// The text that snprintf would produce for the format and arguments; empty on a format error.
std::string formatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The same for an argument list, which it leaves to the caller to end; empty on a format error.
std::string formatTextList(const char* format, va_list args);
