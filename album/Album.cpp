#include "album/Album.h"

#include <utility>

#include "io/AlbumShelf.h"

Album::Album(std::string name, const GrownUpSettings::Changes& settingsForThisRun)
    : m_name(std::move(name)),
      m_selection(m_buttons.stickers),
      m_counter(m_stickersUsed),
      m_ring(m_selection, m_stickersUsed),
      m_view(m_stickersUsed, m_selection, m_counter, m_buttons.stickers),
      m_title(m_buttons.start),
      m_playing(m_buttons, m_selection, m_counter, m_stickersUsed, m_ring),
      m_settings(settingsForThisRun) {
    for (size_t w = 0; w < static_cast<size_t>(kNumberOfSheets); ++w)
        m_buttons.sheets.GetSubclass(w).SetSelection(&m_selection);
    for (size_t w = 0; w < static_cast<size_t>(kStickersPerSheet); ++w)
        m_buttons.stickers.GetSubclass(w).SetPhaseOnShow(&m_phase);
}

std::unique_ptr<Album> Album::Open(const std::string& name,
                                   const GrownUpSettings::Changes& settingsForThisRun) {
    if (!name.empty()) return std::make_unique<Album>(name, settingsForThisRun);
    const std::vector<std::string> albums = AlbumShelf::Albums();
    auto album = std::make_unique<Album>(albums.empty() ? std::string() : albums.front(),
                                         settingsForThisRun);
    if (albums.size() > 1) album->OfferChoice(albums);
    return album;
}

void Album::ConnectPage(HWND mainWindow) {
    m_view.SetDocument(&m_document);
    m_document.SetView(&m_view);
    m_document.SetMainWindow(mainWindow);
    m_playing.SetPageOnShow(&m_view);
}

void Album::OpenPageWindow(HINSTANCE instance, HWND parent) {
    ClosePageWindow();
    m_pageWindow = std::make_unique<ChildWindow>(instance, parent, &m_view);
    m_view.SetPageWindow(m_pageWindow->GetHWnd());
}

void Album::ClosePageWindow() {
    m_pageWindow.reset();
    m_view.SetPageWindow(nullptr);
}
