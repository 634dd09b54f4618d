// What a screen reader is told about a window's picture, which it cannot
// read: the text shown on it and, while the player chooses, the items to
// choose from with the pointed one selected. The window's client area (the
// focused game view) carries the text as its accessible name, so the screen
// reader speaks it once each time it changes; the items are a list below it.
// Without an assistive technology listening, nothing is sent anywhere.
#pragma once

#include "platform/Handle.h"

#include <string>
#include <vector>

namespace platform {

// The text on the picture (UTF-8; lines separated by "\n"); empty for none.
void SetViewText(WindowHandle window, const std::string& utf8);
// The items to choose from (UTF-8), none pointed; an empty list removes it.
void SetViewItems(WindowHandle window, const std::vector<std::string>& utf8Items);
// The pointed item (-1 for none): it is marked selected, and the view's text
// becomes its text so that moving through the items reads each of them.
void SetViewPointed(WindowHandle window, int item);

} // namespace platform
