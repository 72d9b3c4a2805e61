#include "io/Serializer.h"

#include <exception>

#include "app/Log.h"
#include "io/FileError.h"
#include "platform/ByteOrder.h"
#include "platform/Kernel.h"

namespace {

bool IsWritableTarget(const std::string& fileName) {
    const DWORD attributes = GetFileAttributesA(fileName.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;  // a new file
    return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

}  // namespace

Serializer::Serializer(const std::string& fileName)
    : m_target(fileName),
      m_temporary(fileName + ".tmp"),
      m_file(INVALID_HANDLE_VALUE),
      m_uncaughtAtStart(std::uncaught_exceptions()) {
    if (!fileName.empty() && IsWritableTarget(fileName)) {
        m_file = CreateFileA(m_temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (m_file == INVALID_HANDLE_VALUE) {
        WriteLog("Serializer::Serializer: unable to open: %s", fileName.c_str());
        throw FileError("Serializer::Serializer: couldn't open file");
    }
}

Serializer::~Serializer() {
    const bool leftByException = std::uncaught_exceptions() > m_uncaughtAtStart;
    if (m_bad || leftByException || !Commit()) Abandon();
}

void Serializer::PutLong(int32_t value) {
    uint8_t bytes[4];
    StoreLittleEndian(bytes, static_cast<uint32_t>(value), sizeof bytes);
    if (!WriteBytes(bytes, sizeof bytes)) throw FileError("Serializer::PutLong: file write failed");
}

void Serializer::PutString(const std::string& text) {
    PutLong(static_cast<int32_t>(text.size()));
    if (!WriteBytes(text.data(), text.size())) {
        throw FileError("Serializer::PutString: file write failed");
    }
}

bool Serializer::WriteBytes(const void* bytes, size_t count) {
    DWORD written = 0;
    if (m_bad || WriteFile(m_file, bytes, static_cast<DWORD>(count), &written, nullptr) == FALSE ||
        written != count) {
        m_bad = true;
    }
    return !m_bad;
}

bool Serializer::Commit() {
    const bool flushed = FlushFileBuffers(m_file) != FALSE;
    const bool closed = CloseHandle(m_file) != FALSE;
    m_file = INVALID_HANDLE_VALUE;
    return flushed && closed &&
           MoveFileExA(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

void Serializer::Abandon() {
    if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
    DeleteFileA(m_temporary.c_str());
    WriteLog("Serializer::~Serializer: not saved, old file kept: %s", m_target.c_str());
}
