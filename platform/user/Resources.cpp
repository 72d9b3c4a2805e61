#include "platform/user/Resources.h"

#include <string>

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

const Resource* Resources::Find(std::string_view name, ResourceKind kind) {
    for (const Resource& resource : All()) {
        if (resource.kind == kind && SameNameIgnoringCase(resource.name, name)) {
            return &resource;
        }
    }
    return nullptr;
}

const Resource* Resources::Find(uint16_t id, ResourceKind kind) {
    return Find("#" + std::to_string(id), kind);
}
