#pragma once
// The program's file class. Every file name inside the program is relative and begins
// with a backslash ("\data003\b0101.dat"); its full path is the base directory, taken
// once from the current directory at start-up, followed by that name.
//
// An album's own files (its pages and record under "save003", its options) lie in its
// album folder: the base directory itself for the album without a name, and
// "<base>\save003\albums\<name>" for a named one, laid out the same way inside.
//
// Files are opened for reading as a read-only memory mapping (or, in handle mode,
// read through the file handle) and read from a position that Read advances.

#include <cstdint>
#include <string>
#include <string_view>

#include "io/FileBase.h"

// The open file and the read/write position of a CFileManager.
struct CFileCursor {
    const uint8_t* data = nullptr;
    HANDLE ioHandle = INVALID_HANDLE_VALUE;
    uint32_t baseOffset = 0;
    uint32_t size = 0;
    int32_t position = 0;
    HANDLE fileHandle = INVALID_HANDLE_VALUE;
    HANDLE mappingHandle = nullptr;
};

class CFileManager : public CFileBase {
public:
    // `mapped`: OpenForRead maps the whole file into memory; otherwise reads go
    // through the file handle.
    explicit CFileManager(bool mapped = true);

    // Base directory := the current directory. Called once at start-up.
    static void SetBaseDirectoryFromCurrent();
    static const std::string& BaseDirectory();

    // out := base directory + relative (relative names carry their own backslash).
    void MakeFullPath(std::string& out, std::string_view relative) const;

    // The album whose files MakeAlbumPath names: "" the album without a name.
    static void SetAlbumName(std::string_view name);
    static const std::string& CurrentAlbumName();
    // The album folder relative to the base directory: "" or "\save003\albums\<name>".
    static std::string AlbumFolder();
    // out := base directory + album folder + relative.
    void MakeAlbumPath(std::string& out, std::string_view relative) const;

    HANDLE OpenForRead(const char* relativeName) override;
    HANDLE OpenForWrite(const char* relativeName) override;
    bool Close() override;
    bool Read(void* buffer, uint32_t count, uint32_t* done) override;
    bool Seek(int32_t offset, int32_t origin) override;
    int32_t GetPosition() const override;
    uint32_t GetLength() const override;
    bool Write(const void* buffer, uint32_t count, uint32_t* done) override;

    static bool DirectoryExists(const char* path);
    // Whether the file can be read now without waiting for it to arrive: a machine that
    // brings files in on demand (the browser, from its site) may not have it yet.
    static bool IsAtHand(const char* relativeName);
    // Creates `path` (relative to the current directory) when it is missing. A failure
    // to create it is not reported: later saves into it fail and are handled there.
    static void CheckForAndCreateDirectory(const char* path);
    // Creates `path` and every folder above it that is missing (quietly, as above).
    static void MakeFolders(const std::string& path);

private:
    bool ReadMapped(void* buffer, uint32_t& count);
    bool ReadThroughHandle(void* buffer, uint32_t& count);

    CFileCursor m_cursor;
    bool m_mapped;
};
