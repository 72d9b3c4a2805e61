#pragma once
// The start-up check of the album's data files: the first one missing under the data
// root is named, so that the user can be told which one it is.

#include <string>

class CCheckFile {
public:
    explicit CCheckFile(std::string dataRoot);
    virtual ~CCheckFile() = default;

    // Walks the data files in their check order; true when one is missing or cannot be
    // opened for reading.
    bool CheckMissingFiles();
    // The full name of the first missing file; empty when none is.
    const std::string& MissingFile() const { return m_missing; }

private:
    std::string m_dataRoot;
    std::string m_missing;
};
