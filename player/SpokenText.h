// What a screen reader is given to say for the message window: the pages of
// a message and the items of a choice, in UTF-8, and the choice's items kept
// on the game view for as long as the choice waits.
#pragma once

#include "platform/Handle.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One text per page the player shows of the Shift-JIS message `sjis` (the
// pages of MessageText::PagesOf), each line-break mark a line break. A
// speech shows its "【speaker】" line on its first page only; the later
// pages are read with that line first too, so that every page says who
// speaks.
std::vector<std::string> SpokenPages(std::string_view sjis);

// The names of a button choice's `count` buttons: "ボタン 1 / 3" and so on.
std::vector<std::string> ButtonNames(size_t count);

// The Shift-JIS lines of a text choice in UTF-8.
std::vector<std::string> SpokenLines(const std::vector<std::string>& sjisLines);

// The items of a choice on the game view while it waits: set on
// construction, the pointed one marked by Point, removed with the message
// text on destruction.
class SpokenChoice {
public:
    SpokenChoice(platform::WindowHandle view, const std::vector<std::string>& utf8Items);
    ~SpokenChoice();
    SpokenChoice(const SpokenChoice&) = delete;
    SpokenChoice& operator=(const SpokenChoice&) = delete;
    void Point(int item);

private:
    platform::WindowHandle view_;
};
