#pragma once
// What the playing screen needs of the page on show: which page it is, for the page
// indicator, and its painting, which follows the frame. The page view provides it.

#include <cstdint>

class PageOnShow {
public:
    // The page index of the page on show (0 for the first page).
    virtual int32_t GetCurrentPage() const = 0;
    // Paints the page into the page window.
    virtual void PaintPage() = 0;

protected:
    virtual ~PageOnShow() = default;
};
