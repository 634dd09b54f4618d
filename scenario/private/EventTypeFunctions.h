// The functions the event type table points to: one summary builder and, where
// the type has options, one option rule per type. Defined in Summary.cpp and
// OptionRules.cpp; only the table (VNEventType.cpp) names them.
#pragma once

#include "scenario/VNEventType.h"

namespace summaries {
#define VN_SUMMARY(name)                                                                           \
    VNString name(const VNEvent& e, SummaryVariant variant, const SummaryWarning& warn)
VN_SUMMARY(Narration);
VN_SUMMARY(Serif);
VN_SUMMARY(Character);
VN_SUMMARY(Background);
VN_SUMMARY(Select);
VN_SUMMARY(Label);
VN_SUMMARY(CdAudio);
VN_SUMMARY(Pcm);
VN_SUMMARY(Flag);
VN_SUMMARY(Jump);
VN_SUMMARY(Title);
VN_SUMMARY(WaitClick);
VN_SUMMARY(Wait);
VN_SUMMARY(MessageBox);
VN_SUMMARY(Comment);
VN_SUMMARY(Mp3);
VN_SUMMARY(SetFade);
VN_SUMMARY(BtnSelect);
VN_SUMMARY(Anime);
VN_SUMMARY(SetParam);
VN_SUMMARY(Vorbis);
VN_SUMMARY(Midi);
#undef VN_SUMMARY
} // namespace summaries

namespace optionrules {
#define VN_OPTION_RULE(name) void name(const VNEvent& e, std::vector<OptionProblem>& problems)
VN_OPTION_RULE(Character);
VN_OPTION_RULE(Flag);
VN_OPTION_RULE(Jump);
VN_OPTION_RULE(BtnSelect);
VN_OPTION_RULE(Anime);
VN_OPTION_RULE(SetParam);
VN_OPTION_RULE(Vorbis);
#undef VN_OPTION_RULE
} // namespace optionrules
