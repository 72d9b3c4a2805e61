#pragma once
// Keeps each album to one running copy. A later copy of the same album finds the first
// one's mutex, brings the first copy's window to the front (restored when it was
// minimised) and ends; albums of other names run beside it. The mutex is per display;
// the album folder's lock keeps a copy on another display (a second seat, a remote
// screen) from writing the same save files.

#include <string>

#include "platform/kernel/WinTypes.h"

class SingleInstance {
public:
    // The mutex name's own part; the class name goes in front of it.
    static constexpr const char* kMutexName = "S-7c2e4a90-51b3-4f0d-8e21-3b9d6f4a7c15";
    // What a copy says when another copy, on another screen, holds its album folder.
    static constexpr const char* kAlreadyOpenText = "Quillory 3 is already open on another screen";

    // The mutex name's own part for album `albumName` ("" the album without a name).
    static std::string MutexNameOf(const std::string& albumName);

    SingleInstance() = default;
    virtual ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the only running copy.
    bool Check(const char* className, const char* mutexName);
    // Takes the lock of the album folder of the open album (CFileManager's), its
    // "save003.lock" relative to the current directory, making a named album's folder
    // when it is new; false when another copy holds it. A folder where no lock can be
    // made is not refused.
    bool LockAlbumFolder();
    // Gives the name and the lock up, so that a later copy may run alone.
    void Close();

private:
    static void BringOtherCopyForward();

    HANDLE m_mutex = nullptr;
    HANDLE m_folderLock = INVALID_HANDLE_VALUE;
};
