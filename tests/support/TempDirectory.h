#pragma once
// A fresh folder for one test, made the current directory while the test runs and
// removed afterwards, so tests work on real files without touching each other.

#include <filesystem>
#include <string>

class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();

    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path of `name` inside the folder, as a host path.
    std::string operator/(const std::string& name) const;

private:
    std::filesystem::path m_path;
    std::filesystem::path m_previous;
};
