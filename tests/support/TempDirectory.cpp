#include "tests/support/TempDirectory.h"

#include <stdlib.h>

#include <system_error>

TempDirectory::TempDirectory() : m_previous(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillory-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
    std::filesystem::current_path(m_path);
}

TempDirectory::~TempDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
    // A test may have made files read-only; give write access back so removal works.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDirectory::operator/(const std::string& name) const {
    return (m_path / name).string();
}
