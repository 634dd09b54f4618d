#include "debugger/Breakpoints.h"

#include "scenario/ShiftJis.h"
#include "scenario/VNParamFile.h"

#include <algorithm>

std::string Breakpoints::Key(const VNString& file) {
    // Event file names are matched as the game's file system matches them:
    // "Start.evt" and "start.evt" are one file. Only single-byte letters
    // fold; the second byte of a double-byte character stays as it is.
    std::string key = file.Bytes();
    for (size_t i = 0; i < key.size(); ++i) {
        const auto c = static_cast<unsigned char>(key[i]);
        if (vn::sjis::IsLeadByte(c)) {
            ++i;
        } else if (c >= 'A' && c <= 'Z') {
            key[i] = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

Breakpoints::FileMarks* Breakpoints::Find(const VNString& file) {
    const auto found = files_.find(Key(file));
    return found == files_.end() ? nullptr : &found->second;
}

const Breakpoints::FileMarks* Breakpoints::Find(const VNString& file) const {
    const auto found = files_.find(Key(file));
    return found == files_.end() ? nullptr : &found->second;
}

bool Breakpoints::Has(const VNString& file, int32_t index) const {
    const FileMarks* marks = Find(file);
    return marks && index >= 0 && static_cast<size_t>(index) < marks->marks.size() &&
           marks->marks[static_cast<size_t>(index)];
}

void Breakpoints::Toggle(const VNString& file, int32_t index) {
    if (Has(file, index)) {
        FileMarks& marks = *Find(file);
        marks.marks[static_cast<size_t>(index)] = false;
        marks.conditions.erase(index);
        Changed();
        return;
    }
    Set(file, index, std::nullopt);
}

void Breakpoints::Set(const VNString& file, int32_t index,
                      std::optional<BreakCondition> condition) {
    if (index < 0) {
        return;
    }
    FileMarks& marks = files_[Key(file)];
    if (marks.name.IsEmpty()) {
        marks.name = file;
    }
    if (static_cast<size_t>(index) >= marks.marks.size()) {
        marks.marks.resize(static_cast<size_t>(index) + 1, false);
    }
    marks.marks[static_cast<size_t>(index)] = true;
    if (condition) {
        marks.conditions[index] = *condition;
    } else {
        marks.conditions.erase(index);
    }
    Changed();
}

std::optional<BreakCondition> Breakpoints::ConditionAt(const VNString& file, int32_t index) const {
    const FileMarks* marks = Find(file);
    if (!marks) {
        return std::nullopt;
    }
    const auto found = marks->conditions.find(index);
    if (found == marks->conditions.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<Breakpoints::Entry> Breakpoints::EntriesOf(const VNString& file) const {
    std::vector<Entry> entries;
    const FileMarks* marks = Find(file);
    if (!marks) {
        return entries;
    }
    for (size_t i = 0; i < marks->marks.size(); ++i) {
        if (marks->marks[i]) {
            const int32_t index = static_cast<int32_t>(i);
            entries.push_back({index, ConditionAt(file, index)});
        }
    }
    return entries;
}

std::vector<VNString> Breakpoints::Files() const {
    std::vector<VNString> names;
    for (const auto& [key, marks] : files_) {
        if (std::find(marks.marks.begin(), marks.marks.end(), true) != marks.marks.end()) {
            names.push_back(marks.name);
        }
    }
    return names;
}

void Breakpoints::Clear() {
    files_.clear();
    runTo_.reset();
    Changed();
}

void Breakpoints::Inserted(const VNString& file, int32_t index) {
    if (index < 0) {
        return;
    }
    if (runTo_ && runTo_->key == Key(file) && runTo_->index >= index) {
        ++runTo_->index;
    }
    if (FileMarks* marks = Find(file); marks && static_cast<size_t>(index) < marks->marks.size()) {
        marks->marks.insert(marks->marks.begin() + index, false);
        std::map<int32_t, BreakCondition> moved;
        for (auto& [at, condition] : marks->conditions) {
            moved.emplace(at >= index ? at + 1 : at, std::move(condition));
        }
        marks->conditions = std::move(moved);
    }
    Changed();
}

void Breakpoints::Removed(const VNString& file, int32_t index) {
    if (index < 0) {
        return;
    }
    if (runTo_ && runTo_->key == Key(file)) {
        if (runTo_->index == index) {
            runTo_.reset();
        } else if (runTo_->index > index) {
            --runTo_->index;
        }
    }
    if (FileMarks* marks = Find(file); marks && static_cast<size_t>(index) < marks->marks.size()) {
        marks->marks.erase(marks->marks.begin() + index);
        std::map<int32_t, BreakCondition> moved;
        for (auto& [at, condition] : marks->conditions) {
            if (at != index) {
                moved.emplace(at > index ? at - 1 : at, std::move(condition));
            }
        }
        marks->conditions = std::move(moved);
    }
    Changed();
}

void Breakpoints::RunTo(const VNString& file, int32_t index) {
    runTo_ = Stop{Key(file), index};
    Changed();
}

void Breakpoints::CancelRunTo() {
    if (runTo_) {
        runTo_.reset();
        Changed();
    }
}

void BreakGate::Bind(const Breakpoints& table, const VNString& file, const ParamResolver& resolve) {
    revision_ = table.Revision();
    slots_.clear();
    conditions_.clear();
    runTo_ = table.runTo_ && table.runTo_->key == Breakpoints::Key(file) ? table.runTo_->index : -1;
    const Breakpoints::FileMarks* marks = table.Find(file);
    // A file without any mark keeps no slots: nothing is looked at per event.
    if (!marks || std::find(marks->marks.begin(), marks->marks.end(), true) == marks->marks.end()) {
        return;
    }
    slots_.assign(marks->marks.size(), kNone);
    for (size_t i = 0; i < marks->marks.size(); ++i) {
        if (marks->marks[i]) {
            slots_[i] = kPlain;
        }
    }
    for (const auto& [index, condition] : marks->conditions) {
        Resolved resolved{condition.compare, condition.value, nullptr, -1};
        if (resolve && !resolve(condition.param, resolved.table, resolved.index)) {
            resolved.table = nullptr;
        }
        slots_[static_cast<size_t>(index)] = static_cast<int32_t>(conditions_.size());
        conditions_.push_back(resolved);
    }
}

bool BreakGate::Holds(const Resolved& condition) {
    // A condition on a parameter no table declares never holds.
    if (!condition.table) {
        return false;
    }
    return BreakCondition::Holds(condition.compare, condition.table->GetValue(condition.index),
                                 condition.value);
}
