#pragma once
// What the kernel's functions ask of the machine under them: the clock, sleeping,
// bringing a file's bytes in before they are first read (and whether they are in yet),
// where settings are kept, how long the saves are kept, and what Quit means. Every call
// has a default that serves a machine with nothing of its own to add; a test machine with
// a clock of its own, or the browser, whose files come from its site, overrides what it
// changes.

#include <string>

#include "platform/kernel/BackendSlot.h"
#include "platform/kernel/WinTypes.h"

class KernelBackend {
public:
    virtual ~KernelBackend() = default;

    // Milliseconds since the machine started, wrapping at 2^32.
    virtual DWORD MillisecondClock();
    virtual void Sleep(DWORD milliseconds);

    // Before the bytes of an open host file are first looked at: a machine that brings
    // some files in on demand (the browser, from its site) does so now. The desktop's
    // files are on disk already.
    virtual void BeforeReading(int /*hostDescriptor*/) {}
    // Whether the host file at `hostPath` can be read now without waiting for it to be
    // brought in: a disk always has its files at hand.
    virtual bool IsAtHand(const std::string& /*hostPath*/) { return true; }

    // The folder that holds the user's settings of the program (it may not exist yet).
    // The desktop's follows the XDG rule: $XDG_CONFIG_HOME/quillory3, else
    // ~/.config/quillory3.
    virtual std::string SettingsFolder();

    // The user has just made something worth keeping (a sticker stuck). A machine whose
    // storage may be emptied without asking (the browser's, when space runs low) asks to
    // keep it for good; a disk keeps it anyway.
    virtual void KeepSaves() {}
    // Whether the saves may still be emptied without asking: the machine was refused,
    // or has no way to ask.
    virtual bool SavesMayBeCleared() { return false; }

    // Whether Quit leaves the program running at its title. A desktop program ends. A
    // web page cannot close itself, so there the program goes back to its title, and
    // while it waits there it gives up what it holds (being the one copy, the sound, the
    // full screen), so that the user may open it elsewhere.
    virtual bool QuitReturnsToTitle() { return false; }
    // The program waits at its title after a Quit (true) or plays again (false): a
    // machine that keeps it running lets go of the sound and the full screen meanwhile,
    // and takes them again.
    virtual void SetAside(bool /*aside*/) {}
};

// The kernel backend in use, and installing another; until one is installed, the defaults.
using KernelBackendSlot = BackendSlot<KernelBackend>;
