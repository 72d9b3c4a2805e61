#pragma once
// Reads one of the program's save files item by item: longs and length-prefixed
// strings, as Serializer writes them.
//
// End of file follows the standard streams: a read that runs out of bytes does not
// throw (missing bytes read as zero), but the next GetLong does.

#include <cstdint>
#include <string>

class DeSerializer {
public:
    // The longest string the program's files hold is a few dozen characters; any
    // length prefix above this is a damaged or foreign file.
    static constexpr uint32_t kMaxStringLength = 4096;

    // Opens `fileName` (a full program path) for reading through the kernel's file
    // calls, as a read-only view of the whole file. Throws FileError
    // "DeSerializer::DeSerializer: unable to open: <fileName>" when it cannot, and
    // "DeSerializer::DeSerializer: file read failed" when it cannot be viewed.
    explicit DeSerializer(const std::string& fileName);
    ~DeSerializer();

    DeSerializer(const DeSerializer&) = delete;
    DeSerializer& operator=(const DeSerializer&) = delete;

    // The longest file that is text (GetText) the program reads.
    static constexpr uint32_t kMaxTextLength = 64 * 1024;

    int32_t GetLong();
    std::string GetString();
    // Every byte from the read position to the end, for files that are text. Throws
    // FileError "DeSerializer::GetText: file too long" past kMaxTextLength.
    std::string GetText();
    // True once every byte of the file has been read, before any read runs out: files
    // of records that run to the end stop here, without the cost of a failed read.
    bool AllRead() const { return m_position == m_size; }

private:
    // Copies up to `count` bytes from the read position; asking for more than is
    // left marks the end of the file.
    void ReadBytes(void* buffer, uint32_t count);

    const uint8_t* m_view = nullptr;
    uint32_t m_size = 0;
    uint32_t m_position = 0;
    bool m_atEnd = false;
};
