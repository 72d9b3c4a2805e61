#pragma once
// A read-only file held in memory: what the picture-reader fuzzers hand to the readers.

#include <cstddef>
#include <cstdint>

#include "io/FileBase.h"

class MemoryFile : public CFileBase {
public:
    MemoryFile(const uint8_t* data, size_t size);

    HANDLE OpenForRead(const char*) override { return nullptr; }
    HANDLE OpenForWrite(const char*) override { return nullptr; }
    bool Close() override { return true; }
    bool Read(void* buffer, uint32_t count, uint32_t* done) override;
    bool Seek(int32_t offset, int32_t origin) override;
    int32_t GetPosition() const override { return static_cast<int32_t>(m_position); }
    uint32_t GetLength() const override { return m_size; }
    bool Write(const void*, uint32_t, uint32_t*) override { return false; }

private:
    const uint8_t* m_data;
    uint32_t m_size;
    uint32_t m_position = 0;
};
