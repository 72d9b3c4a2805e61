#include "platform/machines/web/Browser.h"

#include <emscripten.h>

#include <array>

#include "platform/kernel/InstalledInstanceLink.h"
#include "platform/machines/web/WebMultimedia.h"

namespace {

constexpr LONG kScreenWidth = 1024;
constexpr LONG kScreenHeight = 768;

// clang-format off
// The tab stays open when the album ends: it says so in place of the last screen, unless
// it has said why already (another tab has the album).
EM_JS(void, quillory_show_ended, (), {
    const notice = document.getElementById("notice");
    if (!notice.hidden) return;
    notice.textContent = "The album has closed. Reload the page to open it again.";
    notice.hidden = false;
    document.getElementById("album").hidden = true;
    document.documentElement.style.cursor = "auto";
});
// The page address's album=NAME, cut to `size` - 1 bytes, in `buffer`; answers its
// whole length in characters (an album's name has one byte each).
EM_JS(int, quillory_album_of_page, (char* buffer, int size), {
    const name = new URLSearchParams(location.search).get("album") || "";
    stringToUTF8(name, buffer, size);
    return name.length;
});
// clang-format on

}  // namespace

Browser::Browser()
    : m_backend(kScreenWidth, kScreenHeight),
      m_previousBackend(InstallBackend(&m_backend)),
      m_previousMultimedia(MultimediaBackendSlot::Install(&WebMultimedia::Instance())),
      m_previousInstanceLink(InstanceLinkSlot::Install(&m_tab)) {}

Browser::~Browser() {
    InstanceLinkSlot::Install(m_previousInstanceLink);
    MultimediaBackendSlot::Install(m_previousMultimedia);
    InstallBackend(m_previousBackend);
    quillory_show_ended();
}

std::string Browser::AlbumOfPage() {
    // A name longer than any album's cannot name one: it opens the usual album.
    std::array<char, 64> name{};
    const int length = quillory_album_of_page(name.data(), static_cast<int>(name.size()));
    return length < static_cast<int>(name.size()) ? std::string(name.data()) : std::string();
}
