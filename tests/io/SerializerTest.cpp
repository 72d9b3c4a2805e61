#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <variant>

#include "io/DeSerializer.h"
#include "io/FileError.h"
#include "io/Serializer.h"
#include "tests/support/Files.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

class SerializerTest : public testing::Test {
protected:
    // The program's own form of a path: the base folder, then backslashed names.
    std::string ProgramPath(const std::string& name) const {
        return folder.Path().string() + "\\" + name;
    }
    TempDirectory folder;
};

using testing::ThrowsMessage;

TEST_F(SerializerTest, WritesLongsAndStringsLittleEndianWithoutPaddingAndReadsThemBack) {
    const std::string binary("a\r\nb\0c\xff", 7);
    using Field = std::variant<int32_t, std::string>;
    const Field fields[] = {"TV", "QUILRY03", 768, -1, "", INT32_MIN, binary};
    {
        Serializer out(ProgramPath("head.sav"));
        for (const Field& field : fields)
            field.index() == 0 ? out.PutLong(std::get<0>(field))
                               : out.PutString(std::get<1>(field));
    }
    const Bytes expected = {2,    0,    0,   0,   'T', 'V', 8, 0, 0, 0,   'Q',  'U',
                            'I',  'L',  'R', 'Y', '0', '3', 0, 3, 0, 0,   0xFF, 0xFF,
                            0xFF, 0xFF, 0,   0,   0,   0,   0, 0, 0, 0x80};
    EXPECT_EQ(ReadBytes(folder / "head.sav"), Concat({expected, StringBytes(binary)}))
        << "strings keep every byte as it stands";
    EXPECT_FALSE(std::filesystem::exists(folder / "head.sav.tmp"));

    DeSerializer in(ProgramPath("head.sav"));
    for (const Field& field : fields)
        EXPECT_EQ(field.index() == 0 ? Field(in.GetLong()) : Field(in.GetString()), field);
}

TEST_F(SerializerTest, OpenFailuresLogAndThrowTheirTextsAndKeepAReadOnlyFile) {
    LogCapture capture;
    const std::string couldNotOpen = "Serializer::Serializer: couldn't open file";
    const std::string noFolder = ProgramPath("save003\\page00.sav");
    EXPECT_THAT([&] { Serializer out(noFolder); }, ThrowsMessage<FileError>(couldNotOpen));
    EXPECT_TRUE(capture.Contains("Serializer::Serializer: unable to open: " + noFolder));

    EXPECT_THAT([&] { Serializer out(""); }, ThrowsMessage<FileError>(couldNotOpen));

    EXPECT_THAT(
        [&] { DeSerializer in(noFolder); },
        ThrowsMessage<FileError>("DeSerializer::DeSerializer: unable to open: " + noFolder));
    EXPECT_FALSE(capture.Contains("DeSerializer::DeSerializer: unable to open: " + noFolder))
        << "the reader's open failure is thrown, not logged";
    EXPECT_THAT([&] { DeSerializer in(folder.Path().string()); },
                ThrowsMessage<FileError>("DeSerializer::DeSerializer: unable to open: " +
                                         folder.Path().string()))
        << "a folder is not a save file";

    WriteBytes(folder / "page02.sav", {1, 2, 3});
    chmod((folder / "page02.sav").c_str(), 0444);
    EXPECT_THAT([&] { Serializer out(ProgramPath("page02.sav")); },
                ThrowsMessage<FileError>(couldNotOpen));
    EXPECT_EQ(ReadBytes(folder / "page02.sav"), (Bytes{1, 2, 3})) << "a read-only file is kept";
}

// Missing bytes read as zero; only the read after the one that reached the end throws.
TEST_F(SerializerTest, ReadsPastTheEndGiveZerosThenEndOfFileAndHugeStringsAreRefused) {
    const std::string endOfFile = "DeSerializer::GetLong: end of file";
    WriteBytes(folder / "short.sav", {0x01, 0x00, 0x00});
    DeSerializer shortFile(ProgramPath("short.sav"));
    EXPECT_EQ(shortFile.GetLong(), 1);
    EXPECT_THAT([&] { shortFile.GetLong(); }, ThrowsMessage<FileError>(endOfFile));

    WriteBytes(folder / "one.sav", LongBytes(7));
    DeSerializer one(ProgramPath("one.sav"));
    EXPECT_EQ(one.GetLong(), 7);
    EXPECT_EQ(one.GetLong(), 0) << "this read runs into the end without throwing";
    EXPECT_THAT([&] { one.GetLong(); }, ThrowsMessage<FileError>(endOfFile));

    WriteBytes(folder / "cut.sav", Concat({LongBytes(6), {'Q', 'L', 'Y'}}));
    DeSerializer cut(ProgramPath("cut.sav"));
    EXPECT_EQ(cut.GetString(), std::string("QLY\0\0\0", 6));
    EXPECT_THAT([&] { cut.GetLong(); }, ThrowsMessage<FileError>(endOfFile));

    // Huge or negative string lengths are refused without allocating.
    for (int32_t length : {4097, INT32_MAX, -1, INT32_MIN}) {
        WriteBytes(folder / "huge.sav", Concat({LongBytes(length), {'x'}}));
        DeSerializer in(ProgramPath("huge.sav"));
        EXPECT_THAT([&] { in.GetString(); },
                    ThrowsMessage<FileError>("DeSerializer::GetString: string too long"))
            << length;
    }
    WriteBytes(folder / "limit.sav", Concat({LongBytes(4096), Bytes(4096, 'y')}));
    EXPECT_EQ(DeSerializer(ProgramPath("limit.sav")).GetString(), std::string(4096, 'y'));
}
