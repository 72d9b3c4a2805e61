#pragma once
// Command identifiers of the album's buttons: each is the control id of its button
// window and the WM_COMMAND identifier it sends to the main window.

#include <cstdint>

constexpr int32_t IDM_START = 1000;
constexpr int32_t IDM_QUIT = 1001;
constexpr int32_t IDM_PRINT = 1002;
constexpr int32_t IDM_CLEARALL = 1003;
constexpr int32_t IDM_INFO = 1004;
constexpr int32_t IDM_PREVPAGE = 1005;
constexpr int32_t IDM_NEXTPAGE = 1006;
constexpr int32_t IDM_SHEET1 = 1007;
constexpr int32_t IDM_SHEET8 = 1014;
constexpr int32_t IDM_STICKER1 = 1015;
constexpr int32_t IDM_STICKER28 = 1042;
