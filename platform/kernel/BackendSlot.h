#pragma once
// Where a service keeps the backend installed under it: the one the program's entry
// point chose, or else the service's own defaults. Installing swaps atomically, so
// another thread (the multimedia timer, a signal's watchdog) always finds a whole one.
// A seam that is only an interface names the implementation that stands in by default.

#include <atomic>

template <class Seam, class Defaults = Seam>
class BackendSlot {
public:
    // The backend in use.
    static Seam& Current() {
        Seam* installed = Installed().load();
        return installed != nullptr ? *installed : TheDefaults();
    }

    // Installs `backend` (not owned; null brings back the defaults) and returns the one
    // it replaced.
    static Seam* Install(Seam* backend) { return Installed().exchange(backend); }

private:
    static std::atomic<Seam*>& Installed() {
        static std::atomic<Seam*> installed{nullptr};
        return installed;
    }

    static Seam& TheDefaults() {
        static Defaults defaults;
        return defaults;
    }
};
