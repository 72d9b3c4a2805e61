#pragma once
// Writes one of the program's save files: 4-byte little-endian signed longs and
// length-prefixed strings, in order, nothing else.
//
// A save never leaves a torn file: the bytes go to "<file>.tmp" beside the target,
// and only when the Serializer goes out of scope normally, with every byte written
// and flushed, does that file replace the target, durably (the file and then its folder
// are flushed to the disk). If an exception leaves the scope, or any write failed, the
// target keeps its old contents and the failure is reported to SaveProblems; a save
// that reached the disk is reported too, as the end of any trouble of that file.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/kernel/WinTypes.h"

class Serializer {
public:
    // Opens `fileName` (a full program path) for writing. Throws FileError
    // "Serializer::Serializer: couldn't open file" when the file cannot be written,
    // also when it exists and is read-only.
    explicit Serializer(const std::string& fileName);
    ~Serializer();

    Serializer(const Serializer&) = delete;
    Serializer& operator=(const Serializer&) = delete;

    void PutLong(int32_t value);
    // The longs one after another, as PutLong writes them, in as few writes as can be.
    void PutLongs(std::span<const int32_t> values);
    void PutString(const std::string& text);
    // The bytes of `text` as they stand, without a length: for files that are text.
    void PutText(std::string_view text);

    // Ends the save at once, as going out of scope does: true when the file now holds
    // every byte put, durably. For owners that must know, such as a copy that only
    // counts once whole.
    bool Finish();

private:
    bool WriteBytes(const void* bytes, size_t count);
    bool Commit();
    void Abandon();

    std::string m_target;
    std::string m_temporary;
    HANDLE m_file;
    bool m_bad = false;
    bool m_finished = false;
    // The Windows error of the first failure, for the parent's message.
    DWORD m_error = 0;
    int m_uncaughtAtStart;
};
