// A menu bar made from a menu resource. Menu items never carry toolkit
// shortcuts (accelerators are translated by the windows themselves) and
// their check marks change only when the program sets them, as in the
// original system.
#pragma once

#include "resources/Resource.h"

#include <QMenuBar>
#include <functional>
#include <map>

namespace platform::detail {

class MenuBar {
public:
    // Builds the bar as a child of `parent`; `onCommand` receives the id of
    // each chosen item.
    MenuBar(const resources::MenuSpec& spec, QWidget* parent, std::function<void(int)> onCommand);

    QMenuBar* Widget() const { return bar_; }
    void Check(int id, bool checked);
    bool IsChecked(int id) const;
    void Enable(int id, bool enabled);
    bool IsEnabled(int id) const;
    void SetText(int id, const QString& text);
    // Chooses the item as the user would; false when it is missing or greyed.
    bool Trigger(int id);
    bool Has(int id) const { return actions_.count(id) != 0; }
    // Adds `items` right after the item `afterId` in its popup; false when
    // there is no such item.
    bool InsertAfter(int afterId, const std::vector<resources::MenuItem>& items);

private:
    void AddItems(QMenu* menu, const std::vector<resources::MenuItem>& items);

    QMenuBar* bar_;
    std::function<void(int)> onCommand_;
    std::map<int, QAction*> actions_;
    std::map<int, QMenu*> menus_; // the popup of each command
    std::map<int, bool> checked_;
    std::map<std::pair<QMenu*, int>, QActionGroup*> groups_;
};

} // namespace platform::detail
