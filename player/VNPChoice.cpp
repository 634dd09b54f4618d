// Choices: the select event (text lines in the message box), the btnselect
// event (image buttons) and the loop both run until the player chooses.
#include "graphics/ChoiceDisplay.h"
#include "graphics/TextRenderer.h"
#include "player/ChoiceButtons.h"
#include "player/ChoiceKeys.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "player/VNPlayer.h"
#include "resources/VirtualKeys.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"

#include <optional>
#include <utility>

namespace {

// The longest the choice loop blocks between two looks at the input.
constexpr int64_t kChoiceIntervalMs = 10;

uint8_t LowByte(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

} // namespace

int32_t VNPlayer::ChoiceLoop(bool rightCancel, const ChoiceItems& items) {
    // The arrow keys, Enter and Space belong to the choice while it waits.
    struct ChoiceKeysScope {
        explicit ChoiceKeysScope(VNPWindow& w) : window(w) { window.SetChoiceKeys(true); }
        ~ChoiceKeysScope() { window.SetChoiceKeys(false); }
        VNPWindow& window;
    } keys(*window_);
    // A press already held when the choice appears (the click that ended the
    // message before) is not the player's answer: only a press that begins
    // here and ends here chooses.
    uint32_t presses = window_->PressCount();
    bool pressed = false;
    int32_t pointed = -1;
    // Where the pointer was when it last pointed: an item the keys pointed
    // stays until the pointer moves or presses.
    std::optional<std::pair<int32_t, int32_t>> pointer;
    for (;;) {
        IdleBetweenPasses(kChoiceIntervalMs);
        clock_.NowMs();
        if (!ServiceRequests()) {
            return -2;
        }
        if (rightCancel && window_->RightButtonDown()) {
            return -1;
        }
        if (DebugPaused()) {
            return -3;
        }
        const bool newPress = window_->PressCount() != presses;
        const std::pair<int32_t, int32_t> now{window_->PointerX(), window_->PointerY()};
        if (now != pointer || newPress) {
            pointer = now;
            pointed = items.at(now.first, now.second);
        }
        for (const int key : window_->TakeChoiceKeys()) {
            const ChoiceKey action = ChoiceKeyOf(key, items.buttons);
            if (action == ChoiceKey::Previous || action == ChoiceKey::Next) {
                pointed = StepPointed(items.keyOrder, pointed, action);
            } else if (action == ChoiceKey::Choose) {
                if (pointed >= 0) {
                    items.point(pointed);
                    return pointed;
                }
                if (key == resources::VK_SPACE) {
                    window_->ToggleAutoMode(); // nothing to choose: Space keeps its command
                }
            }
        }
        items.point(pointed);
        const bool down = window_->Clicked();
        if (newPress) {
            presses = window_->PressCount();
            pressed = true;
        }
        if (pressed && !down) {
            // Released (perhaps pressed and released between two looks).
            pressed = false;
            if (pointed >= 0) {
                return pointed;
            }
        }
    }
}

bool VNPlayer::ActionSelect(const VNEvent& event) {
    window_->SetCommandsEnabled(true);
    backlog_.Append(VNString());
    const int32_t count = event.GetString(4).IsEmpty() ? 2 : 3;
    std::vector<std::string> lines;
    for (int32_t i = 0; i < count; ++i) {
        lines.push_back(event.GetString(2 * i).Bytes());
    }

    // The choices replace the message on screen.
    message_.Clear();
    FullRedraw();
    ShowMessageBox(true);
    const ChoiceColours colours{
        {LowByte(config_.msgUnselectedR), LowByte(config_.msgUnselectedG),
         LowByte(config_.msgUnselectedB)},
        {LowByte(config_.msgSelectedR), LowByte(config_.msgSelectedG),
         LowByte(config_.msgSelectedB)},
        {LowByte(config_.msgShadowR), LowByte(config_.msgShadowG), LowByte(config_.msgShadowB)}};
    int32_t chosen = -1;
    {
        ChoiceDisplay display(*text_, colours);
        const auto present = [&](const ScreenRect& r) {
            if (!r.IsEmpty()) {
                window_->Present(r.x, r.y, r.width, r.height);
            }
        };
        present(display.Show(lines));
        ChoiceItems items;
        items.at = [&](int32_t, int32_t y) { return display.LineAt(y); };
        items.point = [&](int32_t line) { present(display.Point(line)); };
        for (int32_t i = 0; i < count; ++i) {
            items.keyOrder.push_back(i);
        }
        chosen = ChoiceLoop(false, items);
    }

    if (const auto interrupted = EndInterruptedChoice(
            chosen, VNString(u8"一時停止により選択肢イベントは中断しました。")))
        return *interrupted;
    const VNString& label = event.GetString(2 * chosen + 1);
    const int32_t position = JumpToChosenLabel(label);
    if (position < 0)
        return false;
    SetStatus(VNString(u8"選択肢") + VNString(chosen + 1) + VNString(u8"番 \"") +
              event.GetString(2 * chosen) + VNString(u8"\"が選択され、\r\nラベル \"") + label +
              VNString(u8"\"（行番号：") + VNString(position + 1) +
              VNString(u8"）にジャンプしました。"));
    return true;
}

bool VNPlayer::ActionBtnSelect(const VNEvent& event) {
    window_->SetCommandsEnabled(true);
    const VNString& baseImage = event.GetString(0);
    const VNString& pointedImage = event.GetString(1);
    const VNString& cancelLabel = event.GetString(2);
    if (baseImage.IsEmpty()) {
        window_->SetCommandsEnabled(false);
        ReportMissingEntry(VNString(u8"ベースボタン画像名"));
        return false;
    }
    const ButtonList list = ParseButtonList(event.GetString(4), event.GetInt(3));

    message_.Clear();
    ShowButtonChoice(baseImage, pointedImage);
    int32_t pointed = -1;
    ChoiceItems items;
    items.at = [&](int32_t x, int32_t y) { return PointedButton(list.buttons, x, y); };
    items.point = [&](int32_t now) {
        if (now != pointed) {
            PointButton(list.buttons, pointed, now);
            pointed = now;
        }
    };
    items.keyOrder = ReadingOrder(list.buttons);
    items.buttons = true;
    const int32_t chosen = ChoiceLoop(!cancelLabel.IsEmpty(), items);
    if (chosen != -2) {
        // The screen is left as the layers hold it: the base picture, with
        // no button drawn pointed.
        PointButton(list.buttons, pointed, -1);
        EndButtonChoice();
    }

    if (const auto interrupted = EndInterruptedChoice(
            chosen, VNString(u8"一時停止によりボタン選択イベントは中断しました。")))
        return *interrupted;
    const VNString label = chosen == -1 ? cancelLabel : list.labels[static_cast<size_t>(chosen)];
    const int32_t position = JumpToChosenLabel(label);
    if (position < 0)
        return false;
    SetStatus(VNString(u8"ラベル \"") + label + VNString(u8"\"（行番号：") +
              VNString(position + 1) + VNString(u8"）にジャンプしました。"));
    return true;
}

std::optional<bool> VNPlayer::EndInterruptedChoice(int32_t chosen, const VNString& pausedStatus) {
    if (chosen == -2) {
        loadRequested_ = true;
        window_->SetCommandsEnabled(false);
        return true;
    }
    if (chosen == -3) {
        repeatCurrentEvent_ = true;
        SetStatus(pausedStatus);
        window_->SetCommandsEnabled(false);
        return false;
    }
    return std::nullopt;
}

int32_t VNPlayer::JumpToChosenLabel(const VNString& label) {
    const int32_t position = eventFile_->FindLabel(label);
    window_->SetCommandsEnabled(false);
    if (position < 0) {
        ReportLabelUndefined(VNString(u8"ファイル内"), label);
        return -1;
    }
    programCounter_ = position;
    return position;
}
