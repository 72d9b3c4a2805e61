// A finger's strokes as the pointer events the album gets: a tap is a click; a slide
// completes the click where it began and carries; lifting with a sticker carried drops it.

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>

#include "platform/user/TouchGesture.h"

namespace {

// Plays `steps` ("D10,10 M16,4 U16,16": down, move, up at screen points; lower case
// for a second finger) and gives back each event as its kind letter and point.
std::string Played(const std::string& steps, bool carryingAtLift) {
    TouchGesture gesture;
    std::istringstream in(steps);
    char what = 0, comma = 0;
    LONG x = 0, y = 0;
    while (in >> what >> x >> comma >> y) {
        const int64_t finger = std::islower(what) != 0 ? 2 : 1;
        // Window pixels are twice the screen's here, so the slide is measured in the window.
        const POINT point{x, y}, windowPoint{x * 2, y * 2};
        if (std::toupper(what) == 'D') gesture.Down(finger, point, windowPoint);
        if (std::toupper(what) == 'M') gesture.Move(finger, point, windowPoint);
        if (std::toupper(what) == 'U') gesture.Up(finger, point, carryingAtLift);
    }
    std::string played;
    while (const std::optional<InputEvent> event = gesture.Next()) {
        played += event->kind == InputEvent::Kind::PointerMove  ? "M"
                  : event->kind == InputEvent::Kind::ButtonDown ? "D"
                                                                : "U";
        played += std::to_string(event->point.x) + "," + std::to_string(event->point.y) + " ";
    }
    return played;
}

}  // namespace

// 12 window pixels are 6 screen pixels: a move of 6 is no slide yet, 7 is one.
TEST(TouchGestureTest, StrokesBecomeClicksPicksAndDrops) {
    struct Stroke {
        const char* name;
        const char* steps;
        bool carryingAtLift;
        const char* events;
    };
    for (const Stroke& stroke :
         {Stroke{"a tap clicks", "D10,10 U10,10", false, "M10,10 D10,10 M10,10 U10,10 "},
          Stroke{"a wobble is still a tap", "D10,10 M16,4 U16,16", false,
                 "M10,10 D10,10 M16,4 M16,16 U16,16 "},
          Stroke{"a slide picks where it began and drops where it lifts",
                 "D10,10 M17,10 M300,200 U310,210", true,
                 "M10,10 D10,10 U10,10 M17,10 M300,200 M310,210 D310,210 U310,210 "},
          Stroke{"a slide that picked nothing drops nothing", "D10,10 M10,40 U10,50", false,
                 "M10,10 D10,10 U10,10 M10,40 M10,50 "},
          Stroke{"a second finger is ignored", "D10,10 d90,90 m95,95 u90,90 U10,10", false,
                 "M10,10 D10,10 M10,10 U10,10 "}})
        EXPECT_EQ(Played(stroke.steps, stroke.carryingAtLift), stroke.events) << stroke.name;
}
