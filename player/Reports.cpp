#include "player/Reports.h"

#include "platform/MessageBox.h"
#include "player/PlayerContext.h"
#include "player/VNDReports.h"
#include "scenario/Summary.h"
#include "scenario/VNEventFile.h"

ReportPosition Reports::CurrentPosition() const {
    ReportPosition position;
    const RunningEvent running = running_ ? running_() : RunningEvent();
    if (!running.file) {
        return position; // nothing loaded yet: the place is left empty
    }
    position.file = running.fileName;
    if (running.index >= 0 && running.index < running.file->GetCount()) {
        position.line = VNString(running.index + 1);
        const platform::WindowHandle owner = context_.DialogOwner();
        position.summary =
            PlayerSummary(*running.file->Get(running.index), [owner](const VNString& text,
                                                                     const VNString& caption) {
                platform::ShowMessage(owner, text, caption, platform::MsgButtons::Ok,
                                      platform::MsgIcon::Warning);
            }).PrefixBytes(kListLineBytes);
    }
    return position;
}

void Reports::ReportCriticalError(const VNString& message) {
    VNDCriticalError(context_.Edition(), message).Show(context_.DialogOwner());
}

void Reports::ReportEvtLoadError(const VNString& targetFile, const VNString& targetLabel) {
    VNDEvtLoadError(context_.Edition(), CurrentPosition(), targetFile, targetLabel)
        .Show(context_.DialogOwner());
}

void Reports::ReportEvtLoadErrorWhileLoading(const VNString& targetFile) {
    // A load has no current event yet: the place names the load itself.
    ReportPosition position;
    position.file = VNString(u8"ロード中");
    VNDEvtLoadError(context_.Edition(), position, targetFile, VNString())
        .Show(context_.DialogOwner());
}

void Reports::ReportLabelUndefined(const VNString& targetFile, const VNString& label) {
    VNDLabelUndefined(context_.Edition(), CurrentPosition(), targetFile, label)
        .Show(context_.DialogOwner());
}

void Reports::ReportMissingEntry(const VNString& item) {
    VNDMissingEntry(context_.Edition(), CurrentPosition(), item).Show(context_.DialogOwner());
}

void Reports::ReportParamUndeclared(const VNString& name) {
    VNDParamUndeclared(context_.Edition(), CurrentPosition(), name).Show(context_.DialogOwner());
}

void Reports::ReportInvalidOption(const VNString& itemAndContent) {
    VNDInvalidOption(context_.Edition(), CurrentPosition(), itemAndContent)
        .Show(context_.DialogOwner());
}

void Reports::ReportImageLoadError(const VNString& colourImage, const VNString& maskImage) {
    VNDImageLoadError::Verifier verify;
    if (context_.Edition() == PlayerEdition::Probe && imageExplainer_) {
        verify = [this, colourImage, maskImage] {
            return VNString(
                reinterpret_cast<const char8_t*>(imageExplainer_(colourImage, maskImage).c_str()));
        };
    }
    VNDImageLoadError(context_.Edition(), CurrentPosition(), colourImage, maskImage,
                      std::move(verify))
        .Show(context_.DialogOwner());
}

void Reports::ReportImageAlreadyLoaded(int32_t layer, const VNString& colourImage,
                                       const VNString& maskImage) {
    // Both players show this report, so a repeated image never ends a game
    // without a word.
    VNDImageAlreadyLoaded(context_.Edition(), CurrentPosition(), layer, colourImage, maskImage)
        .Show(context_.DialogOwner());
}

void Reports::ReportLoadError(const VNString& message) {
    VNDLoadError(context_.Edition(), message).Show(context_.DialogOwner());
}

void Reports::ReportSaveError(const VNString& message) {
    VNDSaveError(context_.Edition(), message).Show(context_.DialogOwner());
}
