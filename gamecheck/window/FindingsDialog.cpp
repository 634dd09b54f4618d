#include "gamecheck/window/FindingsDialog.h"

#include "platform/DialogHost.h"
#include "platform/Message.h"
#include "resources/GameCheckResources.h"

#include <algorithm>

using namespace platform;
namespace id = resources::check_id;

namespace {

// The printed line without its line break; names are UTF-8 on disk, and a
// name that is not shows its bytes as the check printed them.
VNString LineOf(const gamecheck::Finding& finding) {
    std::string line = gamecheck::FormatLine(finding, "");
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    VNString text;
    if (!VNString::FromUtf8(line, text))
        text = VNString(line.c_str());
    return text;
}

} // namespace

VNString FindingsHeading(const std::vector<gamecheck::Finding>& findings) {
    if (findings.empty())
        return VNString(u8"問題は見つかりませんでした。");
    const auto errors = std::count_if(findings.begin(), findings.end(), [](const auto& f) {
        return f.severity == gamecheck::Severity::Error;
    });
    const auto warnings = static_cast<int32_t>(findings.size()) - static_cast<int32_t>(errors);
    return VNString(u8"エラー ") + VNString(static_cast<int32_t>(errors)) +
           VNString(u8" 件、警告 ") + VNString(warnings) + VNString(u8" 件");
}

FindingsDialog::FindingsDialog(std::vector<gamecheck::Finding> findings, Choose choose)
    : findings_(std::move(findings)), choose_(std::move(choose)) {}

void FindingsDialog::Run(WindowHandle owner) {
    ShowModal(VNString(u8"ゲームのチェック"), "IDD_GAMECHECK", owner);
}

bool FindingsDialog::OnInit() {
    DialogHost& c = Controls();
    c.SetText(id::Heading, FindingsHeading(findings_));
    for (const gamecheck::Finding& finding : findings_)
        c.ListAdd(id::List, LineOf(finding));
    c.EnableControl(id::Open, !findings_.empty());
    c.SetFocus(id::List);
    if (!findings_.empty())
        c.ListSetSelection(id::List, 0);
    return false; // the list has the focus already
}

void FindingsDialog::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LowWord(wParam)) {
    case id::Open:
    case resources::IDOK:
        ChooseSelected();
        break;
    case id::List:
        if (HighWord(wParam) == LBN_DBLCLK)
            ChooseSelected();
        break;
    case resources::IDCANCEL:
        EndDialog(0);
        break;
    default:
        break;
    }
}

void FindingsDialog::ChooseSelected() {
    const int selection = Controls().ListGetSelection(id::List);
    if (selection < 0 || selection >= static_cast<int>(findings_.size()))
        return;
    if (choose_ && choose_(findings_[static_cast<size_t>(selection)], Handle()))
        EndDialog(1);
}
