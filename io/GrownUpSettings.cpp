#include "io/GrownUpSettings.h"

#include <array>
#include <charconv>

namespace {

constexpr std::string_view kHeading = "# Quillory 3 settings 1";

enum class Kind { Switch, Volume };

struct Entry {
    std::string_view key;
    Kind kind;
    bool GrownUpSettings::*flag;
    int32_t GrownUpSettings::*number;
};

constexpr std::array<Entry, 7> kEntries = {{
    {"music", Kind::Switch, &GrownUpSettings::musicOn, nullptr},
    {"music-volume", Kind::Volume, nullptr, &GrownUpSettings::musicVolume},
    {"sound-effects", Kind::Switch, &GrownUpSettings::effectsOn, nullptr},
    {"sound-effects-volume", Kind::Volume, nullptr, &GrownUpSettings::effectsVolume},
    {"clear-all-asks-grown-up", Kind::Switch, &GrownUpSettings::clearAllAsksGrownUp, nullptr},
    {"quit-asks-grown-up", Kind::Switch, &GrownUpSettings::quitAsksGrownUp, nullptr},
    {"full-screen", Kind::Switch, &GrownUpSettings::fullScreen, nullptr},
}};

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r";
    const size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// A line of the file as a log line can show it: printable, and not too long.
std::string Shown(std::string_view line) {
    constexpr size_t kLongest = 60;
    std::string shown;
    for (const char c : line.substr(0, kLongest)) shown += (c >= ' ' && c <= '~') ? c : '?';
    return line.size() > kLongest ? shown + "..." : shown;
}

std::optional<bool> SwitchOf(std::string_view value) {
    if (value == "on" || value == "yes") return true;
    if (value == "off" || value == "no") return false;
    return std::nullopt;
}

std::optional<int32_t> VolumeOf(std::string_view value) {
    int32_t volume = -1;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), volume);
    if (error != std::errc() || end != value.data() + value.size()) return std::nullopt;
    if (volume < 0 || volume > GrownUpSettings::kMaxVolume) return std::nullopt;
    return volume;
}

}  // namespace

bool GrownUpSettings::Set(std::string_view key, std::string_view value) {
    for (const Entry& entry : kEntries) {
        if (entry.key != key) continue;
        if (entry.kind == Kind::Switch) {
            const std::optional<bool> on = SwitchOf(value);
            if (on) this->*entry.flag = *on;
            return on.has_value();
        }
        const std::optional<int32_t> volume = VolumeOf(value);
        if (volume) this->*entry.number = *volume;
        return volume.has_value();
    }
    return false;
}

std::string GrownUpSettings::Format() const {
    std::string text(kHeading);
    text += '\n';
    for (const Entry& entry : kEntries) {
        text.append(entry.key).append(" = ");
        if (entry.kind == Kind::Switch) {
            text += this->*entry.flag ? "on" : "off";
        } else {
            text += std::to_string(this->*entry.number);
        }
        text += '\n';
    }
    return text;
}

std::optional<GrownUpSettings> GrownUpSettings::Parse(std::string_view text, std::string& problem) {
    const size_t headingEnd = text.find('\n');
    if (Trimmed(text.substr(0, headingEnd)) != kHeading) {
        problem = "it is not a Quillory 3 settings file";
        return std::nullopt;
    }
    GrownUpSettings settings;
    size_t lineNumber = 1;
    for (size_t start = headingEnd; start != std::string_view::npos && start < text.size();) {
        ++start;
        const size_t end = text.find('\n', start);
        const std::string_view line = Trimmed(text.substr(start, end - start));
        start = end;
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos ||
            !settings.Set(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)))) {
            problem = "line " + std::to_string(lineNumber) + " (\"" + Shown(line) +
                      "\") is not a setting the album knows";
            return std::nullopt;
        }
    }
    return settings;
}
