#pragma once
// The screen: kScreenWidth x kScreenHeight pixels composed from the top-level windows'
// surfaces, the lowest first, so that dialogs lie above the main window. Only what
// changed is composed again and handed to the backend to present.

#include <vector>

#include "platform/gdi/Surface.h"
#include "platform/kernel/WinTypes.h"
#include "platform/user/ScreenSize.h"

class Screen {
public:
    // A top-level window's picture and where it lies on the screen.
    struct Layer {
        const Surface* surface;
        RECT place;
    };

    Screen();

    // Composes `area` from `layers` (lowest first) and presents it.
    void Refresh(const RECT& area, const std::vector<Layer>& layers);
    // Presents `area` as it is, after something drew on the screen directly.
    void Present(const RECT& area);

    Surface& Pixels() { return m_pixels; }
    const Surface& Pixels() const { return m_pixels; }

private:
    void Compose(const RECT& area, const Layer& layer);

    Surface m_pixels;
};
