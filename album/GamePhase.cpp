#include "album/GamePhase.h"

#include "platform/user/User.h"

namespace {

GamePhase* g_currentPhase = nullptr;

}  // namespace

GamePhase* GetCurrentPhase() {
    return g_currentPhase;
}

void SetCurrentPhase(GamePhase* phase) {
    g_currentPhase = phase;
}

void GamePhase::InvalidateClientArea(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    InvalidateRect(window, &client, FALSE);
}
