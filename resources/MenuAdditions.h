// A menu resource extended by another: a program adds commands to a menu of
// its own without changing the menu resource that others rely on.
#pragma once

#include "resources/Resource.h"

namespace resources {

// `base` with the popups of `additions`: the items of an added popup go to
// the end of the popup of `base` with the same text; an added popup that
// `base` lacks goes to the end of the bar.
MenuSpec WithAdditions(const MenuSpec& base, const MenuSpec& additions);

} // namespace resources
