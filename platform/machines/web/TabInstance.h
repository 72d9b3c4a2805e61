#pragma once
// The instance link in a browser. The page runs the album in one tab of a browser
// profile at a time: the tab holding the browser's lock on the album runs it, and another
// tab says the album is already open there. The page takes the lock before the program
// starts, so the program is the first copy. Its single-instance claim is the lock: given
// up (at a Quit, which goes back to the title), the album's folder is stored and the
// lock let go of, so that another tab may open the album; claimed again (at the start),
// the lock is asked for again and the folder read back from the browser's storage, as
// another tab may have changed it. Refused, another tab has the album: asking finds it.

#include "platform/kernel/InstanceLink.h"

class TabInstance final : public InstanceLink {
public:
    std::unique_ptr<Listener> Listen(const std::string& name) override;
    std::optional<DWORD> Ask(const std::string& name, InstanceChannel::Request request) override;

private:
    class Holding;

    bool m_held = true;
    bool m_refused = false;
};
