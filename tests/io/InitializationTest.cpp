#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "io/FileManager.h"
#include "io/Initialization.h"
#include "tests/support/Files.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

class InitializationTest : public testing::Test {
protected:
    void SetUp() override { CFileManager::SetBaseDirectoryFromCurrent(); }

    // Start-up reads the options with the base directory, as the main window does.
    static void StartUp() {
        std::string base;
        CFileManager().MakeFullPath(base, "");
        CInitialization options(base);
    }
    Bytes OptionsFile() const { return ReadBytes(folder / "options03.dta"); }
    static Bytes FileHolding(int32_t setting) {
        return Concat({StringBytes("QLYGOPTN"), LongBytes(768), LongBytes(setting)});
    }

    TempDirectory folder;
};

// The first run writes a twenty-byte file that shows the hint. Zero (the hint seen) and
// any other stored setting are read back as they stand; a foreign text or version is
// logged and replaced by a file that shows the hint.
TEST_F(InitializationTest, FirstRunShowsTheHintTheStoredSettingIsKeptAndAForeignOneReplaced) {
    StartUp();
    EXPECT_EQ(CInitialization::ms_ShowNewStickerDialog, 1);
    EXPECT_EQ(OptionsFile(), FileHolding(1));
    EXPECT_EQ(CInitialization::FilePath(), folder.Path().string() + "\\options03.dta");
    CInitialization::ms_ShowNewStickerDialog = 0;
    CInitialization().WriteInitialization();
    EXPECT_EQ(OptionsFile(), FileHolding(0));
    const std::string text = "CInitialization::DeSerialize: file text is wrong";
    for (const auto& [file, setting, logged] :
         {std::tuple{FileHolding(0), 0, std::string()},
          {FileHolding(7), 7, ""},
          {Concat({StringBytes("QLYGOPTM"), LongBytes(768), LongBytes(0)}), 1, text},
          {Concat({StringBytes("QLYGOPT"), LongBytes(768), LongBytes(0)}), 1, text},
          {Concat({StringBytes("QLYGOPTN"), LongBytes(769), LongBytes(0)}), 1,
           "CInitialization::DeSerialize: file version number is wrong"},
          {Concat({LongBytes(-2), LongBytes(768), LongBytes(0)}), 1, ""},
          {Bytes{0x47}, 1, text}}) {
        LogCapture capture;
        WriteBytes(folder / "options03.dta", file);
        CInitialization::ms_ShowNewStickerDialog = 5;
        StartUp();
        EXPECT_EQ(CInitialization::ms_ShowNewStickerDialog, setting);
        EXPECT_EQ(OptionsFile(), FileHolding(setting));
        EXPECT_TRUE(logged.empty() || capture.Contains(logged)) << logged;
    }
}

TEST_F(InitializationTest, AShortFileIsReadAsFarAsItGoesAndAnUnwritableOneKeptInMemory) {
    const Bytes head = Concat({StringBytes("QLYGOPTN"), LongBytes(768)});
    WriteBytes(folder / "options03.dta", head);
    StartUp();
    EXPECT_EQ(CInitialization::ms_ShowNewStickerDialog, 0) << "missing bytes read as zero";
    EXPECT_EQ(OptionsFile(), head) << "no rewrite";

    WriteBytes(folder / "options03.dta", Concat({head, {1, 0}}));
    StartUp();
    EXPECT_EQ(CInitialization::ms_ShowNewStickerDialog, 1);

    // A file that cannot be written keeps the setting in memory.
    CInitialization::ms_ShowNewStickerDialog = 5;
    CInitialization options(folder.Path().string() + "\\gone");
    EXPECT_EQ(CInitialization::ms_ShowNewStickerDialog, 1);
    CInitialization::ms_ShowNewStickerDialog = 0;
    CInitialization().WriteInitialization();
    EXPECT_EQ(CInitialization::ms_ShowNewStickerDialog, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
}
