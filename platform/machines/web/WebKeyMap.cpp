#include "platform/machines/web/WebKeyMap.h"

#include <array>
#include <utility>

#include "platform/user/UserTypes.h"

namespace {

constexpr UINT kVkF1 = 0x70;
constexpr UINT kVkHome = 0x24;
constexpr UINT kVkEnd = 0x23;
constexpr UINT kVkDelete = 0x2E;

constexpr std::array<std::pair<std::string_view, UINT>, 15> kNamedKeys{{
    {"Backspace", VK_BACK},
    {"Tab", VK_TAB},
    {"Shift", VK_SHIFT},
    {"Enter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {" ", VK_SPACE},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
    {"ArrowLeft", VK_LEFT},
    {"ArrowUp", VK_UP},
    {"ArrowRight", VK_RIGHT},
    {"ArrowDown", VK_DOWN},
    {"Home", kVkHome},
    {"End", kVkEnd},
    {"Delete", kVkDelete},
}};

// "F1" to "F12".
std::optional<UINT> FunctionKey(std::string_view key) {
    if (key.size() < 2 || key.size() > 3 || key[0] != 'F') return std::nullopt;
    UINT number = 0;
    for (const char digit : key.substr(1)) {
        if (digit < '0' || digit > '9') return std::nullopt;
        number = number * 10 + static_cast<UINT>(digit - '0');
    }
    if (number < 1 || number > 12 || key[1] == '0') return std::nullopt;
    return kVkF1 + number - 1;
}

}  // namespace

std::optional<UINT> WebKeyMap::VirtualKey(std::string_view key) {
    // Letters and digits: the virtual key is the capital letter or the digit.
    if (key.size() == 1) {
        const char c = key[0];
        if (c >= 'a' && c <= 'z') return static_cast<UINT>(c - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<UINT>(c);
    }
    if (const std::optional<UINT> function = FunctionKey(key)) return function;
    for (const auto& [name, virtualKey] : kNamedKeys) {
        if (name == key) return virtualKey;
    }
    return std::nullopt;
}

std::vector<std::string_view> WebKeyMap::NamedKeys() {
    std::vector<std::string_view> names;
    for (const auto& [name, virtualKey] : kNamedKeys) names.push_back(name);
    return names;
}
