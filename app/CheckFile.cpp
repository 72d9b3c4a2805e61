#include "app/CheckFile.h"

#include <utility>

#include "album/DataFiles.h"
#include "platform/Kernel.h"

CCheckFile::CCheckFile(std::string dataRoot) : m_dataRoot(std::move(dataRoot)) {}

bool CCheckFile::CheckMissingFiles() {
    m_missing.clear();
    for (const char* relativeName : DataFilesToCheck()) {
        const std::string fullName = m_dataRoot + relativeName;
        const DWORD attributes = GetFileAttributesA(fullName.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            m_missing = fullName;
            return true;
        }
    }
    return false;
}
