#pragma once
// The program's file interface: open, read with a position, seek, write, close.

#include <cstdint>

#include "platform/kernel/WinTypes.h"

class CFileBase {
public:
    virtual ~CFileBase() = default;
    virtual HANDLE OpenForRead(const char* relativeName) = 0;
    virtual HANDLE OpenForWrite(const char* relativeName) = 0;
    virtual bool Close() = 0;
    virtual bool Read(void* buffer, uint32_t count, uint32_t* done) = 0;
    virtual bool Seek(int32_t offset, int32_t origin) = 0;
    virtual int32_t GetPosition() const = 0;
    virtual uint32_t GetLength() const = 0;
    virtual bool Write(const void* buffer, uint32_t count, uint32_t* done) = 0;
};
