// The report operations of the player: each builds its dialog with the main
// window as owner, fills the position from the interpreter's state and
// shows it modally.
#include "platform/MessageBox.h"
#include "player/VNDReports.h"
#include "player/VNPWindow.h"
#include "player/VNPlayer.h"
#include "scenario/Summary.h"
#include "scenario/VNEventFile.h"

platform::WindowHandle VNPlayer::ReportOwner() const {
    return window_ && window_->IsOpen() ? window_->Handle() : nullptr;
}

ReportPosition VNPlayer::CurrentPosition() const {
    ReportPosition position;
    if (!eventFile_) {
        return position; // nothing loaded yet: the place is left empty
    }
    position.file = eventFileName_;
    if (programCounter_ >= 0 && programCounter_ < eventFile_->GetCount()) {
        position.line = VNString(programCounter_ + 1);
        const platform::WindowHandle owner = ReportOwner();
        position.summary =
            PlayerSummary(*eventFile_->Get(programCounter_), [owner](const VNString& text,
                                                                     const VNString& caption) {
                platform::ShowMessage(owner, text, caption, platform::MsgButtons::Ok,
                                      platform::MsgIcon::Warning);
            }).PrefixBytes(kListLineBytes);
    }
    return position;
}

void VNPlayer::ReportCriticalError(const VNString& message) {
    VNDCriticalError(edition_, message).Show(ReportOwner());
}

void VNPlayer::ReportEvtLoadError(const VNString& targetFile, const VNString& targetLabel) {
    VNDEvtLoadError(edition_, CurrentPosition(), targetFile, targetLabel).Show(ReportOwner());
}

void VNPlayer::ReportEvtLoadErrorWhileLoading(const VNString& targetFile) {
    // A load has no current event yet: the place names the load itself.
    ReportPosition position;
    position.file = VNString(u8"ロード中");
    VNDEvtLoadError(edition_, position, targetFile, VNString()).Show(ReportOwner());
}

void VNPlayer::ReportLabelUndefined(const VNString& targetFile, const VNString& label) {
    VNDLabelUndefined(edition_, CurrentPosition(), targetFile, label).Show(ReportOwner());
}

void VNPlayer::ReportMissingEntry(const VNString& item) {
    VNDMissingEntry(edition_, CurrentPosition(), item).Show(ReportOwner());
}

void VNPlayer::ReportParamUndeclared(const VNString& name) {
    VNDParamUndeclared(edition_, CurrentPosition(), name).Show(ReportOwner());
}

void VNPlayer::ReportInvalidOption(const VNString& itemAndContent) {
    VNDInvalidOption(edition_, CurrentPosition(), itemAndContent).Show(ReportOwner());
}

void VNPlayer::ReportImageLoadError(const VNString& colourImage, const VNString& maskImage) {
    VNDImageLoadError::Verifier verify;
    if (edition_ == PlayerEdition::Probe && imageExplainer_) {
        verify = [this, colourImage, maskImage] {
            return VNString(
                reinterpret_cast<const char8_t*>(imageExplainer_(colourImage, maskImage).c_str()));
        };
    }
    VNDImageLoadError(edition_, CurrentPosition(), colourImage, maskImage, std::move(verify))
        .Show(ReportOwner());
}

void VNPlayer::ReportImageAlreadyLoaded(int32_t layer, const VNString& colourImage,
                                        const VNString& maskImage) {
    // Both players show this report, so a repeated image never ends a game
    // without a word.
    VNDImageAlreadyLoaded(edition_, CurrentPosition(), layer, colourImage, maskImage)
        .Show(ReportOwner());
}

void VNPlayer::ReportLoadError(const VNString& message) {
    VNDLoadError(edition_, message).Show(ReportOwner());
}

void VNPlayer::ReportSaveError(const VNString& message) {
    VNDSaveError(edition_, message).Show(ReportOwner());
}
