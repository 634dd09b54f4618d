// What the interpreter and the main window ask of vnprobe's debug window.
// The debug window implements it; vnplay has none, so its interpreter never
// pauses.
#pragma once

#include "platform/Handle.h"
#include "scenario/FileStamp.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <memory>

class VNEventFile;
class VNParamFile;
class VNPWindow;

// Run states of the debugger.
enum : int32_t {
    DEBUG_STATE_PAUSED = 0,
    DEBUG_STATE_ONE_STEP = 1,
    DEBUG_STATE_PLAYING = 2,
};

// Whether the message on screen was read before, for the status field.
enum class ReadMark { None, Read, Unread };

class VNPDebugLink {
public:
    virtual ~VNPDebugLink() = default;

    // The main window that owns the debug window and takes its play, pause
    // and step commands; given when the main window attaches it.
    virtual void SetMainWindow(VNPWindow* /*window*/) {}

    // Where the interpreter stands before each event.
    virtual void SetPosition(const VNString& fileName, VNEventFile* events, int32_t index) = 0;
    virtual void Refresh() = 0;
    virtual int32_t State() const = 0;
    virtual void SetState(int32_t state) = 0;
    virtual void EnableNavigation(bool enabled) = 0;
    // The position after a pause. The author may have moved to another file:
    // then `replacement` holds the new event file (the old one is dropped),
    // else it stays null.
    virtual void TakePosition(VNString& fileName, std::unique_ptr<VNEventFile>& replacement,
                              int32_t& index) = 0;
    // The interpreter's last report.
    virtual void SetStatus(const VNString& text) = 0;
    // While a message is shown: whether it was read before (None after it).
    virtual void SetReadMark(ReadMark /*mark*/) {}

    // The player read the running event file anew (at the start, for a jump
    // to a file, for a load): `events`, named `fileName`, as `read` stamps
    // it. It holds no edits yet.
    virtual void SetRunningFile(const VNString& /*fileName*/, VNEventFile* /*events*/,
                                const vn::FileStamp& /*read*/) {}
    // Whether events of the running file were edited and not saved since.
    virtual bool HasUnsavedEdits() const { return false; }
    // Before the running file's events are dropped (the game ends, another
    // file or a save is loaded): with edits not yet saved, asks whether to
    // save them. True to go on; false when the author chose to stay.
    virtual bool ConfirmDropEdits(platform::WindowHandle /*owner*/) { return true; }
    // The game has ended: edits not yet saved are offered once more.
    virtual void SaveEditsBeforeEnd(platform::WindowHandle /*owner*/) {}

    // The parameter tables the window lists and edits (not owned).
    virtual void SetParamTables(VNParamFile* global, VNParamFile* local) = 0;

    // The window itself (menu commands of the main window).
    virtual bool IsVisible() const = 0;
    virtual void Show(bool visible) = 0;
    // Which parameter table the window edits (global or local).
    virtual void EditParameters(bool global) = 0;
    // Runs the game check on the game and lists what it found.
    virtual void CheckGame() {}
};
