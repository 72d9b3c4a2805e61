#include "io/AlbumName.h"

#include <algorithm>

namespace {

bool Allowed(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ||
           c == '-' || c == '_';
}

}  // namespace

bool AlbumName::IsValid(std::string_view name) {
    return !name.empty() && name.size() <= kLongest && name.front() != ' ' && name.back() != ' ' &&
           std::all_of(name.begin(), name.end(), Allowed);
}
