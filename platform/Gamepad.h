// A gamepad through SDL's game controller interface, played as the keys
// and the mouse are: its buttons become the key presses, right-button
// presses and menu a player would otherwise use. Nothing is polled while no
// pad is attached but a slow look for one being plugged in.
#pragma once

#include "platform/Handle.h"

#include <functional>
#include <memory>

namespace platform {

// The buttons of the controller layout that do something.
enum class PadButton { A, B, Up, Down, Left, Right, Start, LeftShoulder, RightShoulder, Other };

// What a button does: a key press (its virtual key), the right mouse
// button held while the pad button is, or the menu's commands in a pop-up.
struct PadAction {
    enum Kind { None, Key, RightButton, Menu } kind = None;
    int key = 0;
    bool operator==(const PadAction&) const = default;
};

// The action of `button`; `inDialog` when a modal dialog has the input,
// where B cancels (Escape) instead of showing the picture alone.
PadAction PadActionOf(PadButton button, bool inDialog);

class Gamepad {
public:
    // Plays `window` (the main window); `popUpMenu` shows its menu's
    // commands where the player looks.
    Gamepad(WindowHandle window, std::function<void()> popUpMenu);
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Whether a controller is attached now.
    bool Attached() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
