#include "app/CheckFile.h"

#include <utility>

#include "catalogue/DataFiles.h"
#include "platform/kernel/Kernel.h"

CCheckFile::CCheckFile(std::string dataRoot) : m_dataRoot(std::move(dataRoot)) {}

bool CCheckFile::CheckMissingFiles() {
    m_missing.clear();
    for (const char* relativeName : DataFilesToCheck()) {
        const std::string fullName = m_dataRoot + relativeName;
        // A file counts as there only when it can be opened for reading.
        const HANDLE file = CreateFileA(fullName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            m_missing = fullName;
            return true;
        }
        CloseHandle(file);
    }
    return false;
}
