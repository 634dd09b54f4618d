#include "player/PlayerContext.h"

#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "player/config/IniFile.h"
#include "scenario/GamePath.h"
#include "window/VNWindowClosedException.h"

#include <algorithm>

namespace {

// The longest the interpreter runs without delivering window messages: about
// one frame, so a game that loops without waiting keeps its window alive.
constexpr int64_t kDeliveryIntervalMs = 16;

} // namespace

PlayerContext::PlayerContext(PlayerEdition edition, std::string gameFolder, Clock& clock)
    : edition_(edition), gameFolder_(std::move(gameFolder)), clock_(clock) {}

PlayerContext::~PlayerContext() = default;

std::string PlayerContext::GamePathOf(const VNString& name) const {
    return GamePath(gameFolder_, name);
}

void PlayerContext::ReadConfig() {
    IniFile ini;
    ini.Load(GamePathOf(VNString("game.ini")));
    config_ = GameConfig();
    config_.Read(ini);
}

void PlayerContext::ReadSettings() {
    settings_ = ReadSettingsFile(GamePathOf(VNString("save\\settings.txt")));
}

void PlayerContext::ChangeSettings(const PlayerSettings& settings) {
    if (settings == settings_) {
        return;
    }
    settings_ = settings;
    // A file that cannot be written costs only the next start's settings.
    WriteSettingsFile(GamePathOf(VNString("save\\settings.txt")), settings_);
}

bool PlayerContext::OpenWindow() {
    window_ = std::make_unique<VNPWindow>(edition_, clock_);
    if (!window_->Open(config_.title, config_.windowWidth, config_.windowHeight)) {
        window_.reset();
        return false;
    }
    window_->SetReadAloudCommand([this] {
        readAloud_.SetEnabled(!readAloud_.Enabled());
        PlayerSettings settings = settings_;
        settings.readAloud = readAloud_.Enabled();
        ChangeSettings(settings);
    });
    readAloud_.SetShow([this](bool on, bool available) {
        if (window_) {
            window_->ShowReadAloud(on, available);
        }
    });
    return true;
}

void PlayerContext::CloseWindow() {
    readAloud_.SetShow(nullptr);
    if (window_) {
        window_->Shutdown();
        window_.reset();
    }
}

platform::WindowHandle PlayerContext::DialogOwner() const {
    return window_ && window_->IsOpen() ? window_->Handle() : nullptr;
}

bool PlayerContext::DebugPaused() const {
    return debug_ && debug_->State() == DEBUG_STATE_PAUSED;
}

void PlayerContext::SetStatus(const VNString& text) {
    lastStatus_ = text;
    if (debug_) {
        debug_->SetStatus(text);
    }
}

void PlayerContext::Pump() {
    if (!window_ || !window_->IsOpen()) {
        throw VNWindowClosedException();
    }
    window_->PumpMessages();
    delivered_ = true;
    if (!window_->IsOpen()) {
        throw VNWindowClosedException();
    }
}

void PlayerContext::IdleBetweenPasses(int64_t maxMs) {
    if (!clock_.RunsByItself()) {
        return;
    }
    window_->WaitMessages(static_cast<int>(std::clamp<int64_t>(maxMs, 0, kPassIntervalMs)));
    delivered_ = true;
    if (!window_->IsOpen()) {
        throw VNWindowClosedException();
    }
}

void PlayerContext::DeliverWhenOverdue() {
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

bool PlayerContext::WaitForClick(const std::function<bool()>& pass) {
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
