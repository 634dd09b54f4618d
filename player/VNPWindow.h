// The player's main window: it shows the game screen from a back buffer,
// owns the menu bar and the accelerators, collects input (mouse buttons,
// Enter, Ctrl, pointer position) and menu requests into flags that the
// interpreter polls while it waits, and switches between a window and full
// screen. It has no message loop of its own: its messages are handled
// whenever the interpreter pumps.
#pragma once

#include "graphics/Surface.h"
#include "player/Clock.h"
#include "player/ReportTexts.h"
#include "window/VNWnd.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class VNPDebugLink;
namespace platform {
class GameView;
class Gamepad;
} // namespace platform

class VNPWindow : public VNWnd {
public:
    // `clock` times how long Ctrl has been held.
    VNPWindow(PlayerEdition edition, Clock& clock);
    ~VNPWindow() override;

    // Makes the back buffer (cleared) and the window with a client area of
    // width x height. False when either cannot be made.
    bool Open(const VNString& caption, int32_t width, int32_t height);
    // Leaves full screen and closes the window; the back buffer goes too.
    void Shutdown();

    Surface& BackBuffer() { return backBuffer_; }
    // Shows that rectangle of the back buffer at the same place of the window.
    void Present(int32_t x, int32_t y, int32_t w, int32_t h);
    void PresentAll();

    // Enables or greys save, load and backlog.
    void SetCommandsEnabled(bool enabled);
    void ShowMenu(bool shown);

    // Input as the interpreter sees it.
    bool Clicked() const { return clicked_; }
    // How many times the button went down (auto-repeated Enter not counted).
    // A press and release that arrive between two looks at Clicked() still
    // show here, so a quick click or a touchpad tap is never lost.
    uint32_t PressCount() const { return pressCount_; }
    // The right button is down, or key H turned its view on (H again, or a
    // button choice it cancels, turns it off).
    bool RightButtonDown() const { return rightDown_ || viewKeyOn_; }
    void ReleaseViewKey() { viewKeyOn_ = false; }
    int32_t PointerX() const { return pointerX_; }
    int32_t PointerY() const { return pointerY_; }
    // Skip mode, or Ctrl held alone: down at this moment, its key-down seen
    // by the window at least 200 ms ago and no other key pressed since, so
    // that a Ctrl shortcut never skips.
    bool SkipActive() const;
    bool SkipMode() const { return skipMode_; }
    bool AutoMode() const { return autoMode_; }
    // 0 high, 1 normal, 2 low.
    int32_t MessageSpeed() const { return messageSpeed_; }
    bool IsFullScreen() const { return fullScreen_; }
    void ToggleAutoMode();
    // The wheel's notches and the Page Up and Page Down presses since the
    // last look: above 0 back to earlier messages, below 0 forward again.
    int32_t TakeRollbackSteps();
    // The speed with its radio mark in the menu.
    void SetMessageSpeed(int32_t speed);
    void SetFullScreen(bool on);
    // Skip mode ends, its check mark goes.
    void EndSkipMode();
    // "既読のみスキップ": skip stops at a message not read before.
    bool SkipReadOnly() const { return skipReadOnly_; }
    void SetSkipReadOnly(bool on);
    // Called after the window took "既読のみスキップ" or "設定" from the
    // menu, with the command, so the player keeps or opens its settings.
    void SetSettingsCommandHandler(std::function<void(int)> handler) {
        settingsCommand_ = std::move(handler);
    }
    // The read-aloud item gives its command to `toggle`; ShowReadAloud shows
    // its check and whether a speech service is there.
    void SetReadAloudCommand(std::function<void()> toggle) {
        readAloudCommand_ = std::move(toggle);
    }
    void ShowReadAloud(bool on, bool available);

    // While a choice waits (`on`), the arrow keys, Enter and Space are kept
    // for it instead of counting as a click or giving their command; a held
    // key counts once. Turning it off forgets the kept keys.
    void SetChoiceKeys(bool on);
    // The kept keys (virtual key codes) in the order they went down; they
    // are forgotten here.
    std::vector<int> TakeChoiceKeys();

    // Whether a request waits to be taken.
    bool SaveRequested() const { return saveRequested_; }
    bool LoadRequested() const { return loadRequested_; }
    // Each returns its request flag and clears it.
    bool TakeSaveRequest();
    bool TakeLoadRequest();
    bool TakeBacklogRequest();

    // vnprobe: the debug window (not owned) takes the debugger commands.
    void AttachDebugWindow(VNPDebugLink* debug);
    // Sets the debugger's run state (0 paused, 1 one step, 2 playing) with
    // the enabling of the play, pause and step items that goes with it; the
    // menu commands, the debug window's buttons and the interpreter (when it
    // pauses after a step or a failed event) all come here.
    void SetDebugState(int32_t state);
    void ShowVersionDialog();

    // Handlers of the window's messages.
    int PreTranslate(const platform::Message& message) override;
    void OnClose() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;
    void OnPaint() override;
    void OnMove(int x, int y) override;
    void OnMouseMove(platform::WPARAM wParam, platform::LPARAM lParam) override;
    void OnLButtonDown(platform::WPARAM wParam, platform::LPARAM lParam) override;
    void OnLButtonUp(platform::WPARAM wParam, platform::LPARAM lParam) override;
    void OnRButtonDown(platform::WPARAM wParam, platform::LPARAM lParam) override;
    void OnRButtonUp(platform::WPARAM wParam, platform::LPARAM lParam) override;
    void OnKeyDown(int virtualKey, platform::LPARAM lParam) override;
    void OnKeyUp(int virtualKey, platform::LPARAM lParam) override;
    void OnMouseWheel(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void StorePointer(platform::LPARAM lParam);
    // Notes when Ctrl goes down and whether another key joins it.
    void NoteKeyDown(const platform::Message& message);
    // False for an accelerator whose item is greyed in the shown menu.
    bool MenuAllows(platform::WPARAM wParam);
    // Whether a key-down of `virtualKey` (without Alt) is kept for a choice.
    bool IsChoiceKey(int virtualKey) const;

    PlayerEdition edition_;
    Clock& clock_;
    const resources::AcceleratorTable* accelerators_ = nullptr;
    int32_t screenWidth_ = 0;
    int32_t screenHeight_ = 0;
    Surface backBuffer_;
    std::unique_ptr<platform::GameView> view_; // the picture scaled to fit the screen
    bool menuShown_ = false;
    bool fullScreen_ = false;
    bool rightDown_ = false;
    bool viewKeyOn_ = false;
    bool clicked_ = false;
    uint32_t pressCount_ = 0;
    bool ctrlDown_ = false;
    int64_t ctrlDownAt_ = 0; // clock time of Ctrl's key-down
    bool ctrlAlone_ = false; // no other key since Ctrl went down
    int32_t pointerX_ = 0;
    int32_t pointerY_ = 0;
    bool saveRequested_ = false;
    bool loadRequested_ = false;
    bool backlogRequested_ = false;
    int32_t messageSpeed_ = 1;
    bool skipMode_ = false;
    bool autoMode_ = false;
    bool skipReadOnly_ = false;
    std::function<void(int)> settingsCommand_;
    bool choiceKeysOn_ = false;
    int32_t rollbackSteps_ = 0;
    int32_t wheelTurn_ = 0; // the part of a notch turned so far (touchpads)
    std::vector<int> choiceKeys_;
    VNPDebugLink* debug_ = nullptr;
    std::function<void()> readAloudCommand_;
    std::unique_ptr<platform::Gamepad> gamepad_; // plays the window from a controller
};
