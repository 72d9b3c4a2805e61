#pragma once
// The off-screen image of the page. Every change of the page becomes a dirty rectangle
// here; Update has the derived view compose those rectangles (background, then sprites)
// and then copies them to the page window. It also prints the page inside a rounded
// black frame.

#include <memory>
#include <vector>

#include "gfx/DIB.h"
#include "platform/gdi/Gdi.h"
#include "platform/kernel/WinTypes.h"

class COffScreenBufferView {
public:
    // Composes the part of the page inside `clip` (the whole page when null) into the image.
    virtual void Draw(const RECT* clip) = 0;

    // `useDIBSection`: the image's pixels live in a DIB section, so the window copy is a
    // plain blit; otherwise they are plain memory copied with StretchDIBits.
    explicit COffScreenBufferView(bool useDIBSection);
    virtual ~COffScreenBufferView();
    COffScreenBufferView(const COffScreenBufferView&) = delete;
    COffScreenBufferView& operator=(const COffScreenBufferView&) = delete;

    virtual void GetBufferRect(RECT& out) const;
    // The size of the printed frame: the page and a border of two pixels all round.
    virtual void GetPrintRect(RECT& out) const;

    // A new image of the background's size and format; its pixels are undefined until
    // composed. False, with no image, when it cannot be made.
    bool CreateOffScreen(HWND window, const CDIB& background);
    // Merges `area` into the first dirty rectangle when the two overlap, else appends it.
    void AddDirtyRect(const RECT& area);
    // Composes every dirty rectangle, then copies every one to the window.
    void Update(HWND window);
    // Copies `area` (the whole image when null) of the image to the window.
    void CopyToWindow(HWND window, const RECT* area);
    // `dest` holds left, top, width and height on the printer's page.
    void PrintPage(HDC printer, const RECT& dest);
    void DrawToPrinter(HDC printer, const RECT& dest);

    CDIB* GetImage() const { return m_image.get(); }
    const std::vector<RECT>& GetDirtyRects() const { return m_dirtyRects; }

private:
    void DeleteSection();
    void BlitFromSection(HDC dc, const RECT& area) const;

    std::unique_ptr<CDIB> m_image;
    bool m_useDIBSection;
    HBITMAP m_section = nullptr;
    std::vector<RECT> m_dirtyRects;
    RECT m_wholeWindow{};
};
