// The rules for single events: what the player would refuse with a report
// (errors) and what is likely a slip (warnings), in the order the player
// meets them.
#include "gamecheck/ImageFindings.h"
#include "gamecheck/private/GameChecker.h"
#include "scenario/EventLists.h"
#include "scenario/GamePath.h"
#include "scenario/OptionRules.h"
#include "scenario/ScriptText.h"

#include <cstdio>

namespace gamecheck {
namespace {

using What = OptionProblem::What;

const VNString kNoChange("NOCHANGE");
const VNString kAutoMask("AUTO");

std::string Number(int32_t value) {
    return std::to_string(value);
}

} // namespace

std::string Quote(const std::string& utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Quote(const VNString& text) {
    return Quote(text.ToUtf8Lossy());
}

void GameChecker::CheckEvent(const EventFileInfo& file, int32_t index) {
    const VNEvent& event = *file.events->Get(index);
    const OptionProblems options = FindOptionProblems(event);
    // The types whose files, labels and parameters are checked in an order
    // of their own, with their option problems in between.
    switch (event.GetCode()) {
    case EVENTCODE_CHARACTER:
        CheckCharacter(event, options);
        break;
    case EVENTCODE_BACKGROUND:
        CheckBackground(event);
        break;
    case EVENTCODE_SELECT:
        CheckSelect(file, event);
        break;
    case EVENTCODE_SETFLAG:
        CheckSetFlag(event, options);
        break;
    case EVENTCODE_JUMP:
        CheckJump(file, event, options);
        break;
    case EVENTCODE_BTNSELECT:
        CheckBtnSelect(file, event, options);
        break;
    case EVENTCODE_ANIME:
        CheckAnime(event, options);
        break;
    case EVENTCODE_SETPARAM:
        CheckSetParam(event, options);
        break;
    default:
        break;
    }
    CheckArgumentKinds(file, index, event);
    // Control characters in a message are told of once: the finding says
    // what the player makes of them, which is also what the script text
    // cannot carry.
    int32_t controlArgument = -1;
    const bool controls = CheckMessage(event, controlArgument);
    const auto loss = FindScriptTextLoss(event);
    const bool toldOf =
        controls && loss && loss->argument == controlArgument &&
        (loss->loss == ScriptTextLoss::LineBreak || loss->loss == ScriptTextLoss::TabInText);
    if (loss && !toldOf)
        Report(Severity::Warning, Kind::ScriptText,
               "the script text cannot carry this event unchanged (argument " +
                   Number(loss->argument + 1) + "): " + DescribeScriptTextLoss(loss->loss));
}

void GameChecker::CheckArgumentKinds(const EventFileInfo& file, int32_t index,
                                     const VNEvent& event) {
    const VNEventDescriptor& row = event.GetDescriptor();
    for (int32_t n = 0; n < event.GetParamCount(); ++n) {
        switch (row.args[static_cast<size_t>(n)]) {
        case ArgKind::LabelName:
            if (const int32_t first = file.labels.at(event.GetString(n).Bytes()); first != index)
                Report(Severity::Warning, Kind::DuplicateLabel,
                       "label " + Quote(event.GetString(n)) +
                           " is defined again; jumps go to its "
                           "first definition at line " +
                           Number(first + 1));
            break;
        case ArgKind::CdTrack:
            if (event.GetInt(n) != 0)
                CheckCdTrack(event.GetInt(n));
            break;
        case ArgKind::Sound:
            if (row.sound_folder) // none for the old MIDI form, which no file holds once read
                CheckSound(row.sound_folder, event.GetString(n));
            break;
        default:
            break;
        }
    }
}

void GameChecker::ReportOption(const OptionProblem* problem, Kind kind,
                               const std::string& message) {
    if (problem)
        Report(problem->refused ? Severity::Error : Severity::Warning, kind, message);
}

void GameChecker::CheckCharacter(const VNEvent& event, const OptionProblems& options) {
    if (const auto* p = FindProblem(options, 2, What::OutOfRange))
        ReportOption(p, Kind::Option,
                     "character position " + Number(p->value) +
                         " is not 0 (centre), 1 (left) or 2 (right)");
    const VNString& image = event.GetString(0);
    if (image.IsEmpty())
        return; // the character leaves
    if (const auto* p = FindProblem(options, 3, What::OutOfRange))
        ReportOption(p, Kind::Option,
                     "vertical alignment " + Number(p->value) +
                         " is not 0 (bottom), 1 (centre) or 2 (top); the player puts the "
                         "character at the top");
    if (image == kNoChange)
        return; // the picture on the layer stays, its mask too
    const ImageFacts* colour = CheckImage(image, "image");
    const VNString& mask = event.GetString(1);
    if (!mask.IsEmpty() && mask != kAutoMask)
        CheckMask(mask, "mask", colour);
}

void GameChecker::CheckBackground(const VNEvent& event) {
    const VNString& image = event.GetString(0);
    if (image == kNoChange)
        Report(Severity::Error, Kind::Image,
               "the background cannot keep its picture with \"NOCHANGE\" (the keyword serves "
               "character layers only)");
    else if (!image.IsEmpty())
        CheckImage(image, "background image");
}

void GameChecker::CheckSelect(const EventFileInfo& file, const VNEvent& event) {
    // The third choice is offered only when it has a text.
    const int32_t choices = event.GetString(4).IsEmpty() ? 2 : 3;
    for (int32_t k = 0; k < choices; ++k)
        CheckLocalLabel(file, event.GetString(2 * k + 1), "of choice " + Number(k + 1));
}

void GameChecker::CheckSetFlag(const VNEvent& event, const OptionProblems& options) {
    if (const auto* p = FindProblem(options, 0, What::Missing))
        ReportOption(p, Kind::MissingEntry, "the parameter name is empty");
    else
        CheckParameter(event.GetString(0), "parameter");
    if (const auto* p = FindProblem(options, 1, What::OutOfRange))
        ReportOption(p, Kind::Option,
                     "flag operation " + Number(p->value) +
                         " is not 0 (on), 1 (off) or 2 (invert)");
}

void GameChecker::CheckJump(const EventFileInfo& file, const VNEvent& event,
                            const OptionProblems& options) {
    const VNString& target = event.GetString(0);
    const VNString& label = event.GetString(1);
    const int32_t condition = event.GetInt(2);
    const VNString& param = event.GetString(3);
    // These two open the load and save dialogs; nothing else is read.
    if (target == VNString("LOAD") || target == VNString("SAVE"))
        return;
    if (condition == 1 || condition == 2) {
        if (param.IsEmpty() && paramsKnown_)
            Report(Severity::Error, Kind::Parameter, "the jump's condition names no parameter");
        else if (!param.IsEmpty())
            CheckParameter(param, "condition parameter");
    } else if (const auto* p = FindProblem(options, 2, What::OutOfRange)) {
        ReportOption(p, Kind::Option,
                     "jump condition " + Number(p->value) +
                         " is not 0 (always), 1 (parameter not 0) or 2 (parameter 0)");
    }
    if (target.IsEmpty()) {
        if (!label.IsEmpty())
            CheckLocalLabel(file, label, "");
        return;
    }
    const GameFiles::Name& found = files_.Resolve(VNString("event\\") + target);
    if (!found.exists) {
        Report(Severity::Error, Kind::EventFile,
               "event file " + Quote(target) + " does not exist in event/");
        return;
    }
    CheckLetterCase(found, target, "event file");
    if (label.IsEmpty())
        return;
    const EventFileInfo& other = Open(found.path);
    // A file that does not load is reported where it lies.
    if (other.loaded && !other.labels.contains(label.Bytes()))
        Report(Severity::Error, Kind::Label,
               "label " + Quote(label) + " is not defined in " + Quote(target));
}

void GameChecker::CheckSetParam(const VNEvent& event, const OptionProblems& options) {
    const struct {
        int32_t argument;
        const char* role;
        bool operand;
    } entries[] = {
        {0, "target parameter", false}, {1, "first operand", true}, {3, "second operand", true}};
    for (const auto& entry : entries) {
        // A text of digits and minus signs is a number, "RAND" a random one.
        const VNString& text = event.GetString(entry.argument);
        if (const auto* p = FindProblem(options, entry.argument, What::Missing))
            ReportOption(p, Kind::MissingEntry, std::string("the ") + entry.role + " is empty");
        else if (!entry.operand || (!text.IsNumeric() && text != VNString("RAND")))
            CheckParameter(text, entry.role);
    }
    if (const auto* p = FindProblem(options, 2, What::OutOfRange))
        ReportOption(p, Kind::Option, "operator " + Number(p->value) + " is not one of 0 to 12");
    else if (const auto* d = FindProblem(options, 3, What::DivisionByZero))
        ReportOption(d, Kind::Option,
                     d->value == 3 ? "division by 0" : "remainder of a division by 0");
}

void GameChecker::CheckBtnSelect(const EventFileInfo& file, const VNEvent& event,
                                 const OptionProblems& options) {
    // The player shows a button choice whose pictures fail without them,
    // so the buttons cannot be seen; it does not stop.
    const char* const shownWithout = "; the player shows the choice without it";
    const VNString& base = event.GetString(0);
    if (const auto* p = FindProblem(options, 0, What::Missing))
        ReportOption(p, Kind::MissingEntry, "the base image is empty");
    else
        CheckImage(base, "base image", Severity::Warning, shownWithout);
    if (!event.GetString(1).IsEmpty())
        CheckImage(event.GetString(1), "pointed image", Severity::Warning, shownWithout);
    const VNString& cancel = event.GetString(2);
    if (!cancel.IsEmpty())
        CheckLocalLabel(file, cancel, "for the right button");
    const int32_t count = event.GetInt(3);
    const ButtonEntries list = ReadButtonList(count, event.GetString(4));
    for (size_t k = 0; k < list.buttons.size(); ++k)
        CheckLocalLabel(file, list.buttons[k].label, "of button " + Number(int32_t(k) + 1));
    if (const auto* p = FindProblem(options, 3, What::FewerButtons))
        ReportOption(p, Kind::Option,
                     "the button count is " + Number(p->value) + " but the list holds " +
                         Number(p->other) + "; the missing buttons can never be chosen");
    else if (const auto* m = FindProblem(options, 3, What::MoreButtons))
        ReportOption(m, Kind::Option,
                     "the list holds " + Number(m->other) + " buttons but the count is " +
                         Number(m->value) + "; the player ignores the rest");
    if (const auto* p = FindProblem(options, 4, What::NoWayOut))
        ReportOption(p, Kind::Option,
                     "the choice offers no button and no cancel label, so it never ends");
}

void GameChecker::CheckAnime(const VNEvent& event, const OptionProblems& options) {
    if (const auto* p = FindProblem(options, 1, What::NegativeCount))
        ReportOption(p, Kind::Option, "the layer count " + Number(p->value) + " is negative");
    if (const auto* p = FindProblem(options, 1, What::TooFewEntries))
        ReportOption(p, Kind::Option,
                     "the layer list holds only " + Number(p->other) +
                         " entries but the count is " + Number(p->value));
    if (const auto* p = FindProblem(options, 2, What::BadLayer))
        ReportOption(p, Kind::Option,
                     "entry " + Number(p->other + 1) + " of the layer list names layer " +
                         Number(p->value) + ", not one of 0 to 10");
    const AnimeList list = ReadAnimeList(event.GetInt(1), event.GetString(2));
    for (const AnimeEntry& entry : list.entries) {
        VNString fields = entry.setting;
        const VNString image = fields.SplitToken(VNString(","));
        if (entry.layer == 0) {
            // Only the image name of the background's entry counts.
            if (image == kNoChange)
                Report(Severity::Error, Kind::Image,
                       "the background (layer 0) cannot keep its picture with \"NOCHANGE\"");
            else if (!image.IsEmpty())
                CheckImage(image, "background image");
            continue;
        }
        if (image.IsEmpty() || image == kNoChange)
            continue;
        const std::string layer = " of layer " + Number(entry.layer);
        const ImageFacts* colour = CheckImage(image, "image" + layer);
        const VNString mask = fields.SplitToken(VNString(","));
        if (!mask.IsEmpty() && mask != kAutoMask)
            CheckMask(mask, "mask" + layer, colour);
    }
    if (const auto* p = FindProblem(options, 2, What::ExtraEntries))
        ReportOption(p, Kind::Option,
                     "the layer list holds " + Number(p->other) + " more entries than its count " +
                         Number(p->value) + "; the player ignores them");
}

void GameChecker::CheckSound(const char* folder, const VNString& name) {
    if (name.IsEmpty())
        return; // stops the sound
    const GameFiles::Name& found = files_.Resolve(VNString(folder) + VNString("\\") + name);
    if (!found.exists)
        Report(Severity::Warning, Kind::Sound,
               "sound file " + Quote(name) + " does not exist in " + folder + "/");
    else
        CheckLetterCase(found, name, "sound file");
}

void GameChecker::CheckCdTrack(int32_t track) {
    for (const VNString& name : CdTrackNames(track))
        if (files_.Resolve(name).exists)
            return;
    Report(Severity::Warning, Kind::Sound,
           "CD track " + Number(track) +
               " has no file in cdda/ (trackNN, trackN or \"track N\" with .ogg, .flac, .mp3 "
               "or .wav)");
}

void GameChecker::CheckParameter(const VNString& name, const char* role) {
    if (paramsKnown_ && !params_.contains(name.Bytes()))
        Report(Severity::Error, Kind::Parameter,
               std::string(role) + " " + Quote(name) +
                   " is declared in neither global.flg nor local.flg");
}

void GameChecker::CheckLocalLabel(const EventFileInfo& file, const VNString& label,
                                  const std::string& what) {
    if (!file.labels.contains(label.Bytes()))
        Report(Severity::Error, Kind::Label,
               "label " + Quote(label) + (what.empty() ? "" : " " + what) +
                   " is not defined in this file");
}

const ImageFacts* GameChecker::FindImage(const VNString& name, const std::string& what,
                                         Severity severity, const char* after) {
    const GameFiles::Name& found = files_.Resolve(VNString("cg\\") + name);
    if (!found.exists) {
        Report(severity, Kind::Image, MissingImageFinding(what, name) + after);
        return nullptr;
    }
    CheckLetterCase(found, name, what.c_str());
    return &files_.Probe(found.path);
}

const ImageFacts* GameChecker::CheckImage(const VNString& name, const std::string& what,
                                          Severity severity, const char* after) {
    const ImageFacts* facts = FindImage(name, what, severity, after);
    if (!facts)
        return nullptr;
    const std::string finding = ColourImageFinding(what, name, *facts);
    if (finding.empty())
        return facts;
    Report(severity, Kind::Image, finding + after);
    return nullptr;
}

void GameChecker::CheckMask(const VNString& name, const std::string& what,
                            const ImageFacts* colour) {
    const ImageFacts* facts = FindImage(name, what, Severity::Error, "");
    if (!facts)
        return;
    // Without a readable colour picture the mask is judged by itself.
    if (const std::string finding = MaskImageFinding(what, name, *facts, colour); !finding.empty())
        Report(Severity::Error, Kind::Image, finding);
}

void GameChecker::CheckLetterCase(const GameFiles::Name& found, const VNString& name,
                                  const char* what) {
    if (found.caseDiffers)
        Report(Severity::Warning, Kind::LetterCase,
               std::string(what) + " " + Quote(name) + " matches " + Quote(found.relative) +
                   " only in another letter case");
}

} // namespace gamecheck
