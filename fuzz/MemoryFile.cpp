#include "fuzz/MemoryFile.h"

#include <algorithm>
#include <cstring>

MemoryFile::MemoryFile(const uint8_t* data, size_t size)
    : m_data(data), m_size(static_cast<uint32_t>(std::min<size_t>(size, UINT32_MAX))) {}

bool MemoryFile::Read(void* buffer, uint32_t count, uint32_t* done) {
    const uint32_t available = std::min(count, m_size - m_position);
    if (available > 0) std::memcpy(buffer, m_data + m_position, available);
    m_position += available;
    if (done != nullptr) *done = available;
    return available == count;
}

bool MemoryFile::Seek(int32_t offset, int32_t origin) {
    const int64_t base = origin == 0 ? 0 : origin == 1 ? int64_t{m_position} : int64_t{m_size};
    const int64_t target = base + offset;
    if (target < 0 || target > m_size) return false;
    m_position = static_cast<uint32_t>(target);
    return true;
}
