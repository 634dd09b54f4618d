// The find dialog "検索" of vnevedit: the text to look for, and whether to
// look towards the end of the list or towards its start.
#pragma once

#include "scenario/VNString.h"
#include "window/VNDialog.h"

class FindDialog : public VNDialog {
public:
    enum class Direction { None, Next, Previous };

    // Shows the dialog over `owner` with `text` filled in. On "次を検索" or
    // "前を検索" with some text typed, `text` holds it and the direction is
    // returned; otherwise None and `text` stays.
    Direction Run(VNString& text, platform::WindowHandle owner);

    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void Choose(Direction direction);

    VNString text_;
    Direction direction_ = Direction::None;
};
