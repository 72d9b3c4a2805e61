// The album's files on Windows: content read from beside the program, everything else
// where the album runs.

#include <gtest/gtest.h>

#include "platform/kernel/DiskVolume.h"
#include "platform/machines/win32/ContentBesideProgram.h"

TEST(ContentBesideProgramTest, OnlyTheContentIsFoundBesideTheProgram) {
    DiskVolume disk;
    const ContentBesideProgram volume(disk, "C:\\Users\\Ann\\AppData\\Local\\Quillory3\\",
                                      "C:\\Programs\\Quillory3", {"data003", "QLY03.mid"});
    const struct {
        const char* path;
        const char* found;
    } cases[] = {
        // Content, named from the album folder in any case and with either slash...
        {"C:\\Users\\Ann\\AppData\\Local\\Quillory3\\data003\\b0101.dat",
         "C:\\Programs\\Quillory3\\data003\\b0101.dat"},
        {"c:/users/ann/appdata/local/quillory3/DATA003/m0005.dat",
         "C:\\Programs\\Quillory3\\DATA003/m0005.dat"},
        // ... or relative to it.
        {"QLY03.mid", "C:\\Programs\\Quillory3\\QLY03.mid"},
        {".\\data003", "C:\\Programs\\Quillory3\\data003"},
        // The album's own files stay.
        {"C:\\Users\\Ann\\AppData\\Local\\Quillory3\\save003\\page01.sav",
         "C:\\Users\\Ann\\AppData\\Local\\Quillory3\\save003\\page01.sav"},
        {"options03.dta", "options03.dta"},
        // A name that only begins like the content's, and content of another folder.
        {"data0031\\x.dat", "data0031\\x.dat"},
        {"QLY03.mid.bak", "QLY03.mid.bak"},
        {"C:\\Users\\Ann\\AppData\\Local\\Quillory3-data003\\b0101.dat",
         "C:\\Users\\Ann\\AppData\\Local\\Quillory3-data003\\b0101.dat"},
        {"D:\\data003\\b0101.dat", "D:\\data003\\b0101.dat"},
        {"\\\\server\\data003\\b0101.dat", "\\\\server\\data003\\b0101.dat"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(volume.Resolve(item.path), item.found) << item.path;
    }
}
