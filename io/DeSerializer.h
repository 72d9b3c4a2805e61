#pragma once
// Reads one of the program's save files item by item: longs and length-prefixed
// strings, as Serializer writes them.
//
// End of file follows the standard streams: a read that runs out of bytes does not
// throw (missing bytes read as zero), but the next GetLong does.

#include <cstdint>
#include <fstream>
#include <string>

class DeSerializer {
public:
    // The longest string the program's files hold is a few dozen characters; any
    // length prefix above this is a damaged or foreign file.
    static constexpr uint32_t kMaxStringLength = 4096;

    // Opens `fileName` (a full program path) for reading. Throws FileError
    // "DeSerializer::DeSerializer: unable to open: <fileName>" when it cannot.
    explicit DeSerializer(const std::string& fileName);

    int32_t GetLong();
    std::string GetString();

private:
    std::ifstream m_stream;
};
