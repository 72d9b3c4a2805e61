#include "io/SettingsFile.h"

#include <cstdio>
#include <optional>

#include "diag/Log.h"
#include "io/DeSerializer.h"
#include "io/FileError.h"
#include "io/Serializer.h"
#include "platform/kernel/Kernel.h"

GrownUpSettings SettingsFile::Read() const {
    if (GetFileAttributesA(m_path.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    std::string text;
    try {
        DeSerializer file(m_path);
        text = file.GetText();
    } catch (const FileError& error) {
        TellDefaultsTaken(error.what());
        return {};
    }
    std::string problem;
    const std::optional<GrownUpSettings> settings = GrownUpSettings::Parse(text, problem);
    if (!settings) TellDefaultsTaken(problem);
    return settings.value_or(GrownUpSettings{});
}

void SettingsFile::Write(const GrownUpSettings& settings) const {
    try {
        Serializer file(m_path);
        file.PutText(settings.Format());
    } catch (const FileError&) {
        // The Serializer has logged and reported it, and kept the old file.
    }
}

void SettingsFile::TellDefaultsTaken(const std::string& why) const {
    WriteLog("Settings file %s not used (%s): the album starts with the usual settings",
             m_path.c_str(), why.c_str());
    std::fprintf(stderr,
                 "Quillory 3: settings file %s not used (%s): the album starts with the usual "
                 "settings\n",
                 m_path.c_str(), why.c_str());
}
