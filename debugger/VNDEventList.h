// The event list of the debug window: every event of the running file as a
// numbered summary line, to choose the line the interpreter goes on from, to
// edit events in place and to save the file.
#pragma once

#include "debugger/RunningEventFile.h"
#include "window/VNDialog.h"

#include <cstdint>
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

    // Runs the list modally over `owner`.
    void Run(platform::WindowHandle owner);
    // The line chosen to jump to (0-based), or -1.
    int32_t JumpIndex() const { return jumpIndex_; }
    bool Modified() const { return modified_; }

    bool OnInit() override;
    void OnClose() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    VNString Line(int32_t index);
    void EditSelected();
    void JumpToSelected();
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
};
