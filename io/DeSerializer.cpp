#include "io/DeSerializer.h"

#include "io/FileError.h"
#include "platform/ByteOrder.h"
#include "platform/Kernel.h"

namespace {

bool IsDirectory(const std::string& fileName) {
    const DWORD attributes = GetFileAttributesA(fileName.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

DeSerializer::DeSerializer(const std::string& fileName) {
    if (!IsDirectory(fileName)) m_stream.open(ToHostPath(fileName), std::ios::binary);
    if (!m_stream.is_open()) {
        throw FileError("DeSerializer::DeSerializer: unable to open: " + fileName);
    }
}

int32_t DeSerializer::GetLong() {
    if (m_stream.eof()) throw FileError("DeSerializer::GetLong: end of file");
    uint8_t bytes[4] = {};
    m_stream.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    if (m_stream.bad()) throw FileError("DeSerializer::GetLong: file read failed");
    return static_cast<int32_t>(LoadLittleEndian(bytes, sizeof bytes));
}

std::string DeSerializer::GetString() {
    const auto length = static_cast<uint32_t>(GetLong());
    if (length > kMaxStringLength) throw FileError("DeSerializer::GetString: string too long");
    std::string text(length, '\0');
    m_stream.read(text.data(), static_cast<std::streamsize>(length));
    if (m_stream.bad()) throw FileError("DeSerializer::GetString: file read failed");
    return text;
}
