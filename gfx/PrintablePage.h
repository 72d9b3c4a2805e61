#pragma once
// What the printer needs of the page on show: its size, and a way to compose it afresh
// onto a printer context. The page view provides it.

#include "platform/gdi/Gdi.h"
#include "platform/kernel/WinTypes.h"

class PrintablePage {
public:
    // The page's own rectangle, (0, 0, width, height).
    virtual void GetBufferRect(RECT& out) const = 0;
    // Draws the page into `dest` (left, top, width and height) of the printer's page.
    virtual void PrintPage(HDC printer, const RECT& dest) = 0;

protected:
    virtual ~PrintablePage() = default;
};
