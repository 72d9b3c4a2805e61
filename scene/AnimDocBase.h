#pragma once
// The page as a model: its background picture and its sprites (the page corners and
// the stuck stickers), and the link to the view that composes them. It makes sprites
// from picture files and tells the view, through CAnimDocObserver, which areas of the
// page changed.

#include <cstdint>
#include <memory>

#include "gfx/DIB.h"
#include "platform/kernel/WinTypes.h"
#include "scene/AnimDocCorners.h"
#include "scene/AnimDocObserver.h"
#include "scene/SpriteList.h"

class CSprite;

class CAnimDocBase {
public:
    CAnimDocBase();
    virtual ~CAnimDocBase();
    CAnimDocBase(const CAnimDocBase&) = delete;
    CAnimDocBase& operator=(const CAnimDocBase&) = delete;

    // Destroys every sprite and the background.
    virtual void DeleteContents();

    // The view composes the page and hears of every change of its sprites.
    void SetView(CAnimDocObserver* view);
    CAnimDocObserver* GetView() const { return m_view; }

    // Makes `picture` the page background; the sprites of the old page go. The
    // document owns the picture from here on, also when the view cannot take it
    // (false). False, page unchanged, for no picture.
    bool SetBackground(HWND window, std::unique_ptr<CDIB> picture);
    // The picture file at a program path; null when it cannot be read.
    static std::unique_ptr<CDIB> ReadPicture(const char* path);

    // A sticker from the picture file at `path`, placed at `position` on top of the
    // other stickers; null when the picture cannot be read.
    CSprite* AddSprite(const char* path, int32_t spriteIndex, const POINT& position);
    // A page corner as `record` describes it; null when its picture cannot be read.
    CSprite* AddFramedSprite(const PageCornerRecord& record);
    void DestroySprites();

    CDIB* GetBackground() const { return m_background.get(); }
    CSpriteList& GetSprites() { return m_sprites; }

private:
    // Hands a new sprite to the list and has its area drawn.
    CSprite* Place(std::unique_ptr<CSprite> sprite);
    // The sprite list marks its changes in the view's off-screen image.
    void LinkSpritesToView();
    int32_t TakeSerial() { return m_nextSerial++; }

    std::unique_ptr<CDIB> m_background;
    CSpriteList m_sprites;
    CAnimDocObserver* m_view = nullptr;
    int32_t m_nextSerial = 0;
};
