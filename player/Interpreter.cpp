#include "player/Interpreter.h"

#include "player/Choices.h"
#include "player/GameSound.h"
#include "player/MessageWindow.h"
#include "player/PlayerContext.h"
#include "player/Rollback.h"
#include "player/SaveGames.h"
#include "player/Stage.h"
#include "player/VNDBackLog.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"
#include "scenario/VNSaveRecord.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kReadTextFile = "save\\readtext.txt";

} // namespace

Interpreter::Interpreter(PlayerContext& context, const Units& units, uint32_t seed)
    : context_(context), units_(units), random_(seed),
      rollback_(std::make_unique<Rollback>(context, units.stage, units.message, units.sound)) {}

Interpreter::~Interpreter() = default;

bool Interpreter::Begin() {
    saveTitle_ = context_.Config().title;
    const std::string startPath = context_.GamePathOf(VNString("event\\start.evt"));
    // vnprobe edits the running file and must know what it read of it.
    startRead_ = context_.Debug() ? vn::FileStamp::Take(startPath) : vn::FileStamp();
    auto events = std::make_unique<VNEventFile>();
    if (!events->Load(startPath)) {
        units_.reports.ReportEvtLoadError(VNString("start.evt"), VNString());
        return false;
    }
    eventFile_ = std::move(events);
    programCounter_ = 0;
    eventFileName_ = VNString("start.evt");

    global_ = std::make_unique<VNParamFile>();
    if (!global_->Load(context_.GamePathOf(VNString("save\\global.flg")))) {
        units_.reports.ReportLoadError(VNString(u8"global.flg のロードに失敗しました。"));
        return false;
    }
    local_ = std::make_unique<VNParamFile>();
    if (!local_->Load(context_.GamePathOf(VNString("save\\local.flg")))) {
        units_.reports.ReportLoadError(VNString(u8"local.flg のロードに失敗しました。"));
        return false;
    }
    readText_.ReadFile(context_.GamePathOf(VNString(kReadTextFile)));
    return true;
}

void Interpreter::ShowInDebugger() {
    VNPDebugLink* debug = context_.Debug();
    debug->SetRunningFile(eventFileName_, eventFile_.get(), startRead_);
    debug->SetStatus(VNString(u8"start.evtから実行を開始します。"));
    debug->SetParamTables(global_.get(), local_.get());
}

bool Interpreter::WriteGlobalParams() {
    if (!global_) {
        return true;
    }
    if (!global_->Save(context_.GamePathOf(VNString("save\\global.flg")))) {
        units_.reports.ReportSaveError(VNString(u8"global.flg のセーブに失敗しました。"));
        return false;
    }
    return true;
}

void Interpreter::WriteReadText() {
    readText_.WriteFile(context_.GamePathOf(VNString(kReadTextFile)));
}

void Interpreter::Release() {
    eventFile_.reset();
    global_.reset();
    local_.reset();
}

RunningEvent Interpreter::Running() const {
    return {eventFile_.get(), eventFileName_, programCounter_};
}

bool Interpreter::FindParameter(const VNString& name, VNParamFile*& table, int32_t& index) const {
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

bool Interpreter::Interpret() {
    int32_t count = eventFile_->GetCount();
    // A position before the first event (a jump to the head) starts at event 0.
    if (programCounter_ < 0) {
        programCounter_ = 0;
    }
    bool firstPass = true;
    context_.CountAsDelivered(); // the run's start counts as a delivery
    for (;;) {
        if (!firstPass) {
            ++programCounter_;
        }
        firstPass = false;
        if (programCounter_ >= count) {
            break;
        }
        context_.DeliverWhenOverdue();

        int32_t stateBefore = DEBUG_STATE_PLAYING;
        if (context_.Debug()) {
            context_.Debug()->SetPosition(eventFileName_, eventFile_.get(), programCounter_);
            context_.Debug()->Refresh();
            stateBefore = context_.Debug()->State();
            if (stateBefore == DEBUG_STATE_PAUSED) {
                context_.Window()->SetCommandsEnabled(true);
                context_.Debug()->EnableNavigation(true);
                while (context_.Debug()->State() == DEBUG_STATE_PAUSED) {
                    context_.Window()->WaitMessages();
                    context_.Pump();
                    if (!ServiceRequests()) {
                        // A slot to load was confirmed: the pause ends at
                        // once. The tools and the menu commands close first,
                        // as they do when a wait ends for a load. The place
                        // the author chose stays current, should the load
                        // not happen after all.
                        context_.Debug()->EnableNavigation(false);
                        context_.Window()->SetCommandsEnabled(false);
                        TakeDebugPosition();
                        return false;
                    }
                }
                stateBefore = context_.Debug()->State();
                context_.Debug()->EnableNavigation(false);
                context_.Debug()->Refresh();
                context_.Window()->SetCommandsEnabled(false);
                context_.Pump();
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
            if (context_.Debug() && stateBefore == DEBUG_STATE_ONE_STEP) {
                context_.Window()->SetDebugState(DEBUG_STATE_PAUSED);
            }
            continue;
        }
        if (context_.Debug()) {
            // The failed event stays current; the author can mend it and go on.
            --programCounter_;
            context_.Window()->SetDebugState(DEBUG_STATE_PAUSED);
            continue;
        }
        return true;
    }
    return true;
}

void Interpreter::TakeDebugPosition() {
    std::unique_ptr<VNEventFile> replacement;
    context_.Debug()->TakePosition(eventFileName_, replacement, programCounter_);
    if (replacement) {
        eventFile_ = std::move(replacement);
    }
    if (programCounter_ < 0) {
        programCounter_ = 0; // the author chose the head of a file
    }
}

bool Interpreter::Perform(const VNEvent& event) {
    using Action = PlayerAction;
    switch (event.GetDescriptor().action) {
    case Action::ShowMessage:
        return ActionText(event);
    case Action::TextChoice:
        return ActionSelect(event);
    case Action::ButtonChoice:
        return ActionBtnSelect(event);
    case Action::Jump:
        return ActionJump(event);
    case Action::SetFlag:
        return ActionSetFlag(event);
    case Action::SetParam:
        return ActionSetParam(event);
    case Action::SetTitle:
        return ActionTitle(event);
    case Action::WaitClick:
        return ActionWaitClick();
    case Action::Wait:
        return ActionWait(event);
    case Action::SetFade:
        return ActionSetFade(event);
    case Action::Character:
        return ActionCharacter(event);
    case Action::Background:
        return units_.stage.BackgroundChange(event.GetString(0));
    case Action::Anime:
        return ActionAnime(event);
    case Action::PlayPcm:
        units_.sound.PlayWave(event.GetString(0), event.GetInt(1) == 1);
        return true;
    case Action::PlayCdTrack:
        return units_.sound.PlayCdTrack(event.GetInt(0));
    case Action::PlayMidi:
        return units_.sound.PlayMidi(event.GetString(0), event.GetInt(2) != 0);
    case Action::PlayMp3:
        return units_.sound.PlayMp3(event.GetString(0));
    case Action::PlayVorbis:
        return ActionVorbis(event);
    case Action::None:
        // label, midiold, msgbox and comment have no action.
        return true;
    }
    return true;
}

bool Interpreter::ActionSelect(const VNEvent& event) {
    context_.Window()->SetCommandsEnabled(true);
    const int32_t count = event.GetString(4).IsEmpty() ? 2 : 3;
    std::vector<std::string> lines;
    for (int32_t i = 0; i < count; ++i) {
        lines.push_back(event.GetString(2 * i).Bytes());
    }
    // The choices replace the message on screen.
    const int32_t chosen = units_.choices.ChooseLine(lines);
    if (const auto interrupted = EndInterruptedChoice(
            chosen, VNString(u8"一時停止により選択肢イベントは中断しました。")))
        return *interrupted;
    const VNString& label = event.GetString(2 * chosen + 1);
    const int32_t position = JumpToChosenLabel(label);
    if (position < 0)
        return false;
    context_.SetStatus(VNString(u8"選択肢") + VNString(chosen + 1) + VNString(u8"番 \"") +
                       event.GetString(2 * chosen) + VNString(u8"\"が選択され、\r\nラベル \"") +
                       label + VNString(u8"\"（行番号：") + VNString(position + 1) +
                       VNString(u8"）にジャンプしました。"));
    return true;
}

std::optional<bool> Interpreter::EndInterruptedChoice(int32_t chosen,
                                                      const VNString& pausedStatus) {
    if (chosen == Choices::kLoadChosen) {
        loadRequested_ = true;
        context_.Window()->SetCommandsEnabled(false);
        return true;
    }
    if (chosen == Choices::kPaused) {
        repeatCurrentEvent_ = true;
        context_.SetStatus(pausedStatus);
        context_.Window()->SetCommandsEnabled(false);
        return false;
    }
    return std::nullopt;
}

int32_t Interpreter::JumpToChosenLabel(const VNString& label) {
    const int32_t position = eventFile_->FindLabel(label);
    context_.Window()->SetCommandsEnabled(false);
    if (position < 0) {
        units_.reports.ReportLabelUndefined(VNString(u8"ファイル内"), label);
        return -1;
    }
    programCounter_ = position;
    return position;
}

bool Interpreter::ActionWaitClick() {
    // Every pass reads the clock, which lets a test act between passes. Skip
    // ends the wait, and so does a pause of the debugger; between passes the
    // wait blocks until a message arrives or a short time has passed.
    context_.WaitForClick([this] {
        context_.Pump();
        context_.Time().NowMs();
        if (context_.Window()->SkipActive() || context_.DebugPaused()) {
            return true;
        }
        context_.IdleBetweenPasses(PlayerContext::kPassIntervalMs);
        return false;
    });
    return true;
}

bool Interpreter::ActionWait(const VNEvent& event) {
    const int64_t duration = event.GetInt(0);
    // Only a press that begins during the wait ends it; one already held at
    // the start has been counted before.
    const uint32_t presses = context_.Window()->PressCount();
    const int64_t start = context_.Time().NowMs();
    for (int64_t elapsed = context_.Time().NowMs() - start; elapsed < duration;
         elapsed = context_.Time().NowMs() - start) {
        context_.Pump();
        if (context_.Window()->SkipActive() || context_.DebugPaused() ||
            context_.Window()->PressCount() != presses) {
            break;
        }
        context_.IdleBetweenPasses(duration - elapsed);
    }
    return true;
}

bool Interpreter::ActionAnime(const VNEvent& event) {
    return units_.stage.Animation(context_.Time().NowMs(), event.GetInt(0), event.GetInt(1),
                                  event.GetString(2), VisualEventFollows());
}

bool Interpreter::VisualEventFollows() const {
    const int32_t count = eventFile_->GetCount();
    if (programCounter_ >= count - 2) {
        return false;
    }
    return HasEventFlag(eventFile_->Get(programCounter_ + 1)->GetDescriptor(), kVisual);
}

bool Interpreter::ServiceRequests() {
    if (context_.Window()->TakeSaveRequest()) {
        OpenSaveDialog(programCounter_);
    }
    if (context_.Window()->TakeLoadRequest() && OpenLoadDialog()) {
        return false;
    }
    if (context_.Window()->TakeBacklogRequest()) {
        VNDBackLog(&units_.message.BackLog()).Show(context_.DialogOwner());
    }
    context_.Pump();
    return true;
}

void Interpreter::OpenSaveDialog(int32_t resumeAt) {
    const int32_t slot = units_.saves.ChooseSaveSlot();
    if (slot >= 0) {
        Save(slot, resumeAt); // a failed save has been reported; the game goes on
    }
}

bool Interpreter::OpenLoadDialog() {
    return units_.saves.ChooseLoadSlot();
}

bool Interpreter::Save(int32_t slot, int32_t resumeAt) {
    VNSaveRecord record;
    record.layers = units_.stage.DescribeLayers();
    record.eventFile = eventFileName_;
    record.programCounter = resumeAt;
    record.title = saveTitle_.PrefixBytes(VNSaveRecord::kMaxTextBytes);
    record.fades = units_.stage.GetFades();
    record.midiFile = units_.sound.MidiFile();
    record.mp3File = units_.sound.Mp3File();
    record.cdTrack = units_.sound.CdTrack();
    const bool saved = units_.saves.Write(slot, record, *global_, *local_);
    WriteReadText(); // a save keeps what was read so far too
    return saved;
}

bool Interpreter::PerformLoad() {
    VNSaveRecord record;
    std::unique_ptr<VNParamFile> local;
    std::unique_ptr<VNEventFile> events;
    vn::FileStamp read;
    if (!units_.saves.ReadChosen(record, local, events, read)) {
        return false;
    }
    eventFileName_ = record.eventFile;
    eventFile_ = std::move(events);
    programCounter_ = record.programCounter;
    local_ = std::move(local);
    saveTitle_ = record.title;
    units_.stage.SetFades(record.fades);
    rollback_->Clear();
    if (context_.Debug()) {
        // The debug window drops its hold on the old file and table before
        // anything below delivers messages that could repaint it.
        context_.Debug()->SetParamTables(global_.get(), local_.get());
        context_.Debug()->SetRunningFile(eventFileName_, eventFile_.get(), read);
        context_.Debug()->SetPosition(eventFileName_, eventFile_.get(), programCounter_);
    }

    units_.sound.RestartMusic(record);
    // The saved picture returns over a second; the message box waits for the
    // event that was on screen, which runs again.
    units_.stage.RestoreAfterLoad(record.layers);
    context_.Pump();
    context_.SetStatus(VNString(u8"ロードしました。"));
    return true;
}
