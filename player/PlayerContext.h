// What every unit of the player shares: the edition, the game folder and its
// configuration, the clock, the main window and vnprobe's debug window, the
// status line, and the waits' way of delivering the window's messages.
#pragma once

#include "platform/Handle.h"
#include "player/Clock.h"
#include "player/PlayerSettings.h"
#include "player/ReadAloud.h"
#include "player/ReportTexts.h"
#include "player/config/GameConfig.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class VNPDebugLink;
class VNPWindow;

class PlayerContext {
public:
    // The longest a wait blocks between two passes: it still sees the Ctrl
    // key, the auto delay and the animation of the wait mark in time.
    static constexpr int64_t kPassIntervalMs = 10;

    PlayerContext(PlayerEdition edition, std::string gameFolder, Clock& clock);
    ~PlayerContext();
    PlayerContext(const PlayerContext&) = delete;
    PlayerContext& operator=(const PlayerContext&) = delete;

    PlayerEdition Edition() const { return edition_; }
    Clock& Time() const { return clock_; }
    const std::string& GameFolder() const { return gameFolder_; }
    // A native path for a Windows-style name inside the game folder.
    std::string GamePathOf(const VNString& name) const;
    // Reads game.ini; missing entries keep their defaults.
    void ReadConfig();
    const GameConfig& Config() const { return config_; }
    // The player's own settings of this game (save/settings.txt): read at
    // start, written only when the player changes one.
    void ReadSettings();
    const PlayerSettings& Settings() const { return settings_; }
    // Keeps `settings` and writes the file when they differ from the kept ones.
    void ChangeSettings(const PlayerSettings& settings);

    // Opens the main window as game.ini sizes it; false (no window) when it
    // cannot be opened.
    bool OpenWindow();
    void CloseWindow();
    VNPWindow* Window() const { return window_.get(); }
    // The main window while it is open, else none: the owner of reports
    // and dialogs.
    platform::WindowHandle DialogOwner() const;

    // vnprobe's debug window (not owned); none in vnplay.
    void SetDebugLink(VNPDebugLink* debug) { debug_ = debug; }
    VNPDebugLink* Debug() const { return debug_; }
    bool DebugPaused() const;
    // Reading the game aloud, the player's setting with it.
    ReadAloud& Voice() { return readAloud_; }

    // The interpreter's last report, shown by the debug window.
    void SetStatus(const VNString& text);
    const VNString& LastStatus() const { return lastStatus_; }

    // One pass of a wait: pending messages delivered (throws
    // VNWindowClosedException when the window went away).
    void Pump();
    // Between two passes of a wait: blocks until a message arrives or at
    // most `maxMs` milliseconds have passed, delivering what came, so that
    // waiting costs no processor time. On a clock that moves only when read
    // it returns at once (the passes poll). Throws when the window went away.
    void IdleBetweenPasses(int64_t maxMs);
    // Delivers the pending messages when the interpreter has run for a while
    // without any wait doing so, so a game that loops without waiting still
    // answers its window.
    void DeliverWhenOverdue();
    // Runs `pass` until a full click: the button (left mouse button or
    // Enter) up, down and up again, so a press that began earlier does not
    // count. True when `pass` ended the wait first.
    bool WaitForClick(const std::function<bool()>& pass);
    // A run of the interpreter starts: that counts as a delivery.
    void CountAsDelivered() { delivered_ = true; }

private:
    PlayerEdition edition_;
    std::string gameFolder_;
    Clock& clock_;
    GameConfig config_;
    PlayerSettings settings_;
    std::unique_ptr<VNPWindow> window_;
    VNPDebugLink* debug_ = nullptr;
    VNString lastStatus_;
    ReadAloud readAloud_;
    bool delivered_ = false;     // Pump ran since DeliverWhenOverdue last looked
    int64_t lastDeliveryMs_ = 0; // when DeliverWhenOverdue last saw messages delivered
};
