#include "album/GamePhase.h"

#include "platform/user/User.h"

void GamePhase::InvalidateClientArea(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    InvalidateRect(window, &client, FALSE);
}
