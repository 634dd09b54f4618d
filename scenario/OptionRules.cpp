#include "scenario/OptionRules.h"

#include "scenario/private/EventTypeFunctions.h"

namespace {

using What = OptionProblem::What;

// The operator codes of a setparam event: 0 + ... 12 ==.
constexpr int32_t kLastOperator = 12;
constexpr int32_t kDivision = 3;
constexpr int32_t kRemainder = 4;

void CheckZeroToTwo(const VNEvent& e, int32_t argument, bool refused, OptionProblems& problems) {
    const int32_t value = e.GetInt(argument);
    if (!IsCodeZeroToTwo(value))
        problems.push_back({What::OutOfRange, argument, value, 0, refused});
}

void CheckNotEmpty(const VNEvent& e, int32_t argument, OptionProblems& problems) {
    if (e.GetString(argument).IsEmpty())
        problems.push_back({What::Missing, argument});
}

} // namespace

// The rules the event type table points to.
namespace optionrules {

void Character(const VNEvent& e, OptionProblems& problems) {
    // There is a layer for positions 0 (centre), 1 (left) and 2 (right) only.
    CheckZeroToTwo(e, 2, true, problems);
    // A character that leaves has no alignment; another one than 0 (bottom),
    // 1 (centre) or 2 (top) puts the character at the top.
    if (!e.GetString(0).IsEmpty())
        CheckZeroToTwo(e, 3, false, problems);
}

void Flag(const VNEvent& e, OptionProblems& problems) {
    CheckNotEmpty(e, 0, problems);
    CheckZeroToTwo(e, 1, true, problems); // on, off, invert
}

void Jump(const VNEvent& e, OptionProblems& problems) {
    // "LOAD" and "SAVE" open the dialogs; nothing else is read.
    const VNString& target = e.GetString(0);
    if (target == VNString("LOAD") || target == VNString("SAVE"))
        return;
    CheckZeroToTwo(e, 2, true, problems); // always, parameter not 0, parameter 0
}

void SetParam(const VNEvent& e, OptionProblems& problems) {
    CheckNotEmpty(e, 0, problems);
    CheckNotEmpty(e, 1, problems);
    CheckNotEmpty(e, 3, problems);
    // A text of digits and minus signs is a number; the value of any other
    // operand is known only when the event runs, so only a number 0 counts
    // as a division by zero here (1 stands for any other value).
    const VNString& right = e.GetString(3);
    const bool zero = !right.IsEmpty() && right.IsNumeric() && right.ToInt() == 0;
    if (auto problem = ParamOperatorProblem(e.GetInt(2), zero ? 0 : 1))
        problems.push_back(*problem);
}

void BtnSelect(const VNEvent& e, OptionProblems& problems) {
    CheckNotEmpty(e, 0, problems); // the base picture
    // The player shows the buttons the list holds, at most the count.
    const int32_t count = e.GetInt(3);
    const ButtonEntries list = ReadButtonList(count, e.GetString(4));
    if (list.held < count)
        problems.push_back({What::FewerButtons, 3, count, list.held, false});
    else if (list.held > count)
        problems.push_back({What::MoreButtons, 3, count, list.held, false});
    if (list.buttons.empty() && e.GetString(2).IsEmpty())
        problems.push_back({What::NoWayOut, 4, count, 0, false});
}

void Anime(const VNEvent& e, OptionProblems& problems) {
    const int32_t count = e.GetInt(1);
    AddAnimeListProblems(count, ReadAnimeList(count, e.GetString(2)), problems);
}

void Vorbis(const VNEvent& e, OptionProblems& problems) {
    CheckZeroToTwo(e, 1, true, problems); // the channel: music, voice, effects
}

} // namespace optionrules

OptionProblems FindOptionProblems(const VNEvent& event) {
    OptionProblems problems;
    if (const OptionRule rule = event.GetDescriptor().options)
        rule(event, problems);
    return problems;
}

const OptionProblem* FindProblem(const OptionProblems& problems, int32_t argument,
                                 OptionProblem::What what) {
    for (const OptionProblem& problem : problems)
        if (problem.argument == argument && problem.what == what)
            return &problem;
    return nullptr;
}

std::optional<OptionProblem> ParamOperatorProblem(int32_t op, int32_t right) {
    if (op < 0 || op > kLastOperator)
        return OptionProblem{What::OutOfRange, 2, op};
    if ((op == kDivision || op == kRemainder) && right == 0)
        return OptionProblem{What::DivisionByZero, 3, op};
    return std::nullopt;
}

void AddAnimeListProblems(int32_t count, const AnimeList& list, OptionProblems& problems) {
    switch (list.problem) {
    case AnimeList::Problem::None:
        break;
    case AnimeList::Problem::NegativeCount:
        problems.push_back({What::NegativeCount, 1, count});
        break;
    case AnimeList::Problem::TooFewEntries:
        problems.push_back(
            {What::TooFewEntries, 1, count, static_cast<int32_t>(list.entries.size())});
        break;
    case AnimeList::Problem::BadLayer:
        problems.push_back({What::BadLayer, 2, list.badLayer, list.badEntry});
        break;
    }
    if (list.extraEntries > 0)
        problems.push_back({What::ExtraEntries, 2, count, list.extraEntries, false});
}
