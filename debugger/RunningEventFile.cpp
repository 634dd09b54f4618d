#include "debugger/RunningEventFile.h"

#include "platform/MessageBox.h"
#include "scenario/GamePath.h"
#include "scenario/VNEventFile.h"

#include <filesystem>
#include <system_error>

using namespace platform;

namespace {

const VNString& Caption() {
    static const VNString caption(u8"vnevedit");
    return caption;
}

const VNString& Question() {
    static const VNString question(u8"変更をファイルに保存しますか？");
    return question;
}

} // namespace

RunningEventFile::RunningEventFile(std::string gameFolder) : gameFolder_(std::move(gameFolder)) {}

void RunningEventFile::Read(const VNString& name, VNEventFile* events, const vn::FileStamp& read) {
    name_ = name;
    events_ = events;
    read_ = read;
    edited_ = false;
}

std::string RunningEventFile::Path() const {
    return GamePath(gameFolder_, VNString("event\\") + name_);
}

bool RunningEventFile::Save(WindowHandle owner) {
    if (!events_)
        return false;
    const std::string path = Path();
    // The stamp is of the file as the game named it when it was read.
    if (read_.Path() == path && read_.ChangedOnDisk() &&
        !ConfirmOverwriteChangedFile(owner, name_, Caption()))
        return false;
    // The file is replaced only once it was written whole.
    if (!events_->Save(path)) {
        ShowMessage(owner, VNString(u8"保存に失敗しました。"), Caption(), MsgButtons::Ok,
                    MsgIcon::Warning);
        return false;
    }
    read_ = vn::FileStamp::Take(path);
    edited_ = false;
    ShowMessage(owner, VNString(u8"ファイルに保存しました。"), VNString(u8"確認"), MsgButtons::Ok,
                MsgIcon::None);
    return true;
}

void RunningEventFile::SavedAs(const std::string& native) {
    std::error_code error;
    if (events_ && std::filesystem::equivalent(native, Path(), error)) {
        read_ = vn::FileStamp::Take(Path());
        edited_ = false;
    }
}

bool RunningEventFile::ConfirmDiscard(WindowHandle owner) {
    return ConfirmDiscard(owner, Question());
}

bool RunningEventFile::ConfirmDiscard(WindowHandle owner, const VNString& question) {
    if (!edited_)
        return true;
    if (!ConfirmDiscardChanges(owner, question, Caption(), [&] { return Save(owner); }))
        return false;
    edited_ = false; // saved, or dropped by the author's choice
    return true;
}

void RunningEventFile::SaveBeforeEnd(WindowHandle owner) {
    while (edited_ && ShowMessage(owner, Question(), Caption(), MsgButtons::YesNo,
                                  MsgIcon::Question) == IDYES) {
        Save(owner); // a failed save asks again
    }
    edited_ = false;
}
