#include "diag/Log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "diag/TextFormat.h"
#include "platform/kernel/Kernel.h"

namespace {

int32_t LoggingFromEnvironment() {
    const char* setting = std::getenv("QUILLORY_LOG");
    return setting != nullptr && std::strcmp(setting, "1") == 0 ? 1 : 0;
}

int32_t g_logging = LoggingFromEnvironment();

// Subtracted from every time stamp; left at zero so stamps count from boot.
constexpr int32_t kTimeBase = 0;

}  // namespace

void SetLogging(int32_t on) {
    g_logging = on;
}

int32_t IsLogging() {
    return g_logging;
}

int WriteLog(const char* format, ...) {
    if (g_logging == 0) return 1;
    const int32_t stamp = static_cast<int32_t>(timeGetTime() / 100) - kTimeBase;

    va_list arguments;
    va_start(arguments, format);
    const std::string message = FormatTextV(format, arguments);
    va_end(arguments);

    // Opened and closed on every call so that each line reaches the disk at once; as bytes,
    // so that every system ends a line alike.
    std::FILE* log = std::fopen("log.txt", "ab+");
    if (log == nullptr) return 0;
    std::fprintf(log, "%.5i:\t%s\n", stamp, message.c_str());
    std::fclose(log);
    return 1;
}
