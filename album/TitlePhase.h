#pragma once
// The title screen: a tiled background with the title, and the start button; beside
// the title, the albums to choose from when there are several.

#include "album/AlbumChooser.h"
#include "album/ButtonSets.h"
#include "album/GamePhase.h"
#include "gfx/TiledBitmap.h"

class TitlePhase : public GamePhase {
public:
    // The start button is one of `startButtons`.
    explicit TitlePhase(StartButtonSet& startButtons);

    void Load(HWND window) override;
    void Paint(HDC dc) override;
    void Start(HWND window) override;
    // Destroys the start button.
    void Stop() override;
    void DrawItem(const DRAWITEMSTRUCT* drawItem, int32_t id) override;
    int32_t DrawSticker(const DRAWITEMSTRUCT* drawItem, int32_t id, int32_t state) override;
    void ReleaseStickerButton() override {}

    AlbumChooser& Chooser() { return m_chooser; }

private:
    StartButtonSet& m_startButtons;
    TiledBitmap m_title;
    TiledBitmap m_background;
    AlbumChooser m_chooser;
};
