// The debug menu's game check: the findings of the game being played, each
// opening the event list of its file at its line.
#include "debugger/VNDDebug.h"
#include "debugger/VNDEventList.h"
#include "gamecheck/GameCheck.h"
#include "gamecheck/window/FindingsDialog.h"
#include "platform/MessageBox.h"
#include "scenario/VNEventFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

using namespace platform;

namespace {

// The name the game gives a finding's file in its event/ folder ("sub\a.evt"
// for "event/sub/a.evt"); false for a file outside that folder.
bool EventFileName(const std::string& relative, VNString& name) {
    const size_t slash = relative.find('/');
    if (slash == std::string::npos) {
        return false;
    }
    std::string folder = relative.substr(0, slash);
    std::transform(folder.begin(), folder.end(), folder.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string rest = relative.substr(slash + 1);
    std::replace(rest.begin(), rest.end(), '/', '\\');
    return folder == "event" && !rest.empty() && VNString::FromUtf8(rest, name);
}

} // namespace

void VNDDebug::CheckGame() {
    const WindowHandle owner = OwnerWindow();
    gamecheck::CheckResult result = gamecheck::CheckGame(gameFolder_);
    if (!result.isGame) {
        VNString reason;
        if (!VNString::FromUtf8(result.notGameReason, reason)) {
            reason = VNString();
        }
        ShowMessage(owner, VNString(u8"ゲームフォルダではありません。\n") + reason,
                    VNString(u8"ゲームのチェック"), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    FindingsDialog dialog(std::move(result.findings),
                          [this](const gamecheck::Finding& finding, WindowHandle list) {
                              return OpenFinding(finding, list);
                          });
    dialog.Run(owner);
}

bool VNDDebug::OpenFinding(const gamecheck::Finding& finding, WindowHandle owner) {
    VNString name;
    if (!EventFileName(finding.file, name)) {
        return false; // game.ini or a flag-data file: no event to show
    }
    const int32_t index = std::max(finding.line - 1, 0);
    const std::string path = (std::filesystem::path(gameFolder_) / finding.file).string();
    std::error_code error;
    // Paused at an event, the running file's list is the debug window's own:
    // its edits and its jump count as made here.
    if (navigation_ && events_ && running_.Events() == events_ &&
        std::filesystem::equivalent(path, running_.Path(), error)) {
        VNDEventList list(running_, index);
        list.Run(owner);
        const bool jumped = list.JumpIndex() != -1;
        if (jumped) {
            lineNumber_ = list.JumpIndex() + 1;
        }
        eventText_ = NextEventText();
        FillFields();
        return jumped;
    }
    // Another file (or the running one while the game runs) as it is on disk.
    vn::FileStamp read = vn::FileStamp::Take(path);
    auto events = std::make_unique<VNEventFile>();
    if (!events->Load(path)) {
        ShowMessage(owner,
                    VNString(u8"イベントファイル\"") + name +
                        VNString(u8"\"を読み込めませんでした。"),
                    VNString(u8"ゲームのチェック"), MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    VNDEventList list(*events, name, gameFolder_, index);
    list.Run(owner);
    if (list.JumpIndex() == -1 || !navigation_ || !running_.ConfirmDiscard(owner)) {
        return false;
    }
    // A jump goes there as the debug window's file selector would.
    if (!list.Modified()) {
        read = vn::FileStamp::Take(path); // the list may have saved it
    }
    replacement_ = std::move(events);
    events_ = replacement_.get();
    fileName_ = name;
    running_.Read(name, events_, read);
    if (list.Modified()) {
        running_.MarkEdited(); // kept unsaved in the list
    }
    lineNumber_ = list.JumpIndex() + 1;
    Refresh();
    return true;
}
