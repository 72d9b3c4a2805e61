#pragma once
// One family of picture buttons: it owns the family's pictures, creates the button
// windows from a layout table and draws a picture in a requested state. Hooking the
// windows is the kind's own (ButtonSetOf).

#include <cstdint>
#include <memory>
#include <vector>

#include "album/ButtonBitmap.h"
#include "catalogue/ButtonLayout.h"
#include "catalogue/TiledBitmapInfo.h"

class ButtonSet {
public:
    ButtonSet(int32_t windowCount, int32_t pictureCount);
    virtual ~ButtonSet();
    ButtonSet(const ButtonSet&) = delete;
    ButtonSet& operator=(const ButtonSet&) = delete;

    virtual void SubclassAll() = 0;
    virtual void UnsubclassAll() = 0;

    // Points picture n at descriptors[n] (an array of at least the picture count) and
    // loads it. A picture whose file cannot be read stays empty.
    void LoadImages(const TiledBitmapInfo* descriptors, HWND window);
    // Creates one owner-drawn "button" child of `parent` per row (rows holds at least the
    // window count) and keeps each handle; a failed creation keeps null.
    void CreateWindows(HWND parent, const ButtonRow* rows);
    // Destroys the windows the set made and forgets them.
    void DestroyWindows();
    // Sets the state of picture `picture` and draws it, with the ring when asked; nothing
    // for a picture the set does not have.
    void DrawButton(HDC dc, int32_t requested, int32_t picture, const POINT* offset,
                    Ring ring = Ring::None);

    int32_t GetPictureCount() const { return m_pictureCount; }
    int32_t GetWindowCount() const { return m_windowCount; }
    // Null before CreateWindows, or for a picture the set does not have.
    ButtonBitmap* GetPicture(int32_t picture) const;
    // The window made for row w of the layout table, or null.
    HWND GetWindow(int32_t w) const;

private:
    std::unique_ptr<ButtonBitmap[]> m_pictures;
    int32_t m_pictureCount;
    int32_t m_windowCount;
    std::vector<HWND> m_windows;
};
