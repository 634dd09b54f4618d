// Live reload of the running event file while the interpreter is paused.
#include "debugger/ReloadPlace.h"
#include "debugger/VNDDebug.h"
#include "player/VNPWindow.h"
#include "scenario/VNEventFile.h"

using namespace platform;

namespace {

VNString Quoted(const VNString& name) {
    return VNString(u8"イベントファイル\"") + name + VNString(u8"\"");
}

VNString ReloadedText(const VNString& name, const ReloadPlace& place) {
    VNString where;
    switch (place.how) {
    case ReloadPlace::How::SameEvent:
        where = VNString(u8"同じイベント（行番号：") + VNString(place.index + 1) +
                VNString(u8"）から続けます。");
        break;
    case ReloadPlace::How::Label:
        where = VNString(u8"ラベル\"") + place.label + VNString(u8"\"（行番号：") +
                VNString(place.index + 1) + VNString(u8"）から続けます。");
        break;
    case ReloadPlace::How::Start:
        where = VNString(u8"ファイルの先頭から続けます。");
        break;
    }
    return Quoted(name) + VNString(u8"がディスク上で変更されたため、読み込み直しました。\r\n") +
           where;
}

} // namespace

WindowHandle VNDDebug::OwnerWindow() const {
    if (IsVisible()) {
        return Handle();
    }
    return main_ && main_->IsOpen() ? main_->Handle() : nullptr;
}

void VNDDebug::ReloadIfChanged() {
    // Only at an event the interpreter has not begun: it takes the new file
    // when the pause ends, as after a jump chosen here.
    if (!navigation_ || !events_ || running_.Events() != events_) {
        return;
    }
    const std::string path = running_.Path();
    if (watch_.Path() != path) {
        watch_.Watch(path, [this] { ReloadIfChanged(); });
    }
    // Taken before the read: a change made meanwhile is seen next time.
    vn::FileStamp now = vn::FileStamp::Take(path, running_.Stamp());
    const bool seenBefore = notReloaded_.Path() == path && !now.DiffersFrom(notReloaded_);
    if (!now.Exists() || !now.DiffersFrom(running_.Stamp()) || seenBefore) {
        return;
    }
    if (running_.Edited()) {
        // Yes saves the debugger's edits over the change, No drops them and
        // reads the file, Cancel keeps them and leaves the file unread.
        const VNString question =
            Quoted(fileName_) + VNString(u8"がディスク上で変更されました。\n読み込み直す前に、変更"
                                         u8"をファイルに保存しますか？");
        if (!running_.ConfirmDiscard(OwnerWindow(), question)) {
            notReloaded_ = now;
            SetStatus(Quoted(fileName_) + VNString(u8"がディスク上で変更されましたが、デバッガでの"
                                                   u8"変更を残すため読み込み直していません。"));
            Refresh();
            return;
        }
        now = vn::FileStamp::Take(path, running_.Stamp());
        if (!now.DiffersFrom(running_.Stamp())) {
            return; // saved: the file holds the debugger's events now
        }
    }
    auto fresh = std::make_unique<VNEventFile>();
    if (!fresh->Load(path)) {
        // Perhaps still being written: the next change is looked at again.
        notReloaded_ = now;
        SetStatus(Quoted(fileName_) +
                  VNString(u8"がディスク上で変更されましたが、読み込めませんでした。"));
        Refresh();
        return;
    }
    const ReloadPlace place = PlaceAfterReload(*events_, lineNumber_ - 1, *fresh);
    replacement_ = std::move(fresh);
    events_ = replacement_.get();
    running_.Read(fileName_, events_, now);
    notReloaded_ = vn::FileStamp();
    lineNumber_ = place.index + 1;
    SetStatus(ReloadedText(fileName_, place));
    Refresh();
}
