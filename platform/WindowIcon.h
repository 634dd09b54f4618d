// Icons of the program's resources on its windows and dialogs: the picture
// the title bar, the task bar and the window switcher show.
#pragma once

#include "platform/Handle.h"

#include <string>
#include <vector>

namespace platform {

// Gives `window` (a window or a dialog) the icon resource `iconName` of the
// program's resources. A name the program has no icon of, or an icon none of
// whose pictures can be read, changes nothing and gives false, as does a
// null window.
bool SetWindowIcon(WindowHandle window, const std::string& iconName);

// Makes the icon resource `iconName` the icon of every window of the program
// that has none of its own. False, changing nothing, when the program has no
// such icon.
bool SetApplicationIcon(const std::string& iconName);

// The sizes in pixels (width and height alike) of the pictures of the icon
// set on `window` itself, smallest first; empty when it has none of its own.
std::vector<int> WindowIconSizes(WindowHandle window);
// The same for the program's icon.
std::vector<int> ApplicationIconSizes();

} // namespace platform
