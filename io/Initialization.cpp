#include "io/Initialization.h"

#include "diag/Log.h"
#include "io/DeSerializer.h"
#include "io/FileError.h"
#include "io/Serializer.h"

namespace {

// The options file's full path, set when the setting is first read.
std::string g_filePath;

}  // namespace

int32_t CInitialization::ms_ShowNewStickerDialog = 1;

CInitialization::CInitialization(const std::string& baseDirectory) {
    ms_ShowNewStickerDialog = 1;
    g_filePath = baseDirectory + kRelativeFileName;
    ReadInitialization();
}

const std::string& CInitialization::FilePath() {
    return g_filePath;
}

void CInitialization::Serialize(Serializer& serializer) {
    serializer.PutString(kFileText);
    serializer.PutLong(kVersionNumber);
    serializer.PutLong(ms_ShowNewStickerDialog);
}

void CInitialization::DeSerialize(DeSerializer& deserializer) {
    if (deserializer.GetString() != kFileText) {
        WriteLog("CInitialization::DeSerialize: file text is wrong");
        throw FileError("CInitialization::DeSerialize: file text is wrong");
    }
    if (deserializer.GetLong() != kVersionNumber) {
        WriteLog("CInitialization::DeSerialize: file version number is wrong");
        throw FileError("CInitialization::DeSerialize: file version number is wrong");
    }
    ms_ShowNewStickerDialog = deserializer.GetLong();
}

void CInitialization::WriteInitialization() {
    try {
        Serializer serializer(g_filePath);
        Serialize(serializer);
    } catch (...) {
        // The Serializer has logged an open failure; the setting stays in memory.
    }
}

void CInitialization::ReadInitialization() {
    try {
        DeSerializer deserializer(g_filePath);
        DeSerialize(deserializer);
    } catch (...) {
        WriteInitialization();
    }
}
