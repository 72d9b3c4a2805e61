#include "platform/machines/null/NullBackend.h"

#include <cstdio>

// Without a display the words go to standard error, where whoever started the album
// sees them.
bool NullBackend::TellWithoutDisplay(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return true;
}
