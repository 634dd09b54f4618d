// Start-up, the run and the tear-down of the player.
#include "player/VNPlayer.h"

#include "graphics/GlyphSource.h"
#include "graphics/TextRenderer.h"
#include "platform/DisplayRefresh.h"
#include "platform/SoundOutput.h"
#include "player/VNDReports.h"
#include "player/VNMusicPlayers.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "player/config/IniFile.h"
#include "scenario/GamePath.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"
#include "window/VNWindowClosedException.h"

VNPlayer::VNPlayer(PlayerEdition edition, std::string gameFolder, Clock& clock, uint32_t seed)
    : edition_(edition), gameFolder_(std::move(gameFolder)), clock_(clock), random_(seed) {}

VNPlayer::~VNPlayer() {
    TearDown();
}

std::string VNPlayer::GamePathOf(const VNString& name) const {
    return GamePath(gameFolder_, name);
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
    const bool saved = started && WriteGlobalParams();
    TearDown();
    return saved;
}

bool VNPlayer::StartUp() {
    IniFile ini;
    ini.Load(GamePathOf(VNString("game.ini")));
    config_ = GameConfig();
    config_.Read(ini);
    saveTitle_ = config_.title;

    window_ = std::make_unique<VNPWindow>(edition_, clock_);
    if (!window_->Open(config_.title, config_.windowWidth, config_.windowHeight)) {
        window_.reset();
        ReportCriticalError(VNString(u8"メインウィンドウをオープンできません。"));
        return false;
    }
    Pump();
    CreateMessageFont();
    if (!composition_.Create(config_.windowWidth, config_.windowHeight)) {
        return false;
    }
    for (int32_t i = 0; i < kLayerCount; ++i) {
        layers_[i] = std::make_unique<Layer>(i, config_.windowWidth, config_.windowHeight,
                                             GameFolderImages(gameFolder_));
    }
    ResetVisualState();
    frameIntervalMs_ = platform::DisplayRefreshIntervalMs();
    window_->PresentAll();
    window_->SetCommandsEnabled(false);
    LoadMessageBoxImage();

    const std::string startPath = GamePathOf(VNString("event\\start.evt"));
    // vnprobe edits the running file and must know what it read of it.
    const vn::FileStamp startRead = debug_ ? vn::FileStamp::Take(startPath) : vn::FileStamp();
    auto events = std::make_unique<VNEventFile>();
    if (!events->Load(startPath)) {
        ReportEvtLoadError(VNString("start.evt"), VNString());
        return false;
    }
    eventFile_ = std::move(events);
    programCounter_ = 0;
    eventFileName_ = VNString("start.evt");

    global_ = std::make_unique<VNParamFile>();
    if (!global_->Load(GamePathOf(VNString("save\\global.flg")))) {
        ReportLoadError(VNString(u8"global.flg のロードに失敗しました。"));
        return false;
    }
    local_ = std::make_unique<VNParamFile>();
    if (!local_->Load(GamePathOf(VNString("save\\local.flg")))) {
        ReportLoadError(VNString(u8"local.flg のロードに失敗しました。"));
        return false;
    }

    // The device opens in the background: a game without one plays silently.
    StartSound();

    if (debug_) {
        window_->AttachDebugWindow(debug_);
        debug_->SetRunningFile(eventFileName_, eventFile_.get(), startRead);
        debug_->SetStatus(VNString(u8"start.evtから実行を開始します。"));
        debug_->SetParamTables(global_.get(), local_.get());
    }
    return true;
}

void VNPlayer::RunInterpreterLoop() {
    try {
        // A false run means a slot to load was chosen; a load that fails
        // (after its report) ends the game.
        while (!Interpret()) {
            // A load drops the running file: vnprobe's edits of it are saved
            // or dropped first. Staying keeps the game where it was, paused
            // before the event it was performing.
            if (debug_ && !debug_->ConfirmDropEdits(ReportOwner())) {
                window_->SetDebugState(DEBUG_STATE_PAUSED);
                SetStatus(VNString(
                    u8"イベントファイルの変更が保存されていないため、ロードを中止しました。"));
                continue;
            }
            if (!PerformLoad()) {
                break;
            }
        }
    } catch (const VNWindowClosedException&) {
        // The player closed the window: the game ends normally.
    }
    if (debug_) {
        // The game is over: edits the author has neither saved nor dropped
        // (the end of the file came) are offered once more.
        debug_->SaveEditsBeforeEnd(ReportOwner());
    }
}

bool VNPlayer::WriteGlobalParams() {
    if (!global_) {
        return true;
    }
    if (!global_->Save(GamePathOf(VNString("save\\global.flg")))) {
        ReportSaveError(VNString(u8"global.flg のセーブに失敗しました。"));
        return false;
    }
    return true;
}

void VNPlayer::TearDown() {
    StopWaveSound();
    // The text renderer draws on the window's back buffer: it goes first.
    text_.reset();
    if (window_) {
        window_->Shutdown();
        window_.reset();
    }
    EndSound(); // each music player stops its sound first
    eventFile_.reset();
    global_.reset();
    local_.reset();
    for (auto& layer : layers_) {
        layer.reset();
    }
    composition_.Release();
    font_.reset();
    msgBoxImage_.Release();
    if (debug_) {
        debug_->Show(false);
        debug_ = nullptr;
    }
}
