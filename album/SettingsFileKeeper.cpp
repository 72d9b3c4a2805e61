#include "album/SettingsFileKeeper.h"

#include <string>

#include "io/FileManager.h"
#include "io/SettingsFile.h"

namespace {

constexpr const char* kSettingsFile = "\\settings003.txt";

SettingsFile FileInBaseFolder() {
    std::string path;
    CFileManager().MakeFullPath(path, kSettingsFile);
    return SettingsFile(path);
}

}  // namespace

GrownUpSettings SettingsFileKeeper::Current() const {
    if (!m_settings) m_settings = FileInBaseFolder().Read();
    return *m_settings;
}

void SettingsFileKeeper::Change(const GrownUpSettings& settings) {
    m_settings = settings;
    FileInBaseFolder().Write(settings);
}
