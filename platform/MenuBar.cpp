#include "platform/private/MenuBar.h"

#include "platform/private/QtText.h"

#include <QActionGroup>

namespace platform::detail {

MenuBar::MenuBar(const resources::MenuSpec& spec, QWidget* parent,
                 std::function<void(int)> onCommand)
    : bar_(new QMenuBar(parent)), onCommand_(std::move(onCommand)) {
    bar_->setNativeMenuBar(false);
    for (const resources::MenuItem& item : spec.popups) {
        if (item.kind == resources::MenuItemKind::Popup) {
            QMenu* menu = bar_->addMenu(Utf8ToQString(item.text));
            AddItems(menu, item.items);
        } else if (item.kind == resources::MenuItemKind::Command) {
            // A command directly on the bar.
            QAction* action = bar_->addAction(Utf8ToQString(item.text));
            const int id = item.id;
            actions_[id] = action;
            action->setEnabled(!(item.flags & resources::mf::Grayed));
            QObject::connect(action, &QAction::triggered, [this, id] { onCommand_(id); });
        }
    }
}

void MenuBar::AddItems(QMenu* menu, const std::vector<resources::MenuItem>& items) {
    for (const resources::MenuItem& item : items) {
        switch (item.kind) {
        case resources::MenuItemKind::Separator:
            menu->addSeparator();
            break;
        case resources::MenuItemKind::Popup:
            AddItems(menu->addMenu(Utf8ToQString(item.text)), item.items);
            break;
        case resources::MenuItemKind::Command: {
            QAction* action = menu->addAction(Utf8ToQString(item.text));
            const int id = item.id;
            actions_[id] = action;
            menus_[id] = menu;
            const bool checked = item.flags & resources::mf::Checked;
            checked_[id] = checked;
            action->setCheckable(checked || item.radioGroup != 0);
            action->setChecked(checked);
            action->setEnabled(!(item.flags & resources::mf::Grayed));
            if (item.radioGroup != 0) {
                QActionGroup*& group = groups_[{menu, item.radioGroup}];
                if (!group) {
                    group = new QActionGroup(menu);
                    // Exclusive look (round marks) while the program decides the marks.
                    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                group->addAction(action);
            }
            QObject::connect(action, &QAction::triggered, [this, id] {
                // Choosing an item does not move any mark; the program does.
                for (auto& [other, act] : actions_)
                    if (act->isCheckable())
                        act->setChecked(checked_[other]);
                onCommand_(id);
            });
            break;
        }
        }
    }
}

void MenuBar::Check(int id, bool checked) {
    auto it = actions_.find(id);
    if (it == actions_.end())
        return;
    if (checked)
        it->second->setCheckable(true);
    it->second->setChecked(checked);
    // Checking a radio item clears the others of its group.
    for (auto& [other, act] : actions_)
        checked_[other] = act->isChecked();
}

bool MenuBar::IsChecked(int id) const {
    auto it = checked_.find(id);
    return it != checked_.end() && it->second;
}

void MenuBar::Enable(int id, bool enabled) {
    if (auto it = actions_.find(id); it != actions_.end())
        it->second->setEnabled(enabled);
}

void MenuBar::SetText(int id, const QString& text) {
    if (auto it = actions_.find(id); it != actions_.end())
        it->second->setText(text);
}

bool MenuBar::Trigger(int id) {
    auto it = actions_.find(id);
    if (it == actions_.end() || !it->second->isEnabled())
        return false;
    it->second->trigger();
    return true;
}

bool MenuBar::InsertAfter(int afterId, const std::vector<resources::MenuItem>& items) {
    const auto it = menus_.find(afterId);
    if (it == menus_.end())
        return false;
    QMenu* menu = it->second;
    const QList<QAction*> before = menu->actions();
    const qsizetype at = before.indexOf(actions_[afterId]) + 1;
    QAction* next = at < before.size() ? before[at] : nullptr;
    // Made as the resource's own items are, then moved into place.
    AddItems(menu, items);
    for (QAction* added : menu->actions().mid(before.size())) {
        menu->removeAction(added);
        menu->insertAction(next, added);
    }
    return true;
}

bool MenuBar::IsEnabled(int id) const {
    auto it = actions_.find(id);
    return it != actions_.end() && it->second->isEnabled();
}

} // namespace platform::detail
