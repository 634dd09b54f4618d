// The message window: the message font and box made at start-up, the message
// typed page by page with the click wait after each page (its marker and the
// right-button view), the text choices drawn in the box, and the backlog.
#pragma once

#include "graphics/MessageText.h"
#include "graphics/Surface.h"
#include "player/VNBackLog.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ChoiceDisplay;
class ClickMarker;
class GlyphSource;
class PlayerContext;
class Stage;
class TextRenderer;

class MessageWindow {
public:
    MessageWindow(PlayerContext& context, Stage& stage);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // The font (game.ini's face and size; none: the game goes on without
    // text) and its renderer on the back buffer.
    void CreateFont();
    // game.ini's box picture; one that does not load leaves the gradient box.
    void LoadBoxImage();
    // The renderer goes before the window whose back buffer it draws on.
    void Release();

    // Serves the menu's save, load and backlog requests during the waits;
    // false when a slot to load was chosen.
    void SetRequestServer(std::function<bool()> serve) { serveRequests_ = std::move(serve); }
    // Lets the player go back to earlier messages during a click wait; true
    // when play went on from one of them, which ends the wait and the
    // message.
    void SetRollbackServer(std::function<bool()> serve) { serveRollback_ = std::move(serve); }

    // Shows `text` in the message box over the picture, typed at the message
    // speed, waiting for a click after each page. Without `maySkip` skip
    // (Tab or Ctrl) neither hurries the typing nor ends a wait. False when
    // the player chose a slot to load during a wait.
    bool ShowMessage(const VNString& text, bool maySkip = true);
    // Waits after a page for a click, skip, the auto delay or (vnprobe) a
    // pause; serves the menu requests meanwhile. False when a slot to load
    // was chosen during the wait.
    bool MessageClickWait();
    // A message the player went back to: the box over the redrawn picture
    // and every page of `text` at once, as after its last page; presented.
    // The message of the present and the backlog stay as they are.
    void ShowMessageAtOnce(const VNString& text);

    // The text choices replace the message: the box over the redrawn
    // picture and `lines` in it, presented; the backlog marks the choice.
    std::unique_ptr<ChoiceDisplay> ShowChoices(const std::vector<std::string>& lines);
    // A button choice replaces the message too.
    void ClearMessage() { message_.Clear(); }

    const VNBackLog& BackLog() const { return backlog_; }
    // The message on screen: its kept text, lines and marker position.
    const MessageText& Message() const { return message_; }

private:
    // Draws the message box over the redrawn picture; with `present` its
    // rectangle is shown, and so is the rectangle of the text drawn before
    // (which may reach beyond the box).
    void ShowMessageBox(bool present);
    // The click-wait marker after the message's last line.
    std::unique_ptr<ClickMarker> StartMarker();
    // One round of the click wait's drawing: the right-button view, then
    // the marker's turn.
    void AnimateClickWait(ClickMarker& marker, int64_t now);
    void EndMarker(ClickMarker& marker);
    // While the right button is held: the picture without box and text.
    void RightButtonView(ClickMarker& marker);

    PlayerContext& context_;
    Stage& stage_;
    std::function<bool()> serveRequests_;
    std::function<bool()> serveRollback_;
    bool rolledBack_ = false;            // the last click wait ended in an earlier message
    std::unique_ptr<GlyphSource> font_;  // the message font
    std::unique_ptr<TextRenderer> text_; // draws with it onto the back buffer
    Surface boxImage_;                   // empty: the gradient box
    MessageText message_;
    VNBackLog backlog_;
    bool maySkip_ = true;   // the message shown lets skip pass it
    int64_t pageChars_ = 0; // characters of the page waiting for its click
};
