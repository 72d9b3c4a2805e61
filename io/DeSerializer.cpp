#include "io/DeSerializer.h"

#include <algorithm>
#include <cstring>

#include "io/FileError.h"
#include "platform/kernel/ByteOrder.h"
#include "platform/kernel/Kernel.h"

namespace {

// The whole of an open file as a read-only view; null for an empty file or when it
// cannot be viewed (the last error then says why).
const uint8_t* ViewWholeFile(HANDLE file, uint32_t size) {
    if (size == 0) return nullptr;
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (mapping == nullptr) return nullptr;
    const auto* view = static_cast<const uint8_t*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    CloseHandle(mapping);
    return view;
}

}  // namespace

DeSerializer::DeSerializer(const std::string& fileName) {
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw FileError("DeSerializer::DeSerializer: unable to open: " + fileName);
    }
    const DWORD size = GetFileSize(file, nullptr);
    if (size != INVALID_FILE_SIZE) {
        m_size = size;
        m_view = ViewWholeFile(file, size);
    }
    CloseHandle(file);
    if (size == INVALID_FILE_SIZE || (size > 0 && m_view == nullptr)) {
        throw FileError("DeSerializer::DeSerializer: file read failed");
    }
}

DeSerializer::~DeSerializer() {
    if (m_view != nullptr) UnmapViewOfFile(m_view);
}

void DeSerializer::ReadBytes(void* buffer, uint32_t count) {
    const uint32_t available = std::min(count, m_size - m_position);
    if (available > 0) std::memcpy(buffer, m_view + m_position, available);
    m_position += available;
    if (available < count) m_atEnd = true;
}

int32_t DeSerializer::GetLong() {
    if (m_atEnd) throw FileError("DeSerializer::GetLong: end of file");
    uint8_t bytes[4] = {};
    ReadBytes(bytes, sizeof bytes);
    return static_cast<int32_t>(LoadLittleEndian(bytes, sizeof bytes));
}

std::string DeSerializer::GetString() {
    const auto length = static_cast<uint32_t>(GetLong());
    if (length > kMaxStringLength) throw FileError("DeSerializer::GetString: string too long");
    std::string text(length, '\0');
    ReadBytes(text.data(), length);
    return text;
}

std::string DeSerializer::GetText() {
    const uint32_t length = m_size - m_position;
    if (length > kMaxTextLength) throw FileError("DeSerializer::GetText: file too long");
    std::string text(length, '\0');
    ReadBytes(text.data(), length);
    return text;
}
