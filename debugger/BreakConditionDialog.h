// The condition of one breakpoint: a parameter name, one of the jump
// event's two comparisons and a value. An empty name makes the breakpoint a
// plain one again.
#pragma once

#include "debugger/Breakpoints.h"
#include "window/VNDialog.h"

#include <optional>

class BreakConditionDialog : public VNDialog {
public:
    explicit BreakConditionDialog(std::optional<BreakCondition> condition)
        : condition_(std::move(condition)) {}

    // True when the author pressed OK; Condition() then holds the choice.
    bool Run(platform::WindowHandle owner);
    const std::optional<BreakCondition>& Condition() const { return condition_; }

    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    std::optional<BreakCondition> condition_;
};
