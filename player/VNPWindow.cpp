#include "player/VNPWindow.h"

#include "platform/EventPump.h"
#include "platform/GameView.h"
#include "platform/Gamepad.h"
#include "platform/MessageBox.h"
#include "platform/WindowHost.h"
#include "platform/WindowStyles.h"
#include "player/VNPDebugLink.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"
#include "window/VNDialog.h"

#include <utility>

using namespace platform;
namespace cmd = resources::player_cmd;

namespace {

constexpr uint32_t kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Bit 30 of a key message's lparam: the key was already down (a repeat).
constexpr LPARAM kKeyWasDown = LPARAM(1) << 30;
// Turns the right-button view (the picture without box and text) on and off.
constexpr int kViewKey = 'H';

// How long Ctrl must be held alone before it skips.
constexpr int64_t kCtrlSkipDelayMs = 200;

bool IsKeyDown(const Message& message) {
    return message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
}

bool IsRepeatedKeyDown(const Message& message) {
    return IsKeyDown(message) && (message.lParam & kKeyWasDown);
}

// The about box: the template's texts and its OK button are all it needs.
class VNDVersion : public VNDialog {};

} // namespace

VNPWindow::VNPWindow(PlayerEdition edition, Clock& clock)
    : edition_(edition), clock_(clock), accelerators_(VNWnd::LoadAccelerators("IDR_ACCELERATOR")) {}

VNPWindow::~VNPWindow() {
    Shutdown();
}

bool VNPWindow::Open(const VNString& caption, int32_t width, int32_t height) {
    screenWidth_ = width;
    screenHeight_ = height;
    if (!backBuffer_.Create(width, height)) {
        return false;
    }
    backBuffer_.Clear();
    if (!Create(caption, "IDR_MENU", "IDI_ICON", WHITE_BRUSH, CW_USEDEFAULT, CW_USEDEFAULT, width,
                height, kWindowStyle, 0, nullptr)) {
        backBuffer_.Release();
        return false;
    }
    // The client area is exactly the game screen, whatever the menu bar takes.
    Host().SetClientSize(width, height);
    view_ = std::make_unique<platform::GameView>(Handle(), width, height);
    gamepad_ = std::make_unique<platform::Gamepad>(Handle(), [this] { Host().PopUpMenu(); });
    menuShown_ = true;
    return true;
}

void VNPWindow::Shutdown() {
    gamepad_.reset();
    if (IsOpen()) {
        SetFullScreen(false);
        view_.reset();
        Close();
    }
    view_.reset();
    backBuffer_.Release();
}

void VNPWindow::Present(int32_t x, int32_t y, int32_t w, int32_t h) {
    if (!IsOpen() || !backBuffer_.IsCreated()) {
        return;
    }
    Host().Present(backBuffer_.Pixels(), backBuffer_.Width(), backBuffer_.Height(), x, y, w, h);
    if (view_) {
        view_->Present(x, y, w, h);
    }
}

void VNPWindow::PresentAll() {
    Present(0, 0, screenWidth_, screenHeight_);
}

void VNPWindow::SetCommandsEnabled(bool enabled) {
    if (!IsOpen()) {
        return;
    }
    Host().EnableMenuItem(cmd::Save, enabled);
    Host().EnableMenuItem(cmd::Load, enabled);
    Host().EnableMenuItem(cmd::Backlog, enabled);
}

void VNPWindow::ShowMenu(bool shown) {
    if (IsOpen()) {
        Host().SetMenuVisible(shown);
        if (view_) {
            view_->Relayout();
        }
    }
    menuShown_ = shown;
}

bool VNPWindow::SkipActive() const {
    if (skipMode_) {
        return true;
    }
    // The clock is read only while Ctrl may skip.
    return ctrlDown_ && ctrlAlone_ && platform::IsCtrlDown() &&
           clock_.NowMs() - ctrlDownAt_ >= kCtrlSkipDelayMs;
}

bool VNPWindow::TakeSaveRequest() {
    return std::exchange(saveRequested_, false);
}
bool VNPWindow::TakeLoadRequest() {
    return std::exchange(loadRequested_, false);
}
bool VNPWindow::TakeBacklogRequest() {
    return std::exchange(backlogRequested_, false);
}

void VNPWindow::AttachDebugWindow(VNPDebugLink* debug) {
    debug_ = debug;
    if (!debug_) {
        return;
    }
    debug_->SetMainWindow(this);
    debug_->SetState(0);
    if (IsOpen()) {
        Host().CheckMenuItem(cmd::DebugWindow, true);
        Host().EnableMenuItem(cmd::DebugPlay, true);
        Host().EnableMenuItem(cmd::DebugStep, true);
        Host().EnableMenuItem(cmd::DebugPause, false);
    }
    debug_->Show(true);
}

void VNPWindow::ShowVersionDialog() {
    VNDVersion dialog;
    dialog.ShowModal(VNString(u8"バージョン情報"), "IDD_VERSION", Handle());
}

void VNPWindow::SetChoiceKeys(bool on) {
    choiceKeysOn_ = on;
    choiceKeys_.clear();
}

std::vector<int> VNPWindow::TakeChoiceKeys() {
    return std::exchange(choiceKeys_, {});
}

bool VNPWindow::IsChoiceKey(int virtualKey) const {
    return choiceKeysOn_ &&
           (virtualKey == resources::VK_UP || virtualKey == resources::VK_DOWN ||
            virtualKey == resources::VK_LEFT || virtualKey == resources::VK_RIGHT ||
            virtualKey == resources::VK_RETURN || virtualKey == resources::VK_SPACE);
}

int VNPWindow::PreTranslate(const Message& message) {
    NoteKeyDown(message);
    // A key kept for a choice gives no command (Space leaves auto mode alone).
    // Alt+Enter comes as a system key and still switches full screen.
    if (message.message == WM_KEYDOWN && IsChoiceKey(static_cast<int>(message.wParam))) {
        if (!(message.lParam & kKeyWasDown)) {
            choiceKeys_.push_back(static_cast<int>(message.wParam));
        }
        return 1;
    }
    // Every command of the player toggles a mode or makes a request: a held
    // key gives it once, its repeats (bit 30, the key was already down) none.
    if (IsRepeatedKeyDown(message)) {
        return 0;
    }
    // A translated accelerator is still dispatched as a key message.
    return accelerators_ && TranslateAccelerator(*accelerators_, message) ? 1 : 0;
}

void VNPWindow::NoteKeyDown(const Message& message) {
    if (!IsKeyDown(message)) {
        return;
    }
    if (message.wParam != resources::VK_CONTROL) {
        // A shortcut, or any other key held with Ctrl: no skipping until Ctrl
        // goes down anew.
        ctrlAlone_ = false;
        return;
    }
    if (message.lParam & kKeyWasDown) {
        return; // the held Ctrl repeated: it keeps its start
    }
    ctrlDownAt_ = clock_.NowMs();
    ctrlAlone_ = (message.modifiers & (MOD_SHIFT | MOD_ALT)) == 0;
}

void VNPWindow::OnClose() {
    // vnprobe with edits of the running file not yet saved asks only whether
    // to save them: its Yes and No end the game, its Cancel keeps it.
    if (debug_ && debug_->HasUnsavedEdits()) {
        if (!debug_->ConfirmDropEdits(Handle()) || !IsOpen()) {
            return;
        }
    } else if (ShowMessage(Handle(), VNString(u8"終了してもよろしいですか？"), VNString(u8"確認"),
                           MsgButtons::OkCancel, MsgIcon::Question) != IDOK ||
               !IsOpen()) {
        return;
    }
    SetFullScreen(false);
    Close();
}

void VNPWindow::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LowWord(wParam)) {
    case cmd::FullScreen:
        SetFullScreen(!fullScreen_);
        break;
    case cmd::Load:
        loadRequested_ = loadRequested_ || MenuAllows(wParam);
        break;
    case cmd::Save:
        saveRequested_ = saveRequested_ || MenuAllows(wParam);
        break;
    case cmd::Backlog:
        backlogRequested_ = backlogRequested_ || MenuAllows(wParam);
        break;
    case cmd::SkipMode:
        skipMode_ = !skipMode_;
        Host().CheckMenuItem(cmd::SkipMode, skipMode_);
        break;
    case cmd::AutoMode:
        ToggleAutoMode();
        break;
    case cmd::SkipReadOnly:
        SetSkipReadOnly(!skipReadOnly_);
        if (settingsCommand_) {
            settingsCommand_(cmd::SkipReadOnly);
        }
        break;
    case cmd::Settings:
        if (settingsCommand_) {
            settingsCommand_(cmd::Settings);
        }
        break;
    case cmd::ReadAloud:
        if (readAloudCommand_ && MenuAllows(wParam)) {
            readAloudCommand_();
        }
        break;
    case cmd::SpeedHigh:
        SetMessageSpeed(0);
        break;
    case cmd::SpeedNormal:
        SetMessageSpeed(1);
        break;
    case cmd::SpeedLow:
        SetMessageSpeed(2);
        break;
    case cmd::DebugWindow:
        if (debug_) {
            const bool show = !debug_->IsVisible();
            Host().CheckMenuItem(cmd::DebugWindow, show);
            debug_->Show(show);
        }
        break;
    case cmd::DebugPlay:
        if (MenuAllows(wParam)) {
            SetDebugState(2);
        }
        break;
    case cmd::DebugPause:
        if (MenuAllows(wParam)) {
            SetDebugState(0);
        }
        break;
    case cmd::DebugStep:
        if (MenuAllows(wParam)) {
            SetDebugState(1);
        }
        break;
    case cmd::EditGlobalParams:
        if (debug_) {
            debug_->EditParameters(true);
        }
        break;
    case cmd::EditLocalParams:
        if (debug_) {
            debug_->EditParameters(false);
        }
        break;
    case cmd::CheckGame:
        if (debug_) {
            debug_->CheckGame();
        }
        break;
    case cmd::Version:
        ShowVersionDialog();
        break;
    case cmd::Exit:
        OnClose();
        break;
    default:
        break;
    }
}

bool VNPWindow::MenuAllows(WPARAM wParam) {
    // A greyed item of the shown menu greys its accelerator too: Ctrl+S,
    // Ctrl+L and BackSpace outside the waits that offer saving, loading and
    // the backlog are ignored rather than remembered for a later wait, and
    // so are the debugger's play, pause and step keys in the states whose
    // items are greyed.
    const int id = LowWord(wParam);
    return HighWord(wParam) != COMMAND_FROM_ACCELERATOR || !menuShown_ ||
           Host().IsMenuItemEnabled(id);
}

void VNPWindow::ToggleAutoMode() {
    autoMode_ = !autoMode_;
    if (IsOpen()) {
        Host().CheckMenuItem(cmd::AutoMode, autoMode_);
    }
}

void VNPWindow::EndSkipMode() {
    skipMode_ = false;
    if (IsOpen()) {
        Host().CheckMenuItem(cmd::SkipMode, false);
    }
}

void VNPWindow::SetSkipReadOnly(bool on) {
    skipReadOnly_ = on;
    if (IsOpen()) {
        Host().CheckMenuItem(cmd::SkipReadOnly, on);
    }
}

void VNPWindow::ShowReadAloud(bool on, bool available) {
    if (!IsOpen()) {
        return;
    }
    Host().CheckMenuItem(cmd::ReadAloud, on);
    Host().EnableMenuItem(cmd::ReadAloud, available);
    // The greyed item says why, where the player looks for it.
    Host().SetMenuItemText(cmd::ReadAloud, available
                                               ? VNString(u8"読み上げ(&V)\tV")
                                               : VNString(u8"読み上げ（音声サービスなし）(&V)\tV"));
}

void VNPWindow::SetMessageSpeed(int32_t speed) {
    if (speed == messageSpeed_) {
        return;
    }
    messageSpeed_ = speed;
    Host().CheckMenuItem(cmd::SpeedHigh, speed == 0);
    Host().CheckMenuItem(cmd::SpeedNormal, speed == 1);
    Host().CheckMenuItem(cmd::SpeedLow, speed == 2);
}

void VNPWindow::SetDebugState(int32_t state) {
    if (!debug_) {
        return;
    }
    if (IsOpen()) {
        const bool paused = state == 0;
        Host().EnableMenuItem(cmd::DebugPlay, paused);
        Host().EnableMenuItem(cmd::DebugStep, paused);
        Host().EnableMenuItem(cmd::DebugPause, !paused);
    }
    debug_->SetState(state);
}

void VNPWindow::OnPaint() {
    // The window keeps the last presented picture and draws it itself; a
    // present from here would only ask for the next paint.
}

void VNPWindow::OnMove(int /*x*/, int /*y*/) {}

void VNPWindow::StorePointer(LPARAM lParam) {
    pointerX_ = SignedLowWord(lParam);
    pointerY_ = SignedHighWord(lParam);
}

void VNPWindow::OnMouseMove(WPARAM /*wParam*/, LPARAM lParam) {
    StorePointer(lParam);
    if (!fullScreen_) {
        return;
    }
    // Full screen: the menu appears while the pointer is in the top band and
    // goes again with the next move.
    if (!menuShown_) {
        if (pointerY_ < Host().MenuBarHeight()) {
            ShowMenu(true);
        }
    } else {
        ShowMenu(false);
    }
}

void VNPWindow::OnLButtonDown(WPARAM, LPARAM lParam) {
    StorePointer(lParam);
    clicked_ = true;
    ++pressCount_;
}

void VNPWindow::OnLButtonUp(WPARAM, LPARAM lParam) {
    StorePointer(lParam);
    clicked_ = false;
}

void VNPWindow::OnRButtonDown(WPARAM, LPARAM lParam) {
    StorePointer(lParam);
    rightDown_ = true;
}

void VNPWindow::OnRButtonUp(WPARAM, LPARAM lParam) {
    StorePointer(lParam);
    rightDown_ = false;
}

void VNPWindow::OnKeyDown(int virtualKey, LPARAM lParam) {
    if (IsChoiceKey(virtualKey)) {
        return; // kept for the choice, not a click (PreTranslate)
    }
    if (virtualKey == resources::VK_RETURN) {
        // A repeat of the held key is not a new press.
        if (!(lParam & kKeyWasDown)) {
            ++pressCount_;
        }
        clicked_ = true;
    } else if (virtualKey == resources::VK_CONTROL) {
        ctrlDown_ = true;
    } else if (virtualKey == resources::VK_PRIOR) {
        ++rollbackSteps_;
    } else if (virtualKey == resources::VK_NEXT) {
        --rollbackSteps_;
    } else if (virtualKey == kViewKey && !(lParam & kKeyWasDown)) {
        viewKeyOn_ = !viewKeyOn_;
    } else if (virtualKey == resources::VK_MENU && fullScreen_ && !menuShown_) {
        // Full screen hides the menu: Alt brings it back for its letters,
        // as the pointer in the top band does.
        ShowMenu(true);
    }
}

void VNPWindow::OnMouseWheel(WPARAM wParam, LPARAM) {
    constexpr int32_t kNotch = 120;
    wheelTurn_ += platform::SignedHighWord(static_cast<intptr_t>(wParam));
    rollbackSteps_ += wheelTurn_ / kNotch;
    wheelTurn_ %= kNotch;
}

int32_t VNPWindow::TakeRollbackSteps() {
    const int32_t steps = rollbackSteps_;
    rollbackSteps_ = 0;
    return steps;
}

void VNPWindow::OnKeyUp(int virtualKey, LPARAM) {
    if (virtualKey == resources::VK_RETURN) {
        clicked_ = false;
    } else if (virtualKey == resources::VK_CONTROL) {
        ctrlDown_ = false;
    }
}

void VNPWindow::SetFullScreen(bool on) {
    if (!IsOpen() || on == fullScreen_) {
        return;
    }
    // The display mode never changes: the window covers the screen without a
    // frame and the platform scales the game picture to fit.
    Host().SetFullScreen(on);
    fullScreen_ = on;
    if (view_) {
        view_->SetFullScreen(on);
    }
    ShowMenu(!on);
    PresentAll();
}
