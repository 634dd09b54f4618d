// The parameters the author watches, by name, with the values they had when
// last looked at. A value is marked as changed when it differs from the one
// it had when the game last went on from a pause (or a step began), so the
// marks seen at a pause tell what the run since the previous pause changed.
#pragma once

#include "debugger/Breakpoints.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <optional>
#include <vector>

class WatchList {
public:
    struct Line {
        VNString name;
        std::optional<int32_t> value; // none: no table declares the name
        bool changed = false;
    };

    // Adds `name` (once; false when empty or already watched); it starts
    // unmarked with its value now.
    bool Add(const VNString& name, const ParamLookup& lookup);
    void Remove(size_t index);
    std::vector<VNString> Names() const;
    const std::vector<Line>& Lines() const { return lines_; }

    // Reads the values again and marks those that differ from the values
    // when the game last went on.
    void Update(const ParamLookup& lookup);
    // The game goes on from a pause: the values now are what later values
    // are compared with.
    void Resume(const ParamLookup& lookup);

    // "name = value", a changed one led by "＊", an undeclared one "name = ？".
    static VNString Text(const Line& line);

private:
    static std::optional<int32_t> Read(const VNString& name, const ParamLookup& lookup);

    std::vector<Line> lines_;
    std::vector<std::optional<int32_t>> reference_;
};
