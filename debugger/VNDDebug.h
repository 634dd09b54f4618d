// vnprobe's debug window: a modeless window beside the game with the play,
// pause and step buttons, the next event (file, line, script line), the
// interpreter's last report, and the doors to the event file selector, the
// event list and the edit dialog of the next event. The object lives from
// the player's start to its end; its window exists only while shown.
#pragma once

#include "debugger/Breakpoints.h"
#include "debugger/RunningEventFile.h"
#include "debugger/WatchList.h"
#include "platform/EventPump.h"
#include "platform/FileWatch.h"
#include "player/VNPDebugLink.h"
#include "window/VNDialog.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class WatchWindow;
namespace gamecheck {
struct Finding;
}

class VNDDebug : public VNDialog, public VNPDebugLink {
public:
    // `gameFolder` holds the game's event/ folder.
    explicit VNDDebug(std::string gameFolder);
    ~VNDDebug() override;

    // What the main window and the interpreter ask of it.
    void SetMainWindow(VNPWindow* window) override;
    void SetPosition(const VNString& fileName, VNEventFile* events, int32_t index) override;
    void Refresh() override;
    int32_t State() const override { return state_; }
    void SetState(int32_t state) override;
    void EnableNavigation(bool enabled) override;
    void TakePosition(VNString& fileName, std::unique_ptr<VNEventFile>& replacement,
                      int32_t& index) override;
    void SetStatus(const VNString& text) override;
    void SetReadMark(ReadMark mark) override;
    void SetRunningFile(const VNString& fileName, VNEventFile* events,
                        const vn::FileStamp& read) override;
    bool HasUnsavedEdits() const override { return running_.Edited(); }
    bool ConfirmDropEdits(platform::WindowHandle owner) override;
    void SaveEditsBeforeEnd(platform::WindowHandle owner) override;
    void SetParamTables(VNParamFile* global, VNParamFile* local) override;
    bool IsVisible() const override { return Handle() != nullptr; }
    void Show(bool visible) override;
    void EditParameters(bool global) override;
    void CheckGame() override;

    // While the interpreter stands paused at an event: when the running file
    // changed on disk, reads it again and goes on from the same event, or
    // from the nearest label before it, or from the start; with edits of the
    // debugger's not yet saved it asks first. The file's watch and the start
    // of each pause call it; tests too.
    void ReloadIfChanged();

    // The window's handlers.
    bool OnInit() override;
    void OnClose() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;
    void OnDrawItem(int controlId, platform::DrawItem& item) override;

    // What the window shows (also while it is hidden).
    const VNString& FileName() const { return fileName_; }
    int32_t LineNumber() const { return lineNumber_; }
    const VNString& EventText() const { return eventText_; }
    const VNString& StatusText() const { return status_; }
    // The status field: the status, and while a message is shown whether it
    // was read before.
    VNString ShownStatus() const;
    bool NavigationEnabled() const { return navigation_; }

    // The game's breakpoints and watches, kept in its save/ folder.
    Breakpoints& GameBreakpoints() { return breakpoints_; }
    const WatchList& Watches() const { return watches_; }
    WatchWindow* Watcher() const { return watchWindow_.get(); }
    // Writes the breakpoints and watched names to the game's file.
    void SaveStops();

private:
    // A button face: 0xRRGGBB pixels, top row first.
    struct Face {
        int width = 0;
        int height = 0;
        std::vector<uint32_t> pixels;
    };

    // The "..." buttons.
    void JumpToFile();
    void OpenEventList();
    void EditNextEvent();

    void LoadFaces();
    void ApplyState();
    void ApplyNavigation();
    void FillFields();
    // Fills the fields at the window system's next turn: while the game
    // runs, one event follows another far faster than the window is drawn.
    void FillFieldsSoon();
    // The script line of the event at line number - 1, or empty.
    VNString NextEventText() const;
    // The window that owns the questions: this one, or the game's.
    platform::WindowHandle OwnerWindow() const;
    // A finding of the game check chosen in its list: opens the event list of
    // its file at its line; true when the author jumped there.
    bool OpenFinding(const gamecheck::Finding& finding, platform::WindowHandle owner);

    // Breakpoints and watches (VNDDebugStops.cpp).
    void LoadStops();
    // While playing: pauses before event `index` when a breakpoint says so.
    // Inline, as it runs before every event; the common case is three
    // comparisons and a load.
    void CheckBreakpoint(const VNEventFile* events, int32_t index) {
        if (events != gateEvents_ || gate_.Stale(breakpoints_) || gate_.Stops(index)) {
            BindAndCheck(events, index);
        }
    }
    void BindAndCheck(const VNEventFile* events, int32_t index);
    // The run state changes from `before` to state_.
    void StopsSeeState(int32_t before);
    void UpdateWatches();
    void OpenWatches();
    bool LookUp(const VNString& name, int32_t& value) const;
    bool Resolve(const VNString& name, const VNParamFile*& table, int32_t& index) const;

    VNPWindow* main_ = nullptr;
    std::string gameFolder_;
    VNEventFile* events_ = nullptr;
    // A file the author jumped to while paused, until the interpreter takes it.
    std::unique_ptr<VNEventFile> replacement_;
    // The file the tools edit: the interpreter's, or the one jumped to.
    RunningEventFile running_;
    VNString fileName_;
    VNString eventText_;
    VNString status_;
    bool statusSet_ = false;
    ReadMark readMark_ = ReadMark::None;
    int32_t lineNumber_ = -1;
    int32_t state_ = DEBUG_STATE_PAUSED;
    bool navigation_ = false;
    VNParamFile* global_ = nullptr;
    VNParamFile* local_ = nullptr;
    // play, play pressed, play disabled, then pause and step alike.
    std::array<Face, 9> faces_;
    bool facesLoaded_ = false;
    platform::RepeatingTimer fillTimer_;
    Breakpoints breakpoints_;
    BreakGate gate_;
    // The file the gate was bound for; null: bind again.
    const VNEventFile* gateEvents_ = nullptr;
    WatchList watches_;
    ParamLookup lookup_;
    std::unique_ptr<WatchWindow> watchWindow_;
    // A change of the running file on disk that was not read (the author
    // kept the debugger's edits, or it did not load): looked at again only
    // once the file changes anew.
    vn::FileStamp notReloaded_;
    // Notice of changes to the running file (watched from the first pause).
    platform::FileWatch watch_;
};
