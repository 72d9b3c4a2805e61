#pragma once
// Where a service keeps the backend installed under it: the one the program's entry
// point chose, or else the service's own defaults. Installing swaps atomically, so
// another thread (the multimedia timer, a signal's watchdog) always finds a whole one.
// A seam that is only an interface names the implementation that stands in by default.

#include <atomic>

template <class Seam, class Defaults = Seam>
class BackendSlot {
public:
    Seam& Current() {
        Seam* installed = m_installed.load();
        return installed != nullptr ? *installed : m_defaults;
    }

    // Installs `backend` (not owned; null brings back the defaults) and returns the one
    // it replaced.
    Seam* Install(Seam* backend) { return m_installed.exchange(backend); }

private:
    std::atomic<Seam*> m_installed{nullptr};
    Defaults m_defaults;
};
