#include "platform/machines/web/Browser.h"

#include <emscripten.h>

#include <cstdlib>

#include "platform/kernel/InstalledInstanceLink.h"
#include "platform/machines/web/WebMultimedia.h"

namespace {

constexpr LONG kScreenWidth = 1024;
constexpr LONG kScreenHeight = 768;

// clang-format off
// The tab stays open when the album ends: it says so in place of the last screen.
EM_JS(void, quillory_show_ended, (), {
    const notice = document.getElementById("notice");
    notice.textContent = "The album has closed. Reload the page to open it again.";
    notice.hidden = false;
    document.getElementById("album").hidden = true;
    document.documentElement.style.cursor = "auto";
});
// The page address's album=NAME, or an empty text.
EM_JS(char*, quillory_album_of_page, (), {
    return stringToNewUTF8(new URLSearchParams(location.search).get("album") || "");
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
    char* name = quillory_album_of_page();
    std::string album = name != nullptr ? name : "";
    std::free(name);
    return album;
}
