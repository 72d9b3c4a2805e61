#pragma once
// printf-style formatting into a string of whatever length the text needs, so that
// no message is cut or overruns a fixed buffer, whatever the strings put into it.

#include <cstdarg>
#include <string>

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, va_list arguments);
