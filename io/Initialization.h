#pragma once
// The program's one setting, kept in "options03.dta" in the base directory: whether
// the new-sticker hint is still to be shown. The hint shows at the first pick; from
// then on the setting is off, across runs.

#include <cstdint>
#include <string>

#include "io/Serializable.h"

class CInitialization : public Serializable {
public:
    static constexpr const char* kFileText = "QLYGOPTN";
    static constexpr int32_t kVersionNumber = 768;
    static constexpr const char* kRelativeFileName = "\\options03.dta";

    // Non-zero while the new-sticker hint is still to be shown.
    static int32_t ms_ShowNewStickerDialog;

    // Sets the default (show the hint), takes the file path from `baseDirectory` and
    // reads the file, writing a fresh one when it is missing or not recognised.
    explicit CInitialization(const std::string& baseDirectory);
    // Touches nothing: for saving the current setting.
    CInitialization() = default;
    virtual ~CInitialization() = default;

    void Serialize(Serializer& serializer) override;
    void DeSerialize(DeSerializer& deserializer) override;

    // Saves the current setting; a failure is dropped (the setting still holds in
    // memory for this run).
    virtual void WriteInitialization();
    // Loads the setting; on any failure saves the current values instead.
    virtual void ReadInitialization();

    static const std::string& FilePath();
};
