// Reading the game aloud (the player's "readAloud" setting, off unless the
// player turns it on): each page of a message as it appears, the speaker's
// name first, and the lines of a text choice, then the line pointed at.
// An advance stops the voice. Without a speech service the setting stays
// off and its menu item is greyed.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class SpeechOutput;
}

// What is spoken for a page of Shift-JIS message text (its "\" marks
// already gone), in UTF-8: a leading "【name】" line becomes the name alone
// on a line of its own, every other "/" line break a space, and control
// characters go as they do on screen.
std::string VoicedPage(std::string_view sjisPage);

// The lines of a text choice, one spoken line each.
std::string VoicedChoice(const std::vector<std::string>& sjisLines);

class ReadAloud {
public:
    ReadAloud();
    ~ReadAloud();
    ReadAloud(const ReadAloud&) = delete;
    ReadAloud& operator=(const ReadAloud&) = delete;

    // The setting. Turning it on starts connecting to the service in the
    // background.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    // False once the service turned out to be missing.
    bool Available() const;

    // Called with (checked, available) whenever either changes, so the
    // menu item shows the state.
    void SetShow(std::function<void(bool, bool)> show);

    void Page(std::string_view sjisPage);
    void Choice(const std::vector<std::string>& sjisLines);
    // The line the pointer or the keys moved to replaces what is speaking.
    void Pointed(std::string_view sjisLine);
    // The player advanced: the voice stops.
    void Stop();

private:
    // Shows the state again once the service turned out to be missing.
    void NoteService();
    void Show();

    std::unique_ptr<platform::SpeechOutput> output_;
    std::function<void(bool, bool)> show_;
    bool enabled_ = false;
    bool shownAvailable_ = true;
};
