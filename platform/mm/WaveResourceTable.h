#pragma once
// The WAVE resources that PlaySoundA can play, by name without regard to case. The
// program's embedded resources are registered here at start; tests register their own.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class WaveResourceTable {
public:
    using Wave = std::shared_ptr<const std::vector<uint8_t>>;

    static WaveResourceTable& Instance();

    // Adds or replaces the resource `name`.
    void Add(std::string_view name, std::vector<uint8_t> wave);
    void Clear();
    // Null when no resource has that name.
    Wave Find(std::string_view name) const;

private:
    static std::string FoldCase(std::string_view name);

    mutable std::mutex m_lock;
    std::map<std::string, Wave> m_waves;
};
