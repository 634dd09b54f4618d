// The rules for an event's options, written once for the player and the game
// check: positions, layer numbers, operators, conditions, list counts,
// division by zero and the entries an event cannot do without. Each problem
// says which argument, what is wrong and the values involved; the player
// turns the refused ones into its "invalid option" and "missing entry"
// reports, the check into findings.
#pragma once

#include "scenario/EventLists.h"
#include "scenario/VNEvent.h"

#include <cstdint>
#include <optional>
#include <vector>

struct OptionProblem {
    enum class What {
        OutOfRange,     // `value` is not one of the codes the option allows
        Missing,        // an entry the event needs is empty
        DivisionByZero, // operator `value` (3 division, 4 remainder) with a right operand of 0
        NegativeCount,  // the list count `value` is below 0
        TooFewEntries,  // the list ends after `other` entries, before the count `value`
        BadLayer,       // list entry `other` (from 0) names layer `value`, not one of 0..10
        ExtraEntries,   // the list holds `other` entries beyond the count `value`
        FewerButtons,   // the count is `value` but the list holds only `other` buttons
        MoreButtons,    // the list holds `other` buttons, more than the count `value`
        NoWayOut,       // no button and no cancel label: the choice never ends
    };
    What what;
    int32_t argument; // the argument concerned, counted from 0
    int32_t value = 0;
    int32_t other = 0;
    // The player refuses the event with a report; otherwise it goes on and
    // the problem is a likely slip.
    bool refused = true;
};

using OptionProblems = std::vector<OptionProblem>;

// Every option problem of `event` that its own arguments show, in the order
// the player meets them; none for types without options. A right operand
// that names a parameter or "RAND" is judged when it is known (see
// ParamOperatorProblem).
OptionProblems FindOptionProblems(const VNEvent& event);

// The first problem of `what` at `argument`, or null.
const OptionProblem* FindProblem(const OptionProblems& problems, int32_t argument,
                                 OptionProblem::What what);
// The answer points into `problems`, so they must outlive it.
const OptionProblem* FindProblem(OptionProblems&& problems, int32_t argument,
                                 OptionProblem::What what) = delete;

// The setparam operator `op` (argument 2) applied to a right operand whose
// value is `right`: OutOfRange for an operator outside 0..12, DivisionByZero
// for 3 or 4 with `right` 0. The player asks with the value it evaluated.
std::optional<OptionProblem> ParamOperatorProblem(int32_t op, int32_t right);

// The anime event's list problems as ReadAnimeList found them (count in
// argument 1, list in argument 2), for a caller that has read the list.
void AddAnimeListProblems(int32_t count, const AnimeList& list, OptionProblems& problems);

// Whether `value` is one of the codes 0, 1, 2 that most options allow.
constexpr bool IsCodeZeroToTwo(int32_t value) {
    return value >= 0 && value <= 2;
}
