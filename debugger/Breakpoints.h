// The breakpoints of a game as the debug window keeps them: per event file
// (named as the game names it, letters in either case), a mark per event
// index and, for some marks, a condition on a parameter; and the one-shot
// stop of "run to here". The table knows nothing of windows, so the pause
// decision can be tested and measured on its own.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class VNParamFile;

// A condition on a parameter, with the two comparisons of the jump event
// against any value instead of 0 only.
struct BreakCondition {
    enum class Compare : int32_t {
        NotEqual = 1, // as the jump's condition 1: the value is not `value`
        Equal = 2,    // as the jump's condition 2: the value is `value`
    };
    VNString param;
    Compare compare = Compare::NotEqual;
    int32_t value = 0;

    static bool Holds(Compare compare, int32_t actual, int32_t value) {
        return compare == Compare::Equal ? actual == value : actual != value;
    }
    bool Holds(int32_t actual) const { return Holds(compare, actual, value); }
    bool operator==(const BreakCondition&) const = default;
};

// Finds a parameter's value by name; false when no table declares it.
using ParamLookup = std::function<bool(const VNString& name, int32_t& value)>;

class Breakpoints {
public:
    struct Entry {
        int32_t index = 0;
        std::optional<BreakCondition> condition;
    };

    bool Has(const VNString& file, int32_t index) const;
    // Sets a plain breakpoint, or clears one (with its condition).
    void Toggle(const VNString& file, int32_t index);
    // Sets a breakpoint with `condition` (none: a plain one).
    void Set(const VNString& file, int32_t index, std::optional<BreakCondition> condition);
    std::optional<BreakCondition> ConditionAt(const VNString& file, int32_t index) const;
    // The breakpoints of `file` in index order.
    std::vector<Entry> EntriesOf(const VNString& file) const;
    // Every file with breakpoints, by the name it was first given.
    std::vector<VNString> Files() const;
    void Clear();

    // An event was inserted at `index` of `file`, or the one there was
    // removed: the breakpoints (and the run-to stop) after it move with
    // their events; a removed event's breakpoint goes with it.
    void Inserted(const VNString& file, int32_t index);
    void Removed(const VNString& file, int32_t index);

    // Run to here: a stop before event `index` of `file` until the next pause.
    void RunTo(const VNString& file, int32_t index);
    void CancelRunTo();

    // Bumped by every change, so that a gate knows when to bind again.
    uint64_t Revision() const { return revision_; }

private:
    friend class BreakGate;
    struct FileMarks {
        VNString name;
        std::vector<bool> marks; // flat: index -> breakpoint
        std::map<int32_t, BreakCondition> conditions;
    };
    struct Stop {
        std::string key;
        int32_t index = 0;
    };
    static std::string Key(const VNString& file);
    FileMarks* Find(const VNString& file);
    const FileMarks* Find(const VNString& file) const;
    void Changed() { ++revision_; }

    std::map<std::string, FileMarks> files_;
    std::optional<Stop> runTo_;
    uint64_t revision_ = 1;
};

// Finds where a parameter is kept: its table and its index there; false
// when no table declares it.
using ParamResolver =
    std::function<bool(const VNString& name, const VNParamFile*& table, int32_t& index)>;

// The check made before every event: bound to the running file and the
// parameter tables once, then a flat lookup per event. Binding resolves each
// condition's parameter to its place in a table, so a condition costs one
// read of a value.
class BreakGate {
public:
    // Binds to `file` of `table`; the tables `resolve` finds must stay as
    // they are until the next Bind.
    void Bind(const Breakpoints& table, const VNString& file, const ParamResolver& resolve);
    // Whether the binding is of an older revision of the table.
    bool Stale(const Breakpoints& table) const { return revision_ != table.Revision(); }

    bool Stops(int32_t index) const {
        if (index == runTo_) {
            return true;
        }
        if (static_cast<size_t>(index) >= slots_.size()) {
            return false;
        }
        const int32_t slot = slots_[static_cast<size_t>(index)];
        return slot == kPlain || (slot >= 0 && Holds(conditions_[static_cast<size_t>(slot)]));
    }

private:
    static constexpr int32_t kNone = -1;
    static constexpr int32_t kPlain = -2;
    struct Resolved {
        BreakCondition::Compare compare;
        int32_t value;
        const VNParamFile* table; // null: no table declares the parameter
        int32_t index;
    };
    static bool Holds(const Resolved& condition);

    // Per event of the bound file: kNone, kPlain or an index into conditions_;
    // empty when the file has no breakpoint.
    std::vector<int32_t> slots_;
    std::vector<Resolved> conditions_;
    int32_t runTo_ = -1;
    uint64_t revision_ = 0;
};
