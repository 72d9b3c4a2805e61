#include "tests/support/TempDirectory.h"

#include <random>
#include <system_error>

namespace {

// A folder of a name nobody has taken yet, made in `parent`.
std::filesystem::path NewFolderIn(const std::filesystem::path& parent) {
    std::random_device random;
    for (;;) {
        const std::filesystem::path folder = parent / ("quillory-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder)) return folder;
    }
}

}  // namespace

TempDirectory::TempDirectory()
    : m_path(NewFolderIn(std::filesystem::temp_directory_path())),
      m_previous(std::filesystem::current_path()) {
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
