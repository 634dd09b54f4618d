// vnevedit's undo, redo and find: the commands they add to the edit menu,
// their keys and the find dialog.
#pragma once

#include "resources/Resource.h"

namespace resources {

// Adds IDR_ACCELMAIN and IDD_FIND.
void AddUndoAndFind(ResourceSet& set);

// The commands vnevedit's window adds after the edit menu's last item.
std::vector<MenuItem> EditMenuAdditions();

} // namespace resources
