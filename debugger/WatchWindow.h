// The watch window: a small modeless window beside the debug window listing
// the watched parameters with their values, where names are added and
// removed. While it is shown a timer reads the values again at the window
// system's pace, so a playing game is not slowed per event.
#pragma once

#include "debugger/WatchList.h"
#include "platform/EventPump.h"
#include "window/VNDialog.h"

#include <functional>

class WatchWindow : public VNDialog {
public:
    // `watches` and `lookup` outlive the window; `namesChanged` is called
    // after a name was added or removed.
    WatchWindow(WatchList& watches, ParamLookup lookup, std::function<void()> namesChanged);
    ~WatchWindow() override;

    // Shows the window beside `owner` (or brings it up when shown).
    void Open(platform::WindowHandle owner);
    bool IsOpen() const { return Handle() != nullptr; }
    // Reads the values and shows them.
    void Update();

    bool OnInit() override;
    void OnClose() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void AddTyped();
    void RemoveSelected();
    void Fill();

    WatchList& watches_;
    ParamLookup lookup_;
    std::function<void()> namesChanged_;
    platform::RepeatingTimer timer_;
};
