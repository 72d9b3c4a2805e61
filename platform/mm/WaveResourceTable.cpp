#include "platform/mm/WaveResourceTable.h"

#include <algorithm>
#include <cctype>

WaveResourceTable& WaveResourceTable::Instance() {
    static WaveResourceTable table;
    return table;
}

std::string WaveResourceTable::FoldCase(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return folded;
}

void WaveResourceTable::Add(std::string_view name, std::vector<uint8_t> wave) {
    auto shared = std::make_shared<const std::vector<uint8_t>>(std::move(wave));
    std::lock_guard lock(m_lock);
    m_waves[FoldCase(name)] = std::move(shared);
}

void WaveResourceTable::Clear() {
    std::lock_guard lock(m_lock);
    m_waves.clear();
}

WaveResourceTable::Wave WaveResourceTable::Find(std::string_view name) const {
    const std::string key = FoldCase(name);
    std::lock_guard lock(m_lock);
    const auto found = m_waves.find(key);
    return found == m_waves.end() ? nullptr : found->second;
}
