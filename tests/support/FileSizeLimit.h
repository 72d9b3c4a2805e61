#pragma once
// Lowers the largest file this process may write, as a full disk would, for one scope:
// a write past the limit fails with EFBIG (SIGXFSZ is ignored meanwhile).

#include <signal.h>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    sighandler_t m_previousHandler;
};
