#pragma once
// The sticker album as one object: the record of used stickers, the book's selection,
// the counter, the button families, the page document on show with its view, the title
// and playing screens, which of the two is on show, and the grown-ups' settings. The program's
// start makes one and hands it to the main window; each part is handed what it needs of the others.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "album/AlbumView.h"
#include "album/ButtonSets.h"
#include "album/FocusRing.h"
#include "album/PhaseOnShow.h"
#include "album/PlayingPhase.h"
#include "album/SettingsHolder.h"
#include "album/StickerCounter.h"
#include "album/StickerSelection.h"
#include "album/StickersUsed.h"
#include "album/TitlePhase.h"
#include "scene/AnimDoc.h"
#include "scene/ChildWindow.h"

class Album {
public:
    // `name`: the album's name ("" the album without a name); `settingsForThisRun`:
    // settings that count for this run only, over the settings file.
    explicit Album(std::string name = {}, const GrownUpSettings::Changes& settingsForThisRun = {});
    // The album a start of the program opens: the one called `name`, or without a name the
    // first album there is (a new one without a name when there is none), offering every
    // album there is on the title when there are several.
    static std::unique_ptr<Album> Open(const std::string& name,
                                       const GrownUpSettings::Changes& settingsForThisRun);

    // The album open: its files are the ones read and saved.
    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    // Offers the title's choice of `albums` (names, "" the album without a name).
    void OfferChoice(std::vector<std::string> albums) {
        m_title.Chooser().Offer(std::move(albums), m_name);
    }
    Album(const Album&) = delete;
    Album& operator=(const Album&) = delete;

    // Links the page view, the document and the playing screen once the main window
    // `mainWindow` exists. Until then the view has no document, so that an album ended
    // during its start-up saves nothing over the child's pages.
    void ConnectPage(HWND mainWindow);

    StickersUsed& Stickers() { return m_stickersUsed; }
    StickerSelection& Selection() { return m_selection; }
    StickerCounter& Counter() { return m_counter; }
    ButtonSets& ButtonFamilies() { return m_buttons; }
    CAlbumView& View() { return m_view; }
    CAnimDoc& Document() { return m_document; }
    TitlePhase& Title() { return m_title; }
    PlayingPhase& Playing() { return m_playing; }
    PhaseOnShow& Phase() { return m_phase; }
    FocusRing& KeyboardRing() { return m_ring; }
    // The grown-ups' settings: the settings file's, with this run's on top.
    SettingsHolder& Settings() { return m_settings; }

    // The playing screen's page window; null until it opens and after it closes.
    ChildWindow* PageWindow() const { return m_pageWindow.get(); }
    // Opens the page window over `parent` for the view; one open before is closed first.
    void OpenPageWindow(HINSTANCE instance, HWND parent);
    // Destroys the page window and its window. While it goes, PageWindow() is already null.
    void ClosePageWindow();

private:
    std::string m_name;
    StickersUsed m_stickersUsed;
    ButtonSets m_buttons;
    StickerSelection m_selection;
    StickerCounter m_counter;
    FocusRing m_ring;
    // The document goes before the view: its sprites may still tell the view of their
    // going.
    CAlbumView m_view;
    CAnimDoc m_document;
    TitlePhase m_title;
    PlayingPhase m_playing;
    PhaseOnShow m_phase;
    SettingsHolder m_settings;
    // Goes first: its window hands its messages to the view.
    std::unique_ptr<ChildWindow> m_pageWindow;
};
