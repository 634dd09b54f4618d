// The event interpreter: the current event file and the place in it, the two
// parameter tables, the save title and the RAND generator; the main loop
// over the events, their dispatch to the stage, the message window, the
// choices and the sound, the control-flow and parameter events with their
// option checks (InterpreterEvents.cpp), the waits, the menu's requests,
// and what a save records and a load brings back.
#pragma once

#include "player/GameRandom.h"
#include "player/ReadText.h"
#include "player/Reports.h"
#include "scenario/FileStamp.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <memory>
#include <optional>

class Choices;
class GameSound;
class MessageWindow;
class PlayerContext;
class Rollback;
struct RollbackPlace;
class SaveGames;
class Stage;
class VNEvent;
class VNEventFile;
class VNParamFile;

class Interpreter {
public:
    // The units the events drive.
    struct Units {
        Stage& stage;
        MessageWindow& message;
        Choices& choices;
        GameSound& sound;
        SaveGames& saves;
        Reports& reports;
    };

    Interpreter(PlayerContext& context, const Units& units, uint32_t seed);
    ~Interpreter();
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    // Reads event\start.evt and the global and local parameters; false
    // after the report of the first that cannot be read.
    bool Begin();
    // Gives vnprobe's debug window the running file and the tables.
    void ShowInDebugger();
    // Writes save\global.flg; false after its report.
    bool WriteGlobalParams();
    // Writes save\readtext.txt when a message was read since; a file that
    // cannot be written is not reported (the marks are written next time).
    void WriteReadText();
    const ReadText& Read() const { return readText_; }
    void Release();

    // Performs events until the end of the current file (true), until an
    // event fails in vnplay (true), or until a load is pending (false). May
    // let VNWindowClosedException through.
    bool Interpret();
    // Serves the save, load and backlog requests of the menu, then pumps.
    // False when the player confirmed a slot to load.
    bool ServiceRequests();
    // Rollback during a message's click wait; true when play goes on from an
    // earlier message, which ends the wait (InterpreterRollback.cpp).
    bool ServeRollback();
    // Local table first, then global. False when neither declares `name`.
    bool FindParameter(const VNString& name, VNParamFile*& table, int32_t& index) const;

    // Writes slot `slot`: save<n>.flg, save<n>.sav and global.flg. A load of
    // it resumes at event `resumeAt`. False after the report of the first
    // file that could not be written.
    bool Save(int32_t slot, int32_t resumeAt);
    // Loads the slot chosen in the load dialog: the event file and position,
    // the local parameters, title and fade settings, the music and the
    // screen. False after its report when the slot cannot be loaded.
    bool PerformLoad();

    // The event being performed, for the reports.
    RunningEvent Running() const;
    VNEventFile* EventFile() const { return eventFile_.get(); }
    const VNString& EventFileName() const { return eventFileName_; }
    int32_t ProgramCounter() const { return programCounter_; }
    VNParamFile* GlobalParams() const { return global_.get(); }
    VNParamFile* LocalParams() const { return local_.get(); }
    const VNString& SaveTitle() const { return saveTitle_; }
    const Rollback& GetRollback() const { return *rollback_; }

private:
    bool Perform(const VNEvent& event);
    // The file and position the author chose while the debugger paused.
    void TakeDebugPosition();

    // The events' options checked and reported in one place
    // (InterpreterEvents.cpp): false after the report.
    bool ActionJump(const VNEvent& event);
    bool ActionSetFlag(const VNEvent& event);
    bool ActionSetParam(const VNEvent& event);
    bool ActionTitle(const VNEvent& event);
    bool ActionSetFade(const VNEvent& event);
    bool ActionCharacter(const VNEvent& event);
    bool ActionVorbis(const VNEvent& event);
    bool ActionBtnSelect(const VNEvent& event);
    bool EvaluateOperand(const VNString& text, int32_t& value);

    // A message (InterpreterText.cpp): marked read once shown to its end.
    bool ActionText(const VNEvent& event);
    // Play goes on after the message at `place`, which the player went back
    // to; false after the report when its event file cannot be read again.
    bool ResumeAt(const RollbackPlace& place);
    bool ActionSelect(const VNEvent& event);
    // What a choice event returns when its loop ended for a load or a pause
    // (the event runs again); nothing when an item was chosen.
    std::optional<bool> EndInterruptedChoice(int32_t chosen, const VNString& pausedStatus);
    // Sends the game to `label` of the current file: its index, or -1 once
    // the label is reported as undefined.
    int32_t JumpToChosenLabel(const VNString& label);
    bool ActionWaitClick();
    bool ActionWait(const VNEvent& event);
    bool ActionAnime(const VNEvent& event);
    // Whether the events after the current one begin with another visual
    // change, so that an animation can leave the final redraw to it.
    bool VisualEventFollows() const;
    // The load dialog; true when a slot to load was chosen.
    bool OpenLoadDialog();
    // The save dialog, and the save to the chosen slot; a load of it resumes
    // at `resumeAt`.
    void OpenSaveDialog(int32_t resumeAt);

    PlayerContext& context_;
    Units units_;
    GameRandom random_;
    std::unique_ptr<VNEventFile> eventFile_;
    VNString eventFileName_{u8"未ロード"};
    int32_t programCounter_ = 0;
    vn::FileStamp startRead_; // what vnprobe read of start.evt
    std::unique_ptr<VNParamFile> global_;
    std::unique_ptr<VNParamFile> local_;
    VNString saveTitle_;
    bool loadRequested_ = false;
    bool repeatCurrentEvent_ = false;
    std::unique_ptr<Rollback> rollback_;
    ReadText readText_;
};
