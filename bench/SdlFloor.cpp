// The floor of the desktop measurements: the least an SDL program does to show a
// 1024 x 768 window, present one frame and draw a 120 x 120 square under the pointer
// at each move, with the same window-surface settings as the album's backend.
// scripts/bench-desktop.sh measures it beside the album in the same run.

#include <SDL2/SDL.h>

namespace {

constexpr int kSide = 120;

void Square(SDL_Window* window, SDL_Rect& square, int x, int y) {
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    const SDL_Rect old = square;
    SDL_FillRect(surface, &old, SDL_MapRGB(surface->format, 0x33, 0x66, 0xCC));
    square = SDL_Rect{x - kSide / 2, y - kSide / 2, kSide, kSide};
    SDL_FillRect(surface, &square, SDL_MapRGB(surface->format, 0xCC, 0x66, 0x33));
    const SDL_Rect changed[] = {old, square};
    SDL_UpdateWindowSurfaceRects(window, changed, 2);
}

}  // namespace

int main() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("floor", 0, 0, 1024, 768, SDL_WINDOW_SHOWN);
    if (window == nullptr) return 1;
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0x33, 0x66, 0xCC));
    SDL_UpdateWindowSurface(window);
    SDL_Rect square{0, 0, 0, 0};
    SDL_Event event;
    while (SDL_WaitEvent(&event) == 1 && event.type != SDL_QUIT) {
        if (event.type == SDL_MOUSEMOTION) Square(window, square, event.motion.x, event.motion.y);
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
