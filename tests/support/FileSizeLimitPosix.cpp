#include "tests/support/FileSizeLimit.h"

#include <signal.h>
#include <sys/resource.h>

static_assert(RLIM_INFINITY == FileSizeLimit::kNoLimit, "no limit is the same on both sides");

FileSizeLimit::FileSizeLimit(uint64_t bytes) : m_previousHandler(signal(SIGXFSZ, SIG_IGN)) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previousLimit = limit.rlim_cur;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_previousLimit;
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, m_previousHandler);
}
