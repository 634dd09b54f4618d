#include "player/VNDReports.h"

#include "platform/MessageBox.h"
#include "resources/PlayerResources.h"

namespace id = resources::report_id;

int VNDReport::Show(platform::WindowHandle owner) {
    return ShowModal(ReportCaption(kind_, edition_), ReportTemplateName(kind_), owner);
}

bool VNDReport::OnInit() {
    for (const auto& [controlId, text] : fields_) {
        Controls().SetText(controlId, text);
    }
    return true;
}

void VNDReport::SetPosition(const ReportPosition& position) {
    SetField(id::File, position.file);
    SetField(id::Line, position.line);
    SetField(id::Summary, position.summary);
    SetField(id::Help, ReportHelpText(kind_, edition_));
}

void VNDReport::SetField(int controlId, const VNString& text) {
    fields_.emplace_back(controlId, text);
}

VNDMessageReport::VNDMessageReport(ReportKind kind, PlayerEdition edition, const VNString& message)
    : VNDReport(kind, edition) {
    SetField(id::Message, message + ReportHelpText(kind, edition));
}

VNDEvtLoadError::VNDEvtLoadError(PlayerEdition edition, const ReportPosition& position,
                                 const VNString& targetFile, const VNString& targetLabel)
    : VNDReport(ReportKind::EvtLoadError, edition) {
    SetPosition(position);
    SetField(id::TargetFile, targetFile);
    SetField(id::TargetLabel, targetLabel);
}

VNDLabelUndefined::VNDLabelUndefined(PlayerEdition edition, const ReportPosition& position,
                                     const VNString& targetFile, const VNString& label)
    : VNDReport(ReportKind::LabelUndefined, edition) {
    SetPosition(position);
    SetField(id::TargetFile, targetFile);
    SetField(id::TargetLabel, label);
}

VNDImageAlreadyLoaded::VNDImageAlreadyLoaded(PlayerEdition edition, const ReportPosition& position,
                                             int32_t layer, const VNString& colourImage,
                                             const VNString& maskImage)
    : VNDReport(ReportKind::ImageAlreadyLoaded, edition) {
    SetPosition(position);
    SetField(id::LayerName, ReportLayerName(layer));
    SetField(id::ColourImage, colourImage);
    SetField(id::MaskImage, maskImage);
}

VNDImageLoadError::VNDImageLoadError(PlayerEdition edition, const ReportPosition& position,
                                     const VNString& colourImage, const VNString& maskImage,
                                     Verifier verify)
    : VNDReport(ReportKind::ImageLoadError, edition), verify_(std::move(verify)) {
    SetPosition(position);
    SetField(id::ColourImage, colourImage);
    SetField(id::MaskImage, maskImage);
}

bool VNDImageLoadError::OnInit() {
    VNDReport::OnInit();
    Controls().EnableControl(id::VerifyImage, static_cast<bool>(verify_));
    return true;
}

void VNDImageLoadError::OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) {
    if (platform::LowWord(wParam) != id::VerifyImage || !verify_) {
        VNDReport::OnCommand(wParam, lParam);
        return;
    }
    // Asked when pressed, so a file mended meanwhile is judged as it is now.
    platform::ShowMessage(Handle(), verify_(), VNString(u8"イメージファイルの検証"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
}

VNDInvalidOption::VNDInvalidOption(PlayerEdition edition, const ReportPosition& position,
                                   const VNString& itemAndContent)
    : VNDReport(ReportKind::InvalidOption, edition) {
    SetPosition(position);
    SetField(id::ItemName, itemAndContent);
}

VNDMissingEntry::VNDMissingEntry(PlayerEdition edition, const ReportPosition& position,
                                 const VNString& item)
    : VNDReport(ReportKind::MissingEntry, edition) {
    SetPosition(position);
    SetField(id::ItemName, item);
}

VNDParamUndeclared::VNDParamUndeclared(PlayerEdition edition, const ReportPosition& position,
                                       const VNString& name)
    : VNDReport(ReportKind::ParamUndeclared, edition) {
    SetPosition(position);
    SetField(id::ParamName, name);
}
