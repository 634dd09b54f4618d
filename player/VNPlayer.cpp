// Start-up, the run and the tear-down of the player.
#include "player/VNPlayer.h"

#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "window/VNWindowClosedException.h"

VNPlayer::VNPlayer(PlayerEdition edition, std::string gameFolder, Clock& clock, uint32_t seed)
    : context_(edition, std::move(gameFolder), clock), reports_(context_),
      stage_(context_, reports_), message_(context_, stage_), sound_(context_),
      saves_(context_, reports_), choices_(context_, message_, stage_),
      interpreter_(context_, {stage_, message_, choices_, sound_, saves_, reports_}, seed) {
    reports_.SetRunningEvent([this] { return interpreter_.Running(); });
    message_.SetRequestServer([this] { return interpreter_.ServiceRequests(); });
    message_.SetRollbackServer([this] { return interpreter_.ServeRollback(); });
    choices_.SetRequestServer([this] { return interpreter_.ServiceRequests(); });
}

VNPlayer::~VNPlayer() {
    TearDown();
}

bool VNPlayer::Run() {
    bool started = false;
    try {
        started = StartUp();
        if (started) {
            RunInterpreterLoop();
        }
    } catch (const VNWindowClosedException&) {
        // The window went away during start-up: the game ends there.
    }
    // A game whose global parameters could not be written ends as failed
    // too, after its save error report, so a script running the player sees it.
    const bool saved = started && interpreter_.WriteGlobalParams();
    if (started) {
        interpreter_.WriteReadText();
    }
    TearDown();
    return saved;
}

bool VNPlayer::StartUp() {
    context_.ReadConfig();
    context_.ReadSettings();
    if (!context_.OpenWindow()) {
        reports_.ReportCriticalError(VNString(u8"メインウィンドウをオープンできません。"));
        return false;
    }
    context_.Pump();
    message_.CreateFont();
    if (!stage_.Create()) {
        return false;
    }
    VNPWindow& window = *context_.Window();
    window.PresentAll();
    window.SetCommandsEnabled(false);
    ApplyWindowSettings();
    message_.LoadBoxImage();
    if (!interpreter_.Begin()) {
        return false;
    }
    // The device opens in the background: a game without one plays silently.
    sound_.Start();
    if (VNPDebugLink* debug = context_.Debug()) {
        window.AttachDebugWindow(debug);
        interpreter_.ShowInDebugger();
    }
    return true;
}

void VNPlayer::RunInterpreterLoop() {
    VNPDebugLink* debug = context_.Debug();
    try {
        // A false run means a slot to load was chosen; a load that fails
        // (after its report) ends the game.
        while (!interpreter_.Interpret()) {
            // A load drops the running file: vnprobe's edits of it are saved
            // or dropped first. Staying keeps the game where it was, paused
            // before the event it was performing.
            if (debug && !debug->ConfirmDropEdits(context_.DialogOwner())) {
                context_.Window()->SetDebugState(DEBUG_STATE_PAUSED);
                context_.SetStatus(VNString(
                    u8"イベントファイルの変更が保存されていないため、ロードを中止しました。"));
                continue;
            }
            if (!interpreter_.PerformLoad()) {
                break;
            }
        }
    } catch (const VNWindowClosedException&) {
        // The player closed the window: the game ends normally.
    }
    if (debug) {
        // The game is over: edits the author has neither saved nor dropped
        // (the end of the file came) are offered once more.
        debug->SaveEditsBeforeEnd(context_.DialogOwner());
    }
}

void VNPlayer::TearDown() {
    sound_.StopWave();
    // The text renderer draws on the window's back buffer: it goes first.
    message_.Release();
    context_.CloseWindow();
    sound_.End(); // each music player stops its sound first
    interpreter_.Release();
    stage_.Release();
    if (VNPDebugLink* debug = context_.Debug()) {
        debug->Show(false);
        context_.SetDebugLink(nullptr);
    }
}
