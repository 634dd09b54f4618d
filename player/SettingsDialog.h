// The settings dialog ("設定"): the three volumes, the message speed, the
// auto mode's wait per character, "既読のみスキップ" and starting in full
// screen, with "既定値に戻す" putting the defaults into the fields.
#pragma once

#include "player/PlayerSettings.h"
#include "window/VNDialog.h"

class SettingsDialog : public VNDialog {
public:
    explicit SettingsDialog(const PlayerSettings& settings) : settings_(settings) {}

    // Runs the dialog; true when it ended with OK, the fields' values then
    // in Settings() (a number beyond its range taken as the nearest one).
    bool Run(platform::WindowHandle parent);
    const PlayerSettings& Settings() const { return settings_; }

    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void Fill(const PlayerSettings& settings);
    void TakeFields();

    PlayerSettings settings_;
};
