// The breakpoint table on its own: following inserted and removed events,
// and the file that keeps it, read back exactly or not at all.
#include "debugger/BreakpointStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Indexes and conditions' values of the breakpoints of `file`.
std::vector<std::pair<int32_t, int32_t>> Marks(const Breakpoints& table, const char* file) {
    std::vector<std::pair<int32_t, int32_t>> marks;
    for (const Breakpoints::Entry& e : table.EntriesOf(VNString(file)))
        marks.emplace_back(e.index, e.condition ? e.condition->value : -1);
    return marks;
}

} // namespace

TEST(BreakpointTable, BreakpointsAndRunToFollowInsertedAndRemovedEvents) {
    using Marks_ = std::vector<std::pair<int32_t, int32_t>>;
    struct Case {
        const char* name;
        char edit; // 'i' inserted at, 'r' removed at
        int32_t at;
        Marks_ expected; // the marks at 2 (plain) and 5 (value 7) after the edit
        int32_t runTo;   // where run to (set at 5) stops then, -1: nowhere
    };
    const Case cases[] = {
        {"insert before both", 'i', 0, {{3, -1}, {6, 7}}, 6},
        {"insert at the first", 'i', 2, {{3, -1}, {6, 7}}, 6},
        {"insert between", 'i', 3, {{2, -1}, {6, 7}}, 6},
        {"insert after both", 'i', 6, {{2, -1}, {5, 7}}, 5},
        {"remove before both", 'r', 0, {{1, -1}, {4, 7}}, 4},
        {"remove the first", 'r', 2, {{4, 7}}, 4},
        {"remove the second", 'r', 5, {{2, -1}}, -1},
        {"remove after both", 'r', 6, {{2, -1}, {5, 7}}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Breakpoints table;
        table.Toggle(VNString("Start.evt"), 2);
        table.Set(VNString("start.evt"), 5,
                  BreakCondition{VNString("p"), BreakCondition::Compare::Equal, 7});
        table.Set(VNString("other.evt"), 2, std::nullopt);
        table.RunTo(VNString("START.EVT"), 5);
        if (c.edit == 'i')
            table.Inserted(VNString("start.evt"), c.at);
        else
            table.Removed(VNString("start.evt"), c.at);
        EXPECT_EQ(Marks(table, "start.evt"), c.expected);
        EXPECT_EQ(Marks(table, "other.evt"), (Marks_{{2, -1}}));
        BreakGate gate;
        gate.Bind(table, VNString("start.evt"), nullptr);
        for (int32_t i = 0; i < 8; ++i) {
            const bool plain = !c.expected.empty() && c.expected[0] == std::make_pair(i, -1);
            EXPECT_EQ(gate.Stops(i), plain || i == c.runTo) << i;
        }
    }
}

TEST(BreakpointTable, TheFileReadsBackExactlyAndAnythingDamagedGivesNoStops) {
    ProbeStops stops;
    stops.breakpoints.Toggle(VNString("start.evt"), 3);
    stops.breakpoints.Set(VNString(u8"第二.evt"), 0,
                          BreakCondition{VNString(u8"好感度"), BreakCondition::Compare::Equal, -2});
    stops.watches = {VNString("a"), VNString(u8"好感度")};
    const std::string text = FormatProbeStops(stops);
    const std::string header = "vnprobe breakpoints 1\n";
    struct Case {
        const char* name;
        std::string text;
        bool read;
    };
    const Case cases[] = {
        {"as written", text, true},
        {"only the header", header, true},
        {"cut short", text.substr(0, text.size() - 3), false},
        {"no header", text.substr(header.size()), false},
        {"an index that is no number", header + "b\tstart.evt\t3x\n", false},
        {"a negative index", header + "b\tstart.evt\t-1\n", false},
        {"a comparison out of range", header + "b\tstart.evt\t1\tp\t3\t0\n", false},
        {"a line of another kind", header + "x\tstart.evt\n", false},
        {"an empty name", header + "w\t\n", false},
        {"not UTF-8", header + "w\t\xff\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProbeStops read;
        EXPECT_EQ(ParseProbeStops(c.text, read), c.read);
        const bool all = c.text == text;
        EXPECT_EQ(FormatProbeStops(read), all ? text : header);
    }
}
