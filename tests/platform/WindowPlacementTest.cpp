// Where a tool window goes beside its owner: beside it when the available
// area has room, else over the owner's right part below its title bar, and
// always inside the available area.
#include "platform/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

using platform::ScreenPoint;
using platform::ScreenRect;

TEST(WindowPlacement, AToolWindowGoesBesideItsOwnerAndStaysInsideTheAvailableArea) {
    const ScreenRect screen{0, 0, 1280, 800};
    // The debug window's frame is 355 x 458; the game's frame 642 x 519 with
    // a 20-pixel title bar.
    struct Case {
        const char* what;
        ScreenRect area;
        ScreenRect owner;
        int title;
        int width, height;
        ScreenPoint expected;
    } cases[] = {
        {"room on the right", screen, {0, 0, 642, 519}, 20, 355, 458, {642, 0}},
        {"room on the left only", screen, {900, 100, 342, 300}, 20, 355, 458, {545, 100}},
        {"no room: over the right part, below the title bar",
         screen,
         {320, 140, 642, 519},
         20,
         355,
         458,
         {1280 - 355, 160}},
        {"full screen owner", screen, {0, 0, 1280, 800}, 0, 355, 458, {1280 - 355, 0}},
        {"low owner: pushed up to the bottom edge",
         screen,
         {0, 500, 642, 519},
         20,
         355,
         458,
         {642, 800 - 458}},
        {"a panel above the area", {0, 30, 1280, 770}, {0, 0, 642, 519}, 20, 355, 458, {642, 30}},
        {"larger than the area: top-left corner inside",
         screen,
         {100, 100, 642, 519},
         20,
         1400,
         900,
         {0, 0}},
        {"a second screen to the right",
         {1280, 0, 1920, 1080},
         {1400, 100, 642, 519},
         20,
         355,
         458,
         {2042, 100}},
    };
    for (const Case& c : cases) {
        const ScreenPoint at = platform::PlaceBeside(c.area, c.owner, c.title, c.width, c.height);
        EXPECT_EQ(at, c.expected) << c.what << ": got " << at.x << ", " << at.y;
    }
}

} // namespace
