// The Windows window's messages as the program's input events: where the pointer is on
// the screen, which keys pass, a held key's repeats merged, touch, the window's own news.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/machines/Letterbox.h"
#include "platform/machines/win32/Win32Input.h"
#include "platform/user/UserTypes.h"

namespace {

using Kind = WindowEvent::Kind;

constexpr uint32_t kVkControl = 0x11;
constexpr uint32_t kVkF5 = 0x74;
constexpr uint32_t kVkF11 = 0x7A;

WindowEvent Key(Kind kind, uint32_t key, bool repeat = false) {
    return WindowEvent{.kind = kind, .key = key, .repeat = repeat};
}

WindowEvent At(Kind kind, int32_t x, int32_t y, bool right = false) {
    return WindowEvent{.kind = kind, .x = x, .y = y, .right = right};
}

WindowEvent Finger(Kind kind, int32_t x, int32_t y) {
    return WindowEvent{.kind = kind, .x = x, .y = y, .finger = 7};
}

// Each event the program gets, in a word or two.
std::string Described(const InputEvent& event) {
    const std::string at =
        " " + std::to_string(event.point.x) + "," + std::to_string(event.point.y);
    const std::string button = event.button == InputEvent::Button::Right ? " right" : "";
    switch (event.kind) {
        case InputEvent::Kind::PointerMove:
            return "move" + at;
        case InputEvent::Kind::ButtonDown:
            return "press" + button + at;
        case InputEvent::Kind::ButtonUp:
            return "release" + button + at;
        case InputEvent::Kind::KeyDown:
            return "down " + std::to_string(event.key);
        case InputEvent::Kind::KeyUp:
            return "up " + std::to_string(event.key);
        case InputEvent::Kind::Activate:
            return event.active ? "active" : "inactive";
        case InputEvent::Kind::Minimize:
            return "minimize";
        case InputEvent::Kind::Restore:
            return "restore";
        case InputEvent::Kind::Close:
            return "close";
        case InputEvent::Kind::EndSession:
            return "end";
    }
    return "?";
}

// A 1280 x 800 window: the screen at its own size in the middle, bars of 128 and 16.
class Win32InputTest : public ::testing::Test {
protected:
    std::vector<std::string> Run(const std::vector<WindowEvent>& events, bool window = false) {
        Win32Input input(
            m_fit, m_touch, [] { return false; }, [this] { ++m_fingerChanges; },
            window ? std::function<void()>([this] { ++m_toggles; }) : nullptr);
        for (const WindowEvent& event : events) input.Add(event);
        std::vector<std::string> got;
        while (std::optional<InputEvent> event = input.Next()) got.push_back(Described(*event));
        return got;
    }

    Letterbox m_fit{1024, 768, 1280, 800};
    TouchGesture m_touch;
    int m_fingerChanges = 0;
    int m_toggles = 0;
};

}  // namespace

TEST_F(Win32InputTest, HeldKeysRepeatOnlyWhileHeldAndOnlyTheKeysTheProgramReads) {
    const struct {
        const char* what;
        std::vector<WindowEvent> events;
        std::vector<std::string> expected;
    } cases[] = {
        {"queued repeats count as one",
         {Key(Kind::KeyDown, 'A'), Key(Kind::KeyDown, 'A', true), Key(Kind::KeyDown, 'A', true),
          Key(Kind::KeyDown, 'A', true)},
         {"down 65", "down 65"}},
        {"a key let go of in the queue repeats no more",
         {Key(Kind::KeyDown, 'A'), Key(Kind::KeyDown, 'A', true), Key(Kind::KeyDown, 'A', true),
          Key(Kind::KeyUp, 'A')},
         {"down 65", "up 65"}},
        {"another key's repeats stay",
         {Key(Kind::KeyDown, 'A', true), Key(Kind::KeyDown, VK_RIGHT, true), Key(Kind::KeyUp, 'A')},
         {"down 39", "up 65"}},
        {"a new press after the release is kept",
         {Key(Kind::KeyDown, 'A', true), Key(Kind::KeyUp, 'A'), Key(Kind::KeyDown, 'A')},
         {"up 65", "down 65"}},
        {"keys the program never reads are left out",
         {Key(Kind::KeyDown, kVkControl), Key(Kind::KeyUp, kVkControl), Key(Kind::KeyDown, kVkF5),
          Key(Kind::KeyDown, '7'), Key(Kind::KeyDown, VK_SHIFT)},
         {"down 116", "down 55", "down 16"}},
        {"F11 is an ordinary key in full screen",
         {Key(Kind::KeyDown, kVkF11), Key(Kind::KeyUp, kVkF11)},
         {"down 122", "up 122"}},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(Run(item.events), item.expected) << item.what;
    }
    EXPECT_EQ(m_toggles, 0);
}

TEST_F(Win32InputTest, F11TogglesTheWindowOncePerPress) {
    EXPECT_TRUE(Run({Key(Kind::KeyDown, kVkF11), Key(Kind::KeyDown, kVkF11, true),
                     Key(Kind::KeyUp, kVkF11), Key(Kind::KeyDown, kVkF11)},
                    true)
                    .empty());
    EXPECT_EQ(m_toggles, 2);
}

TEST_F(Win32InputTest, PointerPlacesAreScreenPixelsAndTheWindowsNewsPassesOn) {
    EXPECT_EQ(Run({At(Kind::MouseMove, 128, 16), At(Kind::MouseMove, 640, 400),
                   At(Kind::MouseMove, 1279, 799), At(Kind::MouseMove, 0, 0),
                   At(Kind::MouseDown, 129, 17, true), At(Kind::MouseUp, 130, 18)}),
              (std::vector<std::string>{"move 0,0", "move 512,384", "move 1023,767", "move 0,0",
                                        "press right 1,1", "release 2,2"}));
    EXPECT_EQ(Run({WindowEvent{.kind = Kind::Activate, .active = true},
                   WindowEvent{.kind = Kind::Minimize}, WindowEvent{.kind = Kind::Restore},
                   WindowEvent{.kind = Kind::Activate}, WindowEvent{.kind = Kind::Close}}),
              (std::vector<std::string>{"active", "minimize", "restore", "inactive", "close"}));
}

// A tap is a click where the finger was; the mouse waits while a finger is down, and
// the pointer's hold is looked at again when the finger goes down and up.
TEST_F(Win32InputTest, AFingersTapIsAClickAndHoldsTheMouseBack) {
    EXPECT_EQ(Run({Finger(Kind::FingerDown, 228, 116), At(Kind::MouseMove, 900, 700),
                   At(Kind::MouseDown, 900, 700), Finger(Kind::FingerUp, 228, 116),
                   At(Kind::MouseMove, 900, 700)}),
              (std::vector<std::string>{"move 100,100", "press 100,100", "move 100,100",
                                        "release 100,100", "move 772,684"}));
    EXPECT_EQ(m_fingerChanges, 2);
}
