// The player's error reports: each builds its dialog with the main window as
// owner, names the place from the event the interpreter is performing and
// shows it modally.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <functional>
#include <string>

class PlayerContext;
class VNEventFile;
struct ReportPosition;

// The event being performed, as a report names its place.
struct RunningEvent {
    const VNEventFile* file = nullptr; // none before the first file is read
    VNString fileName;
    int32_t index = 0;
};

class Reports {
public:
    // Says why a layer picture and its mask (names as an event gives them)
    // cannot be loaded; vnprobe's image report shows it on request.
    using ImageExplainer = std::function<std::string(const VNString& image, const VNString& mask)>;

    explicit Reports(const PlayerContext& context) : context_(context) {}

    void SetRunningEvent(std::function<RunningEvent()> source) { running_ = std::move(source); }
    void SetImageExplainer(ImageExplainer explainer) { imageExplainer_ = std::move(explainer); }

    void ReportCriticalError(const VNString& message);
    void ReportEvtLoadError(const VNString& targetFile, const VNString& targetLabel);
    // The event-file load error of a load: the place shows "ロード中".
    void ReportEvtLoadErrorWhileLoading(const VNString& targetFile);
    void ReportLabelUndefined(const VNString& targetFile, const VNString& label);
    void ReportMissingEntry(const VNString& item);
    void ReportParamUndeclared(const VNString& name);
    void ReportInvalidOption(const VNString& itemAndContent);
    void ReportImageLoadError(const VNString& colourImage, const VNString& maskImage);
    void ReportImageAlreadyLoaded(int32_t layer, const VNString& colourImage,
                                  const VNString& maskImage);
    void ReportLoadError(const VNString& message);
    void ReportSaveError(const VNString& message);

private:
    // File, line and summary of the running event.
    ReportPosition CurrentPosition() const;

    const PlayerContext& context_;
    std::function<RunningEvent()> running_;
    ImageExplainer imageExplainer_;
};
