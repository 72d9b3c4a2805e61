#include "platform/user/Cursor.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

std::string Folded(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

std::map<std::string, CursorImage>& Registry() {
    static std::map<std::string, CursorImage> registry;
    return registry;
}

}  // namespace

void RegisterCursorResource(std::string_view name, CursorImage image) {
    Registry()[Folded(name)] = std::move(image);
}

const CursorImage* FindCursorResource(std::string_view name) {
    const auto found = Registry().find(Folded(name));
    return found != Registry().end() ? &found->second : nullptr;
}

void ForgetCursorResources() {
    Registry().clear();
}
