#include <filesystem>

#include "tests/support/Files.h"

bool MakeUnreadableEntry(const std::string& hostPath) {
    std::error_code error;
    return std::filesystem::create_directory(hostPath, error);
}
