#pragma once
// The grown-ups' panel: a picture dialog whose rows are the settings a grown-up can
// change (the music and the sound effects, each on or off and its volume; whether Clear
// All and Quit ask for a grown-up; full screen or a window) and, when a book copy is
// kept, the row that brings it back. A click on a row changes it and keeps the change
// at once. The arrow keys or Tab choose a row and Enter or Space press it; Escape or
// the OK button close the panel. Below the rows it says when the machine may empty the
// saves without asking, so that a grown-up knows the album is not safe there.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "album/ClearedBook.h"
#include "app/PictureDialogRun.h"
#include "platform/user/UserTypes.h"

class SettingsHolder;

class GrownUpsPanel {
public:
    enum class Row : int32_t {
        Music,
        MusicVolume,
        Effects,
        EffectsVolume,
        ClearAllLock,
        QuitLock,
        Screen,
        BringBack,
        Close,
    };
    static constexpr int32_t kRows = 9;
    // The volumes a volume row steps through, and round again.
    static constexpr std::array<int32_t, 4> kVolumeSteps = {25, 50, 75, 100};
    static constexpr const char* kStorageNoticeText =
        "The browser may clear saves if space runs low";

    // Where a row lies in the 640 x 680 panel, in pixels.
    static RECT PlaceOf(Row row);

    // `bringBack` puts the kept copy of the book in its place and shows it.
    GrownUpsPanel(SettingsHolder& settings, std::function<void()> bringBack);

    void Run(HWND parent);

    // The panel on show now, or null.
    static const GrownUpsPanel* OnShow() { return PictureDialogRun<GrownUpsPanel>::Running(); }
    // What a row says now: "Music: on".
    std::string LabelOf(Row row) const;
    bool Shows(Row row) const { return row != Row::BringBack || m_copy.has_value(); }
    // What the panel says of the saves below its rows: kStorageNoticeText, or nothing.
    static const char* StorageNotice();

private:
    friend class PictureDialogRun<GrownUpsPanel>;

    INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Press(HWND dialog, Row row);
    void MoveChoice(HWND dialog, int32_t step);
    void DrawRow(const DRAWITEMSTRUCT& item) const;
    static INT_PTR DrawBackground(HDC dc);

    SettingsHolder& m_settings;
    std::function<void()> m_bringBack;
    std::optional<ClearedBook::Copy> m_copy;
    // The row the keys have chosen, or -1 before any key.
    int32_t m_choice = -1;
};
