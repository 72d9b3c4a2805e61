// The window system on the real desktop backend in a real X server: a window made
// through the window-system calls fills the screen, its pixels reach the display
// pixel for pixel (the scaling is the fit's own test), and real pointer and key events
// reach its procedure. Of SDL's own events, repeats queued behind a busy key count once
// and none after the release; a finger is the pointer, and the confinement of a hidden
// pointer lets it go until the finger lifts.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/PageGeometry.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/machines/sdl/SdlBackend.h"
#include "platform/user/Display.h"
#include "platform/user/User.h"
#include "tests/platform/machines/sdl/HostCommand.h"
#include "tests/platform/machines/sdl/SdlEvents.h"
#include "tests/platform/machines/sdl/XvfbServer.h"

namespace {

constexpr RECT kSquare{200, 150, 300, 250};

std::vector<MSG> g_received;

uint32_t PaintedColour(LONG x, LONG y) {
    if (PtInRect(&kSquare, POINT{x, y})) return 0x30C040;
    return x < 512 ? 0xE03020 : 0x2040D0;
}

LRESULT PaintingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        for (LONG y = dc->clip.top; y < dc->clip.bottom; ++y) {
            for (LONG x = dc->clip.left; x < dc->clip.right; ++x)
                dc->surface->SetPixel(x, y, PaintedColour(x - dc->origin.x, y - dc->origin.y));
        }
        MarkDrawn(dc, dc->clip);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN)
        g_received.push_back(MSG{window, message, wParam, lParam, 0, {}});
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

// A test whose tools are missing is skipped on a developer's machine; in CI it fails, so
// that a broken install step cannot hide a fault behind a skip.
TEST(DesktopToolsTest, InCiAMissingToolFailsTheTest) {
    const char* before = std::getenv("CI");
    const std::string kept = before != nullptr ? before : "";
    setenv("CI", "true", 1);
    EXPECT_FATAL_FAILURE(RequireTools({"Xvfb", "quillory-no-such-tool"}),
                         "quillory-no-such-tool is not installed");
    if (before != nullptr) {
        setenv("CI", kept.c_str(), 1);
    } else {
        unsetenv("CI");
    }
}

namespace {

class DesktopWindowTest : public testing::Test {
protected:
    void SetUp() override {
        if (!RequireTools({"Xvfb", "xwd", "convert", "xdotool", "xwininfo"})) return;
        server = std::make_unique<XvfbServer>(1024, 768);
        ASSERT_TRUE(server->Running());
        backend = SdlBackend::Open(1024, 768);
        ASSERT_NE(backend, nullptr) << SDL_GetError();
        previous = InstallBackend(backend.get());
        const WNDCLASSEXA windowClass{
            sizeof(WNDCLASSEXA), 0,       PaintingProcedure, 0,       0,
            ProgramInstance(),   nullptr, nullptr,           nullptr, nullptr,
            "DesktopTest",       nullptr};
        RegisterClassExA(&windowClass);
        window = CreateWindowExA(0, "DesktopTest", "Quillory 3", WS_POPUP | WS_VISIBLE, 0, 0, 1024,
                                 768, nullptr, nullptr, ProgramInstance(), nullptr);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        if (display != nullptr) {
            display->RestoreDisplayMode();
            display->Release();
        }
        if (window != nullptr) DestroyWindow(window);
        UnregisterClassA("DesktopTest", ProgramInstance());
        if (backend) InstallBackend(previous);
        backend.reset();
        g_received.clear();
    }

    // Dispatches messages until `done` holds or `limit` passes.
    static bool PumpUntil(const std::function<bool()>& done) {
        return WaitUntil(
            [&] {
                MSG message{};
                while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                    TranslateMessage(&message);
                    DispatchMessageA(&message);
                }
                return done();
            },
            std::chrono::seconds(5));
    }
    // The events the backend has for now whose kinds are among `kinds`, a letter each:
    // pointer Move, Button down, button up, key Down, key Up. Events pushed after SDL's
    // last poll come in its next poll cycle, so two cycles are read.
    std::string Drain(std::string_view kinds, std::vector<InputEvent>& events) {
        std::string seen;
        for (int cycle = 0; cycle < 2; ++cycle) {
            while (const std::optional<InputEvent> event = backend->NextInputEvent()) {
                const char kind = "MBbDUAmRCE"[static_cast<size_t>(event->kind)];
                if (kinds.find(kind) == std::string_view::npos) continue;
                events.push_back(*event);
                seen += kind;
            }
        }
        return seen;
    }

    std::unique_ptr<XvfbServer> server;
    std::unique_ptr<SdlBackend> backend;
    Backend* previous = nullptr;
    HWND window = nullptr;
    DisplayObject* display = nullptr;
};

}  // namespace

TEST_F(DesktopWindowTest, TheScreenFillsTheDisplayPixelForPixelAndInputReachesTheProgram) {
    ASSERT_EQ(DirectDrawCreate(nullptr, &display, nullptr), DD_OK);
    ASSERT_EQ(display->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    ASSERT_EQ(display->SetDisplayMode(1024, 768, 32), DD_OK);
    ASSERT_TRUE(PumpUntil([this] {
        const std::optional<RECT> place = server->WindowPlace(SdlBackend::kTitle);
        return place && place->left == 0 && place->top == 0 && place->right == 1024 &&
               place->bottom == 768;
    })) << "the window covers the display";
    std::vector<InputEvent> events;
    PushKey(SDL_KEYDOWN, SDLK_PAGEDOWN);
    for (int i = 0; i < 4; ++i) PushKey(SDL_KEYDOWN, SDLK_PAGEDOWN, 1);
    EXPECT_EQ(Drain("DU", events), "DD") << "the press, then its four queued repeats as one";
    for (int i = 0; i < 3; ++i) PushKey(SDL_KEYDOWN, SDLK_PAGEDOWN, 1);
    PushKey(SDL_KEYUP, SDLK_PAGEDOWN);
    EXPECT_EQ(Drain("DU", events), "U") << "repeats already let go of do nothing";

    const RECT page{kPageLeft, kPageTop, kPageRight, kPageBottom};
    backend->ConfinePointer(&page);
    ASSERT_NE(SDL_GetWindowMouseRect(backend->Window()), nullptr);
    events.clear();
    PushFinger(SDL_FINGERDOWN, POINT{256, 384});
    EXPECT_EQ(Drain("MBb", events), "MB");
    EXPECT_EQ(SDL_GetWindowMouseRect(backend->Window()), nullptr)
        << "the finger is free to go anywhere";
    PushFinger(SDL_FINGERUP, POINT{256, 384});
    EXPECT_EQ(Drain("MBb", events), "Mb");
    EXPECT_NE(SDL_GetWindowMouseRect(backend->Window()), nullptr)
        << "the confinement is back after the lift";
    for (const InputEvent& event : events)
        EXPECT_TRUE(event.point.x == 256 && event.point.y == 384);
    backend->ConfinePointer(nullptr);

    const std::vector<POINT> points{{0, 0},     {511, 400}, {512, 400}, {1023, 767},
                                    {200, 150}, {299, 249}, {300, 249}};
    std::optional<Surface> shot;
    const auto shows = [&](POINT point) {
        const POINT seen = backend->Fit().ToWindow(point);
        return Near(shot->Pixel(seen.x, seen.y), PaintedColour(point.x, point.y));
    };
    PumpUntil([&] {
        shot = server->Screenshot();
        return shot && std::all_of(points.begin(), points.end(), shows);
    });
    ASSERT_TRUE(shot);
    for (const POINT point : points) EXPECT_TRUE(shows(point)) << point.x << "," << point.y;

    const POINT target = backend->Fit().ToWindow(POINT{300, 200});
    ASSERT_TRUE(server->Xdotool("mousemove --sync " + std::to_string(target.x) + " " +
                                std::to_string(target.y) + " click 1 key Return"));
    ASSERT_TRUE(PumpUntil([] { return g_received.size() >= 3; })) << "a click and a key";
    const POINT clicked = LParamToPoint(g_received[0].lParam);
    EXPECT_TRUE(clicked.x == 300 && clicked.y == 200) << clicked.x << "," << clicked.y;
    EXPECT_TRUE(g_received[0].message == WM_LBUTTONDOWN && g_received[1].message == WM_LBUTTONUP &&
                g_received[2].message == WM_KEYDOWN && g_received[2].wParam == VK_RETURN)
        << "the click comes first, then Enter";
}
