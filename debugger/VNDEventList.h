// The event list of the debug window: every event of the running file as a
// numbered summary line, to choose the line the interpreter goes on from, to
// edit, copy and delete events in place and to save the file; over the
// running file also to set breakpoints (a line with one is led by "■", by
// "▲" when it has a condition) and to run to the chosen line.
#pragma once

#include "debugger/Breakpoints.h"
#include "debugger/RunningEventFile.h"
#include "window/VNDialog.h"

#include <cstdint>
#include <functional>
#include <string>

class VNEventFile;

class VNDEventList : public VNDialog {
public:
    // `events` is the file the interpreter runs (not owned), `name` its name
    // in the game's event/ folder under `gameFolder`; the list opens with
    // `initial` selected.
    VNDEventList(VNEventFile& events, VNString name, std::string gameFolder, int32_t initial);
    // Over the running file as the debug window knows it: an edit here
    // counts as one of its edits, and a save here saves them all.
    VNDEventList(RunningEventFile& running, int32_t initial);
    // The same with the game's breakpoints, shown and changed here;
    // `changed` is called after each change of them.
    VNDEventList(RunningEventFile& running, int32_t initial, Breakpoints& breakpoints,
                 std::function<void()> changed);

    // Runs the list modally over `owner`.
    void Run(platform::WindowHandle owner);
    // The line chosen to jump to (0-based), or -1.
    int32_t JumpIndex() const { return jumpIndex_; }
    bool Modified() const { return modified_; }
    // The event the interpreter runs next, moved with insertions and
    // deletions before it (0-based).
    int32_t NextIndex() const { return next_; }
    // "ここまで実行" closed the list: the game should play on.
    bool RunToChosen() const { return runTo_; }

    bool OnInit() override;
    void OnClose() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    VNString Line(int32_t index);
    void EditSelected();
    void JumpToSelected();
    void ToggleBreakpoint();
    void EditCondition();
    void RunToSelected();
    void InsertCopy();
    void DeleteSelected();
    // Lines from `first` to the end written again (their numbers moved).
    void RefillFrom(int32_t first, int32_t selection);
    void EditedHere();
    void BreakpointsChanged(int32_t selection);
    // Writes the file back to event/<name>; false (after saying so) when
    // the write failed.
    bool SaveToFile();
    void SaveAs();
    // "戻る", the close box and the first step of a jump.
    void CloseSequence();

    VNEventFile& events_;
    std::string gameFolder_;
    // Stamped when the list opens, for a list opened on its own.
    RunningEventFile own_;
    RunningEventFile& running_;
    bool modified_ = false;
    int32_t jumpIndex_;
    int32_t next_;
    Breakpoints* breakpoints_ = nullptr;
    std::function<void()> breakpointsChanged_;
    bool runTo_ = false;
};
