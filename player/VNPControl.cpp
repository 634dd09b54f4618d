// The event interpreter: the main loop over the current event file, the
// control-flow and parameter events, the waits and the message click wait.
#include "graphics/ClickMarker.h"
#include "player/ParamArithmetic.h"
#include "player/VNDBackLog.h"
#include "player/VNDReports.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "player/VNPlayer.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"
#include "window/VNWindowClosedException.h"

#include <algorithm>
#include <functional>

namespace {

// The longest a wait blocks between two passes: it still sees the Ctrl key,
// the auto delay and the animation of the wait mark in time.
constexpr int64_t kPassIntervalMs = 10;
// The longest the interpreter runs without delivering window messages: about
// one frame, so a game that loops without waiting keeps its window alive.
constexpr int64_t kDeliveryIntervalMs = 16;

VNString Quoted(const char8_t* before, const VNString& text, const char8_t* after) {
    return VNString(before) + text + VNString(after);
}

VNString ParamStatus(const VNString& name, int32_t value) {
    return VNString(u8"パラメタ\"") + name + VNString(u8"\"に ") + VNString(value) +
           VNString(u8" を設定しました。");
}

} // namespace

void VNPlayer::Pump() {
    if (!window_ || !window_->IsOpen()) {
        throw VNWindowClosedException();
    }
    window_->PumpMessages();
    delivered_ = true;
    if (!window_->IsOpen()) {
        throw VNWindowClosedException();
    }
}

void VNPlayer::IdleBetweenPasses(int64_t maxMs) {
    if (!clock_.RunsByItself()) {
        return;
    }
    window_->WaitMessages(static_cast<int>(std::clamp<int64_t>(maxMs, 0, kPassIntervalMs)));
    delivered_ = true;
    if (!window_->IsOpen()) {
        throw VNWindowClosedException();
    }
}

void VNPlayer::DeliverWhenOverdue() {
    const int64_t now = clock_.NowMs();
    if (delivered_) {
        delivered_ = false;
        lastDeliveryMs_ = now;
    } else if (now - lastDeliveryMs_ >= kDeliveryIntervalMs) {
        Pump();
        delivered_ = false;
        lastDeliveryMs_ = now;
    }
}

void VNPlayer::SetStatus(const VNString& text) {
    lastStatus_ = text;
    if (debug_) {
        debug_->SetStatus(text);
    }
}

bool VNPlayer::DebugPaused() const {
    return debug_ && debug_->State() == DEBUG_STATE_PAUSED;
}

bool VNPlayer::FindParameter(const VNString& name, VNParamFile*& table, int32_t& index) const {
    for (VNParamFile* candidate : {local_.get(), global_.get()}) {
        if (!candidate) {
            continue;
        }
        const int32_t found = candidate->Find(name);
        if (found >= 0) {
            table = candidate;
            index = found;
            return true;
        }
    }
    return false;
}

bool VNPlayer::Interpret() {
    int32_t count = eventFile_->GetCount();
    // A position before the first event (a jump to the head) starts at event 0.
    if (programCounter_ < 0) {
        programCounter_ = 0;
    }
    bool firstPass = true;
    delivered_ = true; // the run's start counts as a delivery
    for (;;) {
        if (!firstPass) {
            ++programCounter_;
        }
        firstPass = false;
        if (programCounter_ >= count) {
            break;
        }
        DeliverWhenOverdue();

        int32_t stateBefore = DEBUG_STATE_PLAYING;
        if (debug_) {
            debug_->SetPosition(eventFileName_, eventFile_.get(), programCounter_);
            debug_->Refresh();
            stateBefore = debug_->State();
            if (stateBefore == DEBUG_STATE_PAUSED) {
                window_->SetCommandsEnabled(true);
                debug_->EnableNavigation(true);
                while (debug_->State() == DEBUG_STATE_PAUSED) {
                    window_->WaitMessages();
                    Pump();
                    if (!ServiceRequests()) {
                        // A slot to load was confirmed: the pause ends at
                        // once. The tools and the menu commands close first,
                        // as they do when a wait ends for a load. The place
                        // the author chose stays current, should the load
                        // not happen after all.
                        debug_->EnableNavigation(false);
                        window_->SetCommandsEnabled(false);
                        TakeDebugPosition();
                        return false;
                    }
                }
                stateBefore = debug_->State();
                debug_->EnableNavigation(false);
                debug_->Refresh();
                window_->SetCommandsEnabled(false);
                Pump();
                TakeDebugPosition();
                count = eventFile_->GetCount();
                if (programCounter_ >= count) {
                    break;
                }
            }
        }

        const bool succeeded = Perform(*eventFile_->Get(programCounter_));

        if (repeatCurrentEvent_) {
            repeatCurrentEvent_ = false;
            --programCounter_;
            continue;
        }
        if (succeeded) {
            if (loadRequested_) {
                loadRequested_ = false;
                return false;
            }
            count = eventFile_->GetCount();
            if (debug_ && stateBefore == DEBUG_STATE_ONE_STEP) {
                window_->SetDebugState(DEBUG_STATE_PAUSED);
            }
            continue;
        }
        if (debug_) {
            // The failed event stays current; the author can mend it and go on.
            --programCounter_;
            window_->SetDebugState(DEBUG_STATE_PAUSED);
            continue;
        }
        return true;
    }
    return true;
}

void VNPlayer::TakeDebugPosition() {
    std::unique_ptr<VNEventFile> replacement;
    debug_->TakePosition(eventFileName_, replacement, programCounter_);
    if (replacement) {
        eventFile_ = std::move(replacement);
    }
    if (programCounter_ < 0) {
        programCounter_ = 0; // the author chose the head of a file
    }
}

bool VNPlayer::Perform(const VNEvent& event) {
    switch (event.GetCode()) {
    case EVENTCODE_NARRATION:
    case EVENTCODE_SERIF:
        return ActionText(event);
    case EVENTCODE_SELECT:
        return ActionSelect(event);
    case EVENTCODE_BTNSELECT:
        return ActionBtnSelect(event);
    case EVENTCODE_JUMP:
        return ActionJump(event);
    case EVENTCODE_SETFLAG:
        return ActionSetFlag(event);
    case EVENTCODE_SETPARAM:
        return ActionSetParam(event);
    case EVENTCODE_TITLE:
        return ActionTitle(event);
    case EVENTCODE_WAITCLICK:
        return ActionWaitClick();
    case EVENTCODE_WAIT:
        return ActionWait(event);
    case EVENTCODE_SETFADE:
        return ActionSetFade(event);
    case EVENTCODE_CHARACTER:
        return ActionCharacter(event);
    case EVENTCODE_BACKGROUND:
        return ActionBackground(event);
    case EVENTCODE_ANIME:
        return ActionAnime(event);
    case EVENTCODE_PCM:
        return ActionPcm(event);
    case EVENTCODE_CDDA:
        return PlayCdTrack(event.GetInt(0));
    case EVENTCODE_MIDI:
        return PlayMidi(event.GetString(0), event.GetInt(2) != 0);
    case EVENTCODE_MP3:
        return PlayMp3(event.GetString(0));
    case EVENTCODE_VORBIS:
        return ActionVorbis(event);
    default:
        // label, midiold, msgbox and comment have no action.
        return true;
    }
}

bool VNPlayer::ActionTitle(const VNEvent& event) {
    saveTitle_ = event.GetString(0);
    SetStatus(Quoted(u8"セーブタイトルを\"", saveTitle_, u8"\"に変更しました。"));
    return true;
}

bool VNPlayer::ActionSetFade(const VNEvent& event) {
    charaFadeType_ = event.GetInt(0);
    charaFadeTime_ = event.GetInt(1);
    bgFadeType_ = event.GetInt(2);
    bgFadeTime_ = event.GetInt(3);
    return true;
}

bool VNPlayer::ActionSetFlag(const VNEvent& event) {
    const VNString& name = event.GetString(0);
    if (name.IsEmpty()) {
        ReportMissingEntry(VNString(u8"パラメタ名"));
        return false;
    }
    VNParamFile* table = nullptr;
    int32_t index = -1;
    if (!FindParameter(name, table, index)) {
        ReportParamUndeclared(name);
        return false;
    }
    int32_t value = 0;
    table->GetValue(index, value);
    switch (event.GetInt(1)) {
    case 0:
        value = 1;
        break;
    case 1:
        value = 0;
        break;
    case 2:
        value = value == 0 ? 1 : 0;
        break;
    default:
        ReportInvalidOption(VNString(u8"操作タイプ：規定外の値"));
        return false;
    }
    table->SetValue(index, value);
    SetStatus(ParamStatus(name, value));
    return true;
}

bool VNPlayer::EvaluateOperand(const VNString& text, int32_t& value) {
    if (text.IsNumeric()) {
        value = text.ToInt();
        return true;
    }
    if (text == VNString("RAND")) {
        value = random_.Next();
        return true;
    }
    VNParamFile* table = nullptr;
    int32_t index = -1;
    if (!FindParameter(text, table, index)) {
        ReportParamUndeclared(text);
        return false;
    }
    table->GetValue(index, value);
    return true;
}

bool VNPlayer::ActionSetParam(const VNEvent& event) {
    const VNString& target = event.GetString(0);
    const VNString& left = event.GetString(1);
    const VNString& right = event.GetString(3);
    if (target.IsEmpty()) {
        ReportMissingEntry(VNString(u8"左辺"));
        return false;
    }
    if (left.IsEmpty()) {
        ReportMissingEntry(VNString(u8"右辺第１項"));
        return false;
    }
    if (right.IsEmpty()) {
        ReportMissingEntry(VNString(u8"右辺第２項"));
        return false;
    }
    VNParamFile* table = nullptr;
    int32_t index = -1;
    if (!FindParameter(target, table, index)) {
        ReportParamUndeclared(target);
        return false;
    }
    int32_t a = 0;
    int32_t b = 0;
    if (!EvaluateOperand(left, a) || !EvaluateOperand(right, b)) {
        return false;
    }
    int32_t result = 0;
    switch (ApplyParamOperator(event.GetInt(2), a, b, result)) {
    case ParamOpResult::Ok:
        break;
    case ParamOpResult::DivisionByZero:
        ReportInvalidOption(VNString(u8"右辺第２項：ゼロによる除算"));
        return false;
    case ParamOpResult::UnknownOperator:
        ReportInvalidOption(VNString(u8"演算子タイプ：規定外の値"));
        return false;
    }
    table->SetValue(index, result);
    SetStatus(ParamStatus(target, result));
    return true;
}

bool VNPlayer::ActionJump(const VNEvent& event) {
    const VNString& file = event.GetString(0);
    const VNString& label = event.GetString(1);
    const int32_t condition = event.GetInt(2);
    const VNString& param = event.GetString(3);

    if (file == VNString("LOAD")) {
        if (OpenLoadDialog()) {
            loadRequested_ = true;
        }
        return true;
    }
    if (file == VNString("SAVE")) {
        // A load of this save resumes after the save point instead of
        // opening the save dialog again.
        OpenSaveDialog(programCounter_ + 1);
        return true;
    }

    if (condition == 1 || condition == 2) {
        VNParamFile* table = nullptr;
        int32_t index = -1;
        if (!FindParameter(param, table, index)) {
            ReportParamUndeclared(param);
            return false;
        }
        int32_t value = 0;
        table->GetValue(index, value);
        const bool holds = condition == 1 ? value != 0 : value == 0;
        if (!holds) {
            SetStatus(VNString(u8"条件外のためジャンプしませんでした。"));
            return true;
        }
    } else if (condition != 0) {
        ReportInvalidOption(VNString(u8"ジャンプ条件：規定外の値"));
        return false;
    }

    if (!file.IsEmpty()) {
        // vnprobe: edits of the file being left (or read anew) are saved or
        // dropped first, so that a file read again holds what was saved.
        // Staying keeps the game before this jump, paused as after a failed
        // event.
        if (debug_ && !debug_->ConfirmDropEdits(ReportOwner())) {
            SetStatus(VNString(
                u8"イベントファイルの変更が保存されていないため、ジャンプを中止しました。"));
            return false;
        }
        const std::string path = GamePathOf(VNString("event\\") + file);
        const vn::FileStamp read = debug_ ? vn::FileStamp::Take(path) : vn::FileStamp();
        // The new file is read completely before it replaces the current one.
        auto events = std::make_unique<VNEventFile>();
        if (!events->Load(path)) {
            ReportEvtLoadError(file, label.IsEmpty() ? VNString(u8"先頭") : label);
            return false;
        }
        int32_t position = -1;
        if (!label.IsEmpty()) {
            position = events->FindLabel(label);
            if (position < 0) {
                ReportLabelUndefined(file, label);
                return false;
            }
            SetStatus(VNString(u8"イベントファイル：") + file + VNString(u8"\r\nラベル：") + label +
                      VNString(u8"（行番号：") + VNString(position + 1) +
                      VNString(u8"）\r\nへジャンプしました。"));
        } else {
            SetStatus(Quoted(u8"イベントファイル\"", file, u8"\"の先頭へジャンプしました。"));
        }
        eventFileName_ = file;
        eventFile_ = std::move(events);
        programCounter_ = position;
        if (debug_) {
            debug_->SetRunningFile(eventFileName_, eventFile_.get(), read);
        }
        return true;
    }

    int32_t position = -1;
    if (!label.IsEmpty()) {
        position = eventFile_->FindLabel(label);
        if (position < 0) {
            ReportLabelUndefined(VNString(u8"ファイル内"), label);
            return false;
        }
        SetStatus(VNString(u8"ラベル\"") + label + VNString(u8"\"（行番号：") +
                  VNString(position + 1) + VNString(u8"）へジャンプしました。"));
    } else {
        SetStatus(VNString(u8"ファイル先頭にジャンプしました。"));
    }
    programCounter_ = position;
    return true;
}

bool VNPlayer::WaitForClick(const std::function<bool()>& pass) {
    // The button (left mouse button or Enter) must be up, then go down, then
    // come up again, so a press that began earlier does not count. A press
    // seen only through the press count (pressed and released between two
    // passes) ends the second phase, and the third then finds it released.
    while (window_->Clicked()) {
        if (pass()) {
            return true;
        }
    }
    const uint32_t presses = window_->PressCount();
    while (!window_->Clicked() && window_->PressCount() == presses) {
        if (pass()) {
            return true;
        }
    }
    while (window_->Clicked()) {
        if (pass()) {
            return true;
        }
    }
    return false;
}

bool VNPlayer::ActionWaitClick() {
    // Every pass reads the clock, which lets a test act between passes. Skip
    // ends the wait, and so does a pause of the debugger; between passes the
    // wait blocks until a message arrives or a short time has passed.
    WaitForClick([this] {
        Pump();
        clock_.NowMs();
        if (window_->SkipActive() || DebugPaused()) {
            return true;
        }
        IdleBetweenPasses(kPassIntervalMs);
        return false;
    });
    return true;
}

bool VNPlayer::ActionWait(const VNEvent& event) {
    const int64_t duration = event.GetInt(0);
    // Only a press that begins during the wait ends it; one already held at
    // the start has been counted before.
    const uint32_t presses = window_->PressCount();
    const int64_t start = clock_.NowMs();
    for (int64_t elapsed = clock_.NowMs() - start; elapsed < duration;
         elapsed = clock_.NowMs() - start) {
        Pump();
        if (window_->SkipActive() || DebugPaused() || window_->PressCount() != presses) {
            break;
        }
        IdleBetweenPasses(duration - elapsed);
    }
    return true;
}

bool VNPlayer::MessageClickWait() {
    if (debug_ && debug_->State() == DEBUG_STATE_ONE_STEP) {
        return true;
    }
    window_->SetCommandsEnabled(true);
    Pump();
    const int64_t start = clock_.NowMs();
    // The first pass draws the marker at once.
    int64_t lastRedraw = start - kPassIntervalMs;
    bool loadChosen = false;
    const std::unique_ptr<ClickMarker> marker = StartMarker();

    // One pass; true when the wait is over.
    const auto pass = [&]() -> bool {
        const int64_t autoDelay =
            window_->AutoMode() ? 1000 * static_cast<int64_t>(window_->MessageSpeed()) + 1000 : -1;
        if (DebugPaused()) {
            return true;
        }
        if (!ServiceRequests()) {
            // The load happens once the wait is over.
            loadChosen = true;
            return false;
        }
        if (window_->SkipActive()) {
            return true;
        }
        const int64_t now = clock_.NowMs();
        if (autoDelay >= 0 && now - start > autoDelay) {
            return true;
        }
        if (now - lastRedraw >= kPassIntervalMs) {
            lastRedraw = now;
            AnimateClickWait(*marker, now);
        }
        IdleBetweenPasses(kPassIntervalMs);
        return false;
    };

    WaitForClick(pass);
    EndMarker(*marker);
    window_->SetCommandsEnabled(false);
    return !loadChosen;
}

bool VNPlayer::ServiceRequests() {
    if (window_->TakeSaveRequest()) {
        OpenSaveDialog();
    }
    if (window_->TakeLoadRequest() && OpenLoadDialog()) {
        return false;
    }
    if (window_->TakeBacklogRequest()) {
        OpenBacklog();
    }
    Pump();
    return true;
}

void VNPlayer::OpenBacklog() {
    VNDBackLog dialog(&backlog_);
    dialog.Show(ReportOwner());
}
