// vnevedit's "このファイルをチェック": the game check on the game folder that
// holds the open file in its event/ folder, with the findings of this file;
// choosing one selects its event.
#include "eventeditor/EventEditDlg.h"
#include "gamecheck/GameCheck.h"
#include "gamecheck/window/FindingsDialog.h"
#include "platform/MessageBox.h"
#include "resources/EventEditorResources.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace id = resources::event_edit;

namespace {

// The game folder of an event file in <game>/event/ (any letter case), and
// the file's name as the check gives it; false when the file is elsewhere.
bool GameFolderOf(const std::string& native, std::string& game, std::string& relative) {
    if (native.empty())
        return false;
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(native, error);
    if (error)
        return false;
    const std::filesystem::path folder = full.parent_path();
    std::string folderName = folder.filename().string();
    std::transform(folderName.begin(), folderName.end(), folderName.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (folderName != "event")
        return false;
    game = folder.parent_path().string();
    relative = folder.filename().string() + "/" + full.filename().string();
    return true;
}

} // namespace

void EventEditDlg::CheckThisFile() {
    const VNString caption(u8"このファイルをチェック");
    std::string game;
    std::string relative;
    gamecheck::CheckResult result;
    if (GameFolderOf(fileName_, game, relative))
        result = gamecheck::CheckGame(game);
    if (game.empty() || !result.isGame) {
        platform::ShowMessage(
            Handle(),
            VNString(
                u8"このファイルはゲームフォルダの event フォルダにないため、チェックできません。"),
            caption, platform::MsgButtons::Ok, platform::MsgIcon::Warning);
        return;
    }
    std::vector<gamecheck::Finding> mine;
    std::copy_if(result.findings.begin(), result.findings.end(), std::back_inserter(mine),
                 [&](const gamecheck::Finding& f) { return f.file == relative; });
    // The check reads the file as saved; unsaved changes may have moved lines.
    FindingsDialog dialog(
        std::move(mine), [this](const gamecheck::Finding& f, platform::WindowHandle) {
            Controls().SetFocus(id::List);
            Controls().ListSetSelection(id::List, std::clamp(f.line - 1, 0, events_->GetCount()));
            return true;
        });
    dialog.Run(Handle());
}
