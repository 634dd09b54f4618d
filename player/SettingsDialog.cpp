#include "player/SettingsDialog.h"

#include "resources/PlayerResources.h"

#include <algorithm>

namespace id = resources::settings_id;

namespace {

// A field's number, limited to 0..high; an empty field is 0.
int32_t NumberOf(const VNString& text, int32_t high) {
    int64_t value = 0;
    for (const char c : text.Bytes()) {
        if (c >= '0' && c <= '9') {
            value = std::min<int64_t>(value * 10 + (c - '0'), high);
        }
    }
    return static_cast<int32_t>(value);
}

} // namespace

bool SettingsDialog::Run(platform::WindowHandle parent) {
    return ShowModal(VNString(u8"設定"), "IDD_SETTINGS", parent) == 1;
}

bool SettingsDialog::OnInit() {
    platform::DialogHost& c = Controls();
    for (const char8_t* speed : {u8"高速", u8"通常", u8"低速"}) {
        c.ComboAdd(id::Speed, VNString(speed));
    }
    for (int field : {id::MusicVolume, id::EffectVolume, id::VoiceVolume, id::AutoWait}) {
        c.SetTextLimit(field, 4);
    }
    Fill(settings_);
    return true;
}

void SettingsDialog::Fill(const PlayerSettings& s) {
    platform::DialogHost& c = Controls();
    c.SetText(id::MusicVolume, VNString(s.musicVolume));
    c.SetText(id::EffectVolume, VNString(s.effectVolume));
    c.SetText(id::VoiceVolume, VNString(s.voiceVolume));
    c.ComboSetSelection(id::Speed, s.messageSpeed);
    c.SetText(id::AutoWait, VNString(s.autoWaitPerChar));
    c.SetChecked(id::SkipReadOnly, s.skipReadOnly);
    c.SetChecked(id::FullScreen, s.fullScreen);
}

void SettingsDialog::TakeFields() {
    const platform::DialogHost& c = Controls();
    constexpr int32_t kVolume = PlayerSettings::kMaxVolume;
    settings_.musicVolume = NumberOf(c.GetText(id::MusicVolume), kVolume);
    settings_.effectVolume = NumberOf(c.GetText(id::EffectVolume), kVolume);
    settings_.voiceVolume = NumberOf(c.GetText(id::VoiceVolume), kVolume);
    settings_.messageSpeed = std::clamp(c.ComboGetSelection(id::Speed), 0, 2);
    settings_.autoWaitPerChar =
        NumberOf(c.GetText(id::AutoWait), PlayerSettings::kMaxAutoWaitPerChar);
    settings_.skipReadOnly = c.IsChecked(id::SkipReadOnly);
    settings_.fullScreen = c.IsChecked(id::FullScreen);
}

void SettingsDialog::OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) {
    switch (platform::LowWord(wParam)) {
    case id::Defaults: {
        // Only the fields: Cancel still keeps the settings as they were.
        PlayerSettings defaults;
        Fill(defaults);
        break;
    }
    case resources::IDOK:
        TakeFields();
        EndDialog(1);
        break;
    default:
        VNDialog::OnCommand(wParam, lParam); // Cancel
        break;
    }
}
