#include "resources/Resource.h"

namespace resources {

void ResourceSet::AddDialog(const std::string& name, DialogTemplate dialog) {
    dialogs_[name] = std::move(dialog);
}

void ResourceSet::AddDialogAlias(const std::string& name, const std::string& target) {
    aliases_[name] = target;
}

void ResourceSet::AddMenu(const std::string& name, MenuSpec menu) {
    menus_[name] = std::move(menu);
}

void ResourceSet::AddAccelerators(const std::string& name, AcceleratorTable table) {
    accelerators_[name] = std::move(table);
}

void ResourceSet::AddIcon(const std::string& name, IconSpec icon) {
    icons_[name] = std::move(icon);
}

void ResourceSet::Merge(const ResourceSet& other) {
    dialogs_.insert(other.dialogs_.begin(), other.dialogs_.end());
    aliases_.insert(other.aliases_.begin(), other.aliases_.end());
    menus_.insert(other.menus_.begin(), other.menus_.end());
    accelerators_.insert(other.accelerators_.begin(), other.accelerators_.end());
    icons_.insert(other.icons_.begin(), other.icons_.end());
}

const DialogTemplate* ResourceSet::FindDialog(const std::string& name) const {
    auto it = dialogs_.find(name);
    if (it == dialogs_.end()) {
        // Aliases resolve one level only, so a table mistake cannot loop.
        auto alias = aliases_.find(name);
        if (alias == aliases_.end())
            return nullptr;
        it = dialogs_.find(alias->second);
        if (it == dialogs_.end())
            return nullptr;
    }
    return &it->second;
}

const MenuSpec* ResourceSet::FindMenu(const std::string& name) const {
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : &it->second;
}

const AcceleratorTable* ResourceSet::FindAccelerators(const std::string& name) const {
    auto it = accelerators_.find(name);
    return it == accelerators_.end() ? nullptr : &it->second;
}

const IconSpec* ResourceSet::FindIcon(const std::string& name) const {
    auto it = icons_.find(name);
    return it == icons_.end() ? nullptr : &it->second;
}

} // namespace resources
