#pragma once
// The diagnostic log: one time-stamped line per call, appended to "log.txt" in the
// current directory. Off in normal use; QUILLORY_LOG=1 in the environment turns it on.

#include <cstdint>

// Appends "<tenths of a second since boot, at least five digits>:\t<message>\n".
// Returns 1 after writing (or at once when logging is off), 0 when "log.txt" cannot
// be opened.
int WriteLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Turns logging on (non-zero) or off. Start-up sets it from QUILLORY_LOG.
void SetLogging(int32_t on);
int32_t IsLogging();
