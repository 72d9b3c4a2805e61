#include "io/Serializer.h"

#include <algorithm>
#include <array>
#include <exception>

#include "diag/Log.h"
#include "io/FileError.h"
#include "io/SaveProblems.h"
#include "platform/kernel/ByteOrder.h"
#include "platform/kernel/Kernel.h"

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
    SetLastError(ERROR_ACCESS_DENIED);
    if (!fileName.empty() && IsWritableTarget(fileName)) {
        m_file = CreateFileA(m_temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (m_file == INVALID_HANDLE_VALUE) {
        WriteLog("Serializer::Serializer: unable to open: %s", fileName.c_str());
        SaveProblems::Report(fileName, GetLastError());
        throw FileError("Serializer::Serializer: couldn't open file");
    }
}

Serializer::~Serializer() {
    if (m_finished) return;
    if (std::uncaught_exceptions() > m_uncaughtAtStart) {
        Abandon();
        return;
    }
    Finish();
}

bool Serializer::Finish() {
    if (m_finished) return false;
    m_finished = true;
    if (m_bad || !Commit()) {
        Abandon();
        return false;
    }
    SaveProblems::Saved(m_target);
    return true;
}

void Serializer::PutLong(int32_t value) {
    PutLongs(std::span(&value, 1));
}

void Serializer::PutLongs(std::span<const int32_t> values) {
    // A few hundred bytes at a time: the used-sticker record, one long a sticker, takes
    // four writes instead of one a sticker.
    std::array<uint8_t, 256> bytes;
    constexpr size_t kLongBytes = 4;
    while (!values.empty()) {
        const size_t count = std::min(values.size(), bytes.size() / kLongBytes);
        for (size_t i = 0; i < count; ++i) {
            StoreLittleEndian(bytes.data() + kLongBytes * i, static_cast<uint32_t>(values[i]),
                              kLongBytes);
        }
        if (!WriteBytes(bytes.data(), kLongBytes * count)) {
            throw FileError("Serializer::PutLong: file write failed");
        }
        values = values.subspan(count);
    }
}

void Serializer::PutString(const std::string& text) {
    PutLong(static_cast<int32_t>(text.size()));
    if (!WriteBytes(text.data(), text.size())) {
        throw FileError("Serializer::PutString: file write failed");
    }
}

void Serializer::PutText(std::string_view text) {
    if (!WriteBytes(text.data(), text.size())) {
        throw FileError("Serializer::PutText: file write failed");
    }
}

bool Serializer::WriteBytes(const void* bytes, size_t count) {
    DWORD written = 0;
    if (m_bad) return false;
    if (WriteFile(m_file, bytes, static_cast<DWORD>(count), &written, nullptr) == FALSE ||
        written != count) {
        m_bad = true;
        m_error = GetLastError();
    }
    return !m_bad;
}

bool Serializer::Commit() {
    const bool flushed = FlushFileBuffers(m_file) != FALSE;
    if (!flushed) m_error = GetLastError();
    const bool closed = CloseHandle(m_file) != FALSE;
    if (flushed && !closed) m_error = GetLastError();
    m_file = INVALID_HANDLE_VALUE;
    if (!flushed || !closed) return false;
    if (MoveFileExA(m_temporary.c_str(), m_target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) {
        m_error = GetLastError();
        return false;
    }
    return true;
}

void Serializer::Abandon() {
    if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
    DeleteFileA(m_temporary.c_str());
    WriteLog("Serializer::~Serializer: not saved, old file kept: %s", m_target.c_str());
    // An owner that gave up on its own (an exception of its own) is no failure of the disk.
    if (m_error != 0) SaveProblems::Report(m_target, m_error);
}
