// The player's settings at start and from the menu.
#include "player/SettingsDialog.h"
#include "player/VNPWindow.h"
#include "player/VNPlayer.h"
#include "resources/PlayerResources.h"

void VNPlayer::ApplyWindowSettings() {
    VNPWindow& window = *context_.Window();
    const PlayerSettings& settings = context_.Settings();
    window.SetMessageSpeed(settings.messageSpeed);
    window.SetSkipReadOnly(settings.skipReadOnly);
    if (settings.readAloud) {
        context_.Voice().SetEnabled(true);
    }
    if (settings.fullScreen) {
        window.SetFullScreen(true);
    }
    window.SetSettingsCommandHandler([this](int command) { OnSettingsCommand(command); });
}

void VNPlayer::OnSettingsCommand(int command) {
    VNPWindow& window = *context_.Window();
    PlayerSettings settings = context_.Settings();
    if (command == resources::player_cmd::SkipReadOnly) {
        settings.skipReadOnly = window.SkipReadOnly();
        context_.ChangeSettings(settings);
        return;
    }
    // The dialog offers the speed the menu shows now.
    settings.messageSpeed = window.MessageSpeed();
    SettingsDialog dialog(settings);
    if (!dialog.Run(context_.DialogOwner())) {
        return;
    }
    // Full screen waits for the next start; the rest applies at once.
    context_.ChangeSettings(dialog.Settings());
    window.SetMessageSpeed(dialog.Settings().messageSpeed);
    window.SetSkipReadOnly(dialog.Settings().skipReadOnly);
    sound_.ApplyVolumes(dialog.Settings());
}
