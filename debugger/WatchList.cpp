#include "debugger/WatchList.h"

std::optional<int32_t> WatchList::Read(const VNString& name, const ParamLookup& lookup) {
    int32_t value = 0;
    if (lookup && lookup(name, value)) {
        return value;
    }
    return std::nullopt;
}

bool WatchList::Add(const VNString& name, const ParamLookup& lookup) {
    if (name.IsEmpty()) {
        return false;
    }
    for (const Line& line : lines_) {
        if (line.name == name) {
            return false;
        }
    }
    const std::optional<int32_t> value = Read(name, lookup);
    lines_.push_back({name, value, false});
    reference_.push_back(value);
    return true;
}

void WatchList::Remove(size_t index) {
    if (index < lines_.size()) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
        reference_.erase(reference_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::vector<VNString> WatchList::Names() const {
    std::vector<VNString> names;
    for (const Line& line : lines_) {
        names.push_back(line.name);
    }
    return names;
}

void WatchList::Update(const ParamLookup& lookup) {
    for (size_t i = 0; i < lines_.size(); ++i) {
        lines_[i].value = Read(lines_[i].name, lookup);
        lines_[i].changed = lines_[i].value != reference_[i];
    }
}

void WatchList::Resume(const ParamLookup& lookup) {
    Update(lookup);
    for (size_t i = 0; i < lines_.size(); ++i) {
        reference_[i] = lines_[i].value;
    }
}

VNString WatchList::Text(const Line& line) {
    const VNString value = line.value ? VNString(*line.value) : VNString(u8"？");
    return VNString(line.changed ? u8"＊" : u8"　") + line.name + VNString(u8" = ") + value;
}
