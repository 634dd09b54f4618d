// The player: reads the game's configuration, opens the main window, loads
// the first event file and the two parameter tables, runs the interpreter
// and, when the game ends, writes the global parameters back and tears
// everything down. vnplay and vnprobe differ only in the edition given here
// (vnprobe also links the checked libraries and gets a debug window).
//
// The player is made of units that share the PlayerContext (window, clock,
// configuration, debug link, status): the Interpreter performs the events
// and drives the Stage (layers and transitions), the MessageWindow (message
// text, click wait, backlog), the Choices, the GameSound and the SaveGames;
// every unit reports through Reports.
#pragma once

#include "player/Choices.h"
#include "player/GameSound.h"
#include "player/Interpreter.h"
#include "player/MessageWindow.h"
#include "player/PlayerContext.h"
#include "player/Reports.h"
#include "player/SaveGames.h"
#include "player/Stage.h"

#include <cstdint>
#include <string>

class VNPDebugLink;

class VNPlayer {
public:
    // `gameFolder` holds event/, save/, cg/ ... and game.ini; `clock` drives
    // every wait; `seed` starts the RAND generator.
    VNPlayer(PlayerEdition edition, std::string gameFolder, Clock& clock, uint32_t seed);
    ~VNPlayer();
    VNPlayer(const VNPlayer&) = delete;
    VNPlayer& operator=(const VNPlayer&) = delete;

    // The whole game; false when start-up failed or save/global.flg could
    // not be written at the end (the game ends either way).
    bool Run();

    // vnprobe's debug window; must be set before Run (not owned).
    void SetDebugLink(VNPDebugLink* debug) { context_.SetDebugLink(debug); }
    // vnprobe's explanation of a picture that cannot be loaded; vnplay has
    // none, and its report offers no such request.
    using ImageExplainer = Reports::ImageExplainer;
    void SetImageExplainer(ImageExplainer explainer) {
        reports_.SetImageExplainer(std::move(explainer));
    }
    using FrameObserver = Stage::FrameObserver;
    void SetFrameObserver(FrameObserver observer) { stage_.SetFrameObserver(std::move(observer)); }

    // The units.
    const PlayerContext& Context() const { return context_; }
    VNPWindow* Window() const { return context_.Window(); }
    Interpreter& GetInterpreter() { return interpreter_; }
    const Interpreter& GetInterpreter() const { return interpreter_; }
    Stage& GetStage() { return stage_; }
    const Stage& GetStage() const { return stage_; }
    MessageWindow& GetMessageWindow() { return message_; }
    const MessageWindow& GetMessageWindow() const { return message_; }
    GameSound& GetSound() { return sound_; }
    const GameSound& GetSound() const { return sound_; }
    Reports& GetReports() { return reports_; }

private:
    bool StartUp();
    // The window takes the settings' speed, "既読のみスキップ" and full
    // screen, and hands its settings commands here (VNPlayerSettings.cpp).
    void ApplyWindowSettings();
    // "既読のみスキップ" from the menu is kept; "設定" opens the dialog and
    // applies and keeps what it ends with.
    void OnSettingsCommand(int command);
    void RunInterpreterLoop();
    void TearDown();

    PlayerContext context_;
    Reports reports_;
    Stage stage_;
    MessageWindow message_;
    GameSound sound_;
    SaveGames saves_;
    Choices choices_;
    Interpreter interpreter_;
};
