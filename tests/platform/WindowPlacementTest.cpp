// Where a tool window goes: beside its owner when the available area has
// room (the owner moving left to make it when only that gives room), else
// over the owner's right part below its title bar; always inside the area.
#include "platform/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

using platform::ScreenPoint;
using platform::ScreenRect;

TEST(WindowPlacement, AToolWindowGoesBesideItsOwnerAndStaysInsideTheAvailableArea) {
    // The owner's title bar is 20 pixels high (0 in full screen); the tool
    // window's frame is 355 x 458 unless said otherwise.
    const ScreenRect screen{0, 0, 1280, 800};
    struct Case {
        const char* what;
        ScreenRect area, owner;
        int title, width;
        ScreenPoint expected;
        int ownerX = -1; // where the owner moves to; -1: it stays
    } cases[] = {
        {"room on the right", screen, {0, 0, 642, 519}, 20, 355, {642, 0}},
        {"room on the left only", screen, {900, 100, 342, 300}, 20, 355, {545, 100}},
        {"room once the owner moves", screen, {320, 140, 642, 519}, 20, 355, {925, 140}, 283},
        {"no room: over the right part", screen, {200, 140, 1000, 519}, 20, 355, {925, 160}},
        {"full screen owner", screen, {0, 0, 1280, 800}, 0, 355, {925, 0}},
        {"low owner: up to the bottom", screen, {0, 500, 642, 519}, 20, 355, {642, 342}},
        {"panel above the area", {0, 30, 1280, 770}, {0, 0, 642, 519}, 20, 355, {642, 30}},
        {"wider than the area", screen, {100, 100, 642, 519}, 20, 1400, {0, 120}},
        {"second screen", {1280, 0, 1920, 1080}, {1400, 100, 642, 519}, 20, 355, {2042, 100}},
    };
    for (Case c : cases) {
        const int ownerX = platform::MakeRoomBeside(c.area, c.owner, c.width);
        EXPECT_EQ(ownerX, c.ownerX < 0 ? c.owner.x : c.ownerX) << c.what;
        c.owner.x = ownerX;
        const ScreenPoint at = platform::PlaceBeside(c.area, c.owner, c.title, c.width, 458);
        EXPECT_EQ(at, c.expected) << c.what << ": got " << at.x << ", " << at.y;
    }
}

} // namespace
