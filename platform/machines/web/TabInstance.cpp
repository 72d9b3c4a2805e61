#include "platform/machines/web/TabInstance.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_ASYNC_JS(void, quillory_let_go_of_album, (), {
    await new Promise((stored) => FS.syncfs(false, stored));
    window.quillory.letGoOfAlbum();
});
// Answers whether this tab has the album again; the page says so when another has it.
EM_ASYNC_JS(int, quillory_take_album_again, (), {
    if (!await window.quillory.takeAlbum()) return 0;
    WebAlbum.stored = null;
    await new Promise((read) => FS.syncfs(true, read));
    return 1;
});
// clang-format on

}  // namespace

// The lock, held for as long as this lives.
class TabInstance::Holding final : public InstanceLink::Listener {
public:
    explicit Holding(TabInstance& tab) : m_tab(tab) {}
    ~Holding() override {
        m_tab.m_held = false;
        quillory_let_go_of_album();
    }
    Holding(const Holding&) = delete;
    Holding& operator=(const Holding&) = delete;

private:
    TabInstance& m_tab;
};

std::unique_ptr<InstanceLink::Listener> TabInstance::Listen(const std::string&) {
    if (!m_held) {
        m_held = quillory_take_album_again() != 0;
        m_refused = !m_held;
    }
    if (!m_held) return nullptr;
    return std::make_unique<Holding>(*this);
}

// The tab that has the album answers nothing of its window, which is not in this tab.
std::optional<DWORD> TabInstance::Ask(const std::string&, InstanceChannel::Request) {
    return m_refused ? std::optional<DWORD>(0) : std::nullopt;
}
