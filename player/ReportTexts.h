// What the error reports say: the dialog template and caption of each kind,
// and the help text of likely causes and remedies. vnprobe addresses the
// game's author, vnplay the person playing, so some help texts differ.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>

enum class PlayerEdition { Play, Probe };

enum class ReportKind {
    CriticalError,
    EvtLoadError,
    ImageAlreadyLoaded,
    ImageLoadError,
    InvalidOption,
    LabelUndefined,
    LoadError,
    MissingEntry,
    ParamUndeclared,
    SaveError,
};

inline constexpr int32_t kReportKindCount = 10;

// Template name (IDD_...) of a report kind.
const char* ReportTemplateName(ReportKind kind);
// The caption that replaces the template's title when the report opens.
VNString ReportCaption(ReportKind kind, PlayerEdition edition);
// The help text, lines joined by CR LF. For the critical, load and save
// errors it is the fixed text that follows the message (it starts with an
// empty line).
VNString ReportHelpText(ReportKind kind, PlayerEdition edition);
// Display name of a layer, 0 background to 10.
VNString ReportLayerName(int32_t layer);
