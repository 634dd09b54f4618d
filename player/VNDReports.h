// The error report dialogs: one class per kind of data error, each shown
// modally over the main window with the place of the error (event file,
// line, the event's summary), the offending item and a help text.
#pragma once

#include "player/ReportTexts.h"
#include "window/VNDialog.h"

#include <functional>
#include <utility>
#include <vector>

// Where the error happened; every field empty when no event file is loaded.
struct ReportPosition {
    VNString file;
    VNString line;
    VNString summary;
};

class VNDReport : public VNDialog {
public:
    VNDReport(ReportKind kind, PlayerEdition edition) : kind_(kind), edition_(edition) {}

    // Shows the report modally; its result is 1 for "確認", 0 when closed.
    int Show(platform::WindowHandle owner);
    bool OnInit() override;

    ReportKind Kind() const { return kind_; }

protected:
    void SetPosition(const ReportPosition& position);
    void SetField(int controlId, const VNString& text);

private:
    ReportKind kind_;
    PlayerEdition edition_;
    std::vector<std::pair<int, VNString>> fields_;
};

// Reports whose text is a message followed by a fixed text.
class VNDMessageReport : public VNDReport {
public:
    VNDMessageReport(ReportKind kind, PlayerEdition edition, const VNString& message);
};

class VNDCriticalError : public VNDMessageReport {
public:
    VNDCriticalError(PlayerEdition edition, const VNString& message)
        : VNDMessageReport(ReportKind::CriticalError, edition, message) {}
};

class VNDLoadError : public VNDMessageReport {
public:
    VNDLoadError(PlayerEdition edition, const VNString& message)
        : VNDMessageReport(ReportKind::LoadError, edition, message) {}
};

class VNDSaveError : public VNDMessageReport {
public:
    VNDSaveError(PlayerEdition edition, const VNString& message)
        : VNDMessageReport(ReportKind::SaveError, edition, message) {}
};

class VNDEvtLoadError : public VNDReport {
public:
    VNDEvtLoadError(PlayerEdition edition, const ReportPosition& position,
                    const VNString& targetFile, const VNString& targetLabel);
};

class VNDLabelUndefined : public VNDReport {
public:
    VNDLabelUndefined(PlayerEdition edition, const ReportPosition& position,
                      const VNString& targetFile, const VNString& label);
};

class VNDImageAlreadyLoaded : public VNDReport {
public:
    VNDImageAlreadyLoaded(PlayerEdition edition, const ReportPosition& position, int32_t layer,
                          const VNString& colourImage, const VNString& maskImage);
};

class VNDImageLoadError : public VNDReport {
public:
    // Says why the pictures cannot be read; without one the verify button
    // stays disabled.
    using Verifier = std::function<VNString()>;
    VNDImageLoadError(PlayerEdition edition, const ReportPosition& position,
                      const VNString& colourImage, const VNString& maskImage,
                      Verifier verify = nullptr);
    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    Verifier verify_;
};

class VNDInvalidOption : public VNDReport {
public:
    VNDInvalidOption(PlayerEdition edition, const ReportPosition& position,
                     const VNString& itemAndContent);
};

class VNDMissingEntry : public VNDReport {
public:
    VNDMissingEntry(PlayerEdition edition, const ReportPosition& position, const VNString& item);
};

class VNDParamUndeclared : public VNDReport {
public:
    VNDParamUndeclared(PlayerEdition edition, const ReportPosition& position, const VNString& name);
};
