// Typing a page of a message into the message area: each character drawn,
// presented and followed by the message speed's delay, until the page is on
// screen or a press, skip or the debugger's pause interrupts it (the rest of
// the page then comes at once). Time, input and the screen come from a
// TypingInput; the wait after the page is the caller's.
#pragma once

#include "graphics/MessageStyle.h"

#include <cstdint>
#include <span>
#include <string>

class MessageText;
class TextRenderer;

// What typing asks of the program around it. The player answers from its
// window and clock; tests record the calls.
class TypingInput {
public:
    virtual ~TypingInput() = default;
    // Delivers pending input (the window's messages).
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
    virtual void Present(const ScreenRect& rect) = 0;
};

class MessageTyping {
public:
    MessageTyping(TextRenderer& renderer, TypingInput& input)
        : renderer_(renderer), input_(input) {}

    // Adds `page` to `message` and draws it from the line in progress on,
    // typed with `delayMs` per character (0: all at once). Once the whole
    // page is drawn at once, the message area (with any text drawn beyond
    // it) is presented.
    void TypePage(MessageText& message, const std::string& page, const LineColours& colours,
                  int32_t delayMs);

    // Draws every line of the kept text again at once (after the picture
    // beneath was redrawn); what has been typed so far is unchanged.
    void Redraw(MessageText& message);

private:
    // Lays out the kept text and draws its lines from `firstLine` on; the
    // first of them continues after the characters already drawn in it.
    // False when typing was interrupted.
    bool DrawLines(MessageText& message, const LineColours& colours, int32_t delayMs,
                   int32_t firstLine);
    // One line from the pen at (x, lineTop); its first `alreadyShown`
    // characters are only stepped over. The message counts the line's
    // characters in the picture as they are drawn. False when interrupted
    // by skip, the pause or a press beyond `pressesBefore`.
    bool DrawLine(MessageText& message, int32_t x, int32_t lineTop, std::span<const uint32_t> codes,
                  const LineColours& colours, int32_t delayMs, int32_t alreadyShown,
                  uint32_t pressesBefore);

    TextRenderer& renderer_;
    TypingInput& input_;
};
