// The game check's findings as a list, one line per finding in the form
// `vnscript check` prints. Choosing one (double click, Enter or "開く") hands
// it to the program, which opens its event; the list stays open unless the
// program says it is done. vnprobe and vnevedit both show it.
#pragma once

#include "gamecheck/Finding.h"
#include "window/VNDialog.h"

#include <functional>
#include <vector>

class FindingsDialog : public VNDialog {
public:
    // `list` is the findings dialog's own window, to own what the call shows.
    // True closes the dialog.
    using Choose = std::function<bool(const gamecheck::Finding&, platform::WindowHandle list)>;

    FindingsDialog(std::vector<gamecheck::Finding> findings, Choose choose);

    // Runs the list modally over `owner`.
    void Run(platform::WindowHandle owner);

    const std::vector<gamecheck::Finding>& Findings() const { return findings_; }

    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void ChooseSelected();

    std::vector<gamecheck::Finding> findings_;
    Choose choose_;
};

// The heading over the list: "エラー 2 件、警告 1 件", or that nothing was found.
VNString FindingsHeading(const std::vector<gamecheck::Finding>& findings);
