// What drawing message text asks of the program around it: input, time,
// presenting rectangles of the screen, and the wait after each page. The
// player implements it over its window and clock; tests record the calls.
#pragma once

#include <cstdint>
#include <string_view>

class TextHost {
public:
    virtual ~TextHost() = default;

    // Delivers pending input (the player's window messages).
    virtual void Pump() = 0;
    // How many times the button (left mouse button or Enter) went down so
    // far; a press that began after a line started interrupts its typing.
    virtual uint32_t PressCount() = 0;
    // Skip (Ctrl held or skip mode) interrupts typing too.
    virtual bool SkipActive() = 0;
    // The debugger holds the game; interrupts typing.
    virtual bool Paused() = 0;
    virtual int64_t NowMs() = 0;
    // Waits until `deadlineMs` or until input arrives, whichever is first,
    // without using the processor; may return early.
    virtual void IdleUntil(int64_t deadlineMs) = 0;
    // Shows that rectangle of the drawn screen.
    virtual void Present(int32_t x, int32_t y, int32_t width, int32_t height) = 0;

    // The click wait after a page (with its marker); false when the player
    // chose a slot to load meanwhile.
    virtual bool ClickWait() = 0;
    // A page of a message has been shown; `page` is its text without the
    // line-break marks.
    virtual void PageShown(std::string_view page) = 0;
};
