#include "platform/user/Resources.h"

#include <deque>
#include <string>
#include <vector>

#include "platform/kernel/Kernel.h"

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

// The whole file at `path`, or nothing when it cannot be read whole.
std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    const DWORD size = GetFileSize(file, nullptr);
    std::vector<uint8_t> bytes(size == INVALID_FILE_SIZE ? 0 : size);
    DWORD done = 0;
    const bool whole =
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) != FALSE &&
        done == bytes.size();
    CloseHandle(file);
    return whole ? bytes : std::vector<uint8_t>{};
}

}  // namespace

// What is read is kept with its bytes for as long as the program runs: callers hold on
// to what Find answers.
const Resource* Resources::WithBytes(const Resource& resource) {
    if (resource.file == nullptr) return &resource;
    struct Read {
        Resource resource;
        std::vector<uint8_t> bytes;
    };
    static std::deque<Read> read;
    for (const Read& done : read) {
        if (std::string_view(done.resource.file) == resource.file) return &done.resource;
    }
    std::vector<uint8_t> bytes = ReadWholeFile(std::string("resources\\") + resource.file);
    if (bytes.empty()) return nullptr;
    Read& done = read.emplace_back(Read{resource, std::move(bytes)});
    done.resource.bytes = done.bytes;
    return &done.resource;
}

const Resource* Resources::Find(std::string_view name, ResourceKind kind) {
    for (const Resource& resource : All()) {
        if (resource.kind == kind && SameNameIgnoringCase(resource.name, name)) {
            return WithBytes(resource);
        }
    }
    return nullptr;
}

const Resource* Resources::Find(uint16_t id, ResourceKind kind) {
    // Appended, not prefixed: GCC 12 at -O3 takes a prefix for an overlapping copy.
    std::string name = "#";
    name += std::to_string(id);
    return Find(name, kind);
}
