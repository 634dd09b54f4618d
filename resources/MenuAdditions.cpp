#include "resources/MenuAdditions.h"

#include <algorithm>
#include <string_view>

namespace resources {

MenuSpec WithAdditions(const MenuSpec& base, const MenuSpec& additions) {
    MenuSpec merged = base;
    for (const MenuItem& added : additions.popups) {
        const auto same = std::find_if(merged.popups.begin(), merged.popups.end(),
                                       [&added](const MenuItem& popup) {
                                           return popup.kind == MenuItemKind::Popup &&
                                                  std::u8string_view(popup.text) == added.text;
                                       });
        if (added.kind == MenuItemKind::Popup && same != merged.popups.end())
            same->items.insert(same->items.end(), added.items.begin(), added.items.end());
        else
            merged.popups.push_back(added);
    }
    return merged;
}

} // namespace resources
