#pragma once
// Lowers the largest file this process may write, as a full disk would, for one scope:
// a write past the limit fails with EFBIG (SIGXFSZ is ignored meanwhile). Windows keeps
// no such limit: there the tests that need one are left out (tests/CMakeLists.txt).

#include <cstdint>
#include <limits>

class FileSizeLimit {
public:
    static constexpr uint64_t kNoLimit = std::numeric_limits<uint64_t>::max();

    explicit FileSizeLimit(uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    // The limit and the SIGXFSZ handler before this scope.
    uint64_t m_previousLimit = kNoLimit;
    void (*m_previousHandler)(int) = nullptr;
};
