#include "debugger/VNDLoadEventFile.h"

#include "eventeditor/VNDEventForm.h"
#include "platform/FileChooser.h"
#include "resources/DebuggerResources.h"

#include <filesystem>
#include <system_error>

using namespace platform;
namespace id = resources::debug_id;

namespace {

constexpr int kNameLimit = 65535;

} // namespace

VNDLoadEventFile::VNDLoadEventFile(VNString name, std::string eventFolder)
    : name_(std::move(name)), eventFolder_(std::move(eventFolder)) {}

bool VNDLoadEventFile::Run(WindowHandle owner) {
    return ShowModal(VNString(u8"ジャンプ先指定"), "IDD_LOADEVENTFILE", owner) == 1;
}

bool VNDLoadEventFile::OnInit() {
    Controls().SetTextLimit(id::EventFile, kNameLimit);
    Controls().SetText(id::EventFile, name_);
    return true;
}

void VNDLoadEventFile::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LowWord(wParam)) {
    case id::Browse:
        Browse();
        break;
    case resources::IDOK:
        name_ = Controls().GetText(id::EventFile);
        EndDialog(1);
        break;
    case resources::IDCANCEL:
        EndDialog(0);
        break;
    default:
        break;
    }
}

void VNDLoadEventFile::Browse() {
    // Whatever the chooser does to the current directory, the player's
    // relative paths must keep meaning what they meant.
    std::error_code error;
    const std::filesystem::path remembered = std::filesystem::current_path(error);

    const std::vector<FileFilter> filters = {{VNString(u8"ｲﾍﾞﾝﾄﾌｧｲﾙ(*.evt)"), VNString(u8"*.evt")}};
    VNString initial;
    if (!VNString::FromUtf8(eventFolder_ + "/", initial)) {
        initial = VNString();
    }
    initial = initial + Controls().GetText(id::EventFile);
    VNString chosen;
    if (ChooseOpenFile(VNString(u8"ジャンプ先イベントファイルを選択する"), filters, &initial,
                       chosen, Handle())) {
        const VNString name = FileNamePart(chosen);
        if (!name.IsEmpty()) {
            Controls().SetText(id::EventFile, name);
        }
    }
    if (!error) {
        std::filesystem::current_path(remembered, error);
    }
}
