#include "io/Initialization.h"

#include "diag/Log.h"
#include "io/DeSerializer.h"
#include "io/FileError.h"
#include "io/Serializer.h"

int32_t CInitialization::ms_ShowNewStickerDialog = 1;
std::string CInitialization::ms_FilePath;

CInitialization::CInitialization(const std::string& baseDirectory) {
    ms_ShowNewStickerDialog = 1;
    ms_FilePath = baseDirectory + kRelativeFileName;
    ReadInitialization();
}

const std::string& CInitialization::FilePath() {
    return ms_FilePath;
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
        Serializer serializer(ms_FilePath);
        Serialize(serializer);
    } catch (...) {
        // The Serializer has logged an open failure; the setting stays in memory.
    }
}

void CInitialization::ReadInitialization() {
    try {
        DeSerializer deserializer(ms_FilePath);
        DeSerialize(deserializer);
    } catch (...) {
        WriteInitialization();
    }
}
