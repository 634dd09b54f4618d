// The main window of vnevedit: the events of one event file as a numbered
// list of summaries, with insert by type, change, cut, copy, paste and
// delete, open, save and save as, files dropped on it, and the script window
// that rewrites the whole file as text. In the list a double click changes
// the event and the Delete key deletes it; Escape closes nothing. Every
// change of the list can be undone and redone, and events can be found by
// their text.
#pragma once

#include "eventeditor/UndoHistory.h"
#include "platform/FileFollower.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNLoadError.h"
#include "window/VNDialog.h"

#include <memory>
#include <string>

class EventEditDlg : public VNDialog {
public:
    EventEditDlg();
    ~EventEditDlg() override;

    // Loads `fileName` (a native path; "" for a new file) and shows the
    // window until it is closed. A file that does not load is reported, and
    // the window opens with an empty list under that name; the first save
    // then asks for a name. When the author chose to save on closing, the
    // file is saved after the window has gone; should that save fail or its
    // chooser be cancelled, the window comes back with the events. Returns 0.
    int Run(const std::string& fileName);

    const VNEventFile& Events() const { return *events_; }
    const std::string& FileName() const { return fileName_; }
    bool IsModified() const { return modified_; }
    const VNEvent* Clipboard() const { return clipboard_.get(); }
    const UndoHistory& History() const { return history_; }

    // The file on disk was changed by another program: an unmodified list
    // is read again, a modified one is noted in the title (and the save
    // asks before writing over the file). The watch calls it; tests too.
    void CheckFileOnDisk() { disk_.Check(); }

    bool OnInit() override;
    void OnClose() override;
    void OnDropFiles(const platform::DropFiles& drop) override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    // True when nothing unsaved would be lost: unchanged, saved or dropped.
    bool ConfirmDiscard();

    void Insert();
    void Change();
    void Copy();
    void Paste();
    void Delete();
    void Cut();
    void Open();
    void LoadFile(const std::string& native);
    bool Save();
    void SaveAs();
    void Close();
    void EditAsScript();
    // Runs the game check on the game holding the file and lists its findings.
    void CheckThisFile();

    // Undo, redo and find (EventEditUndoFind.cpp); false for other commands.
    bool UndoOrFind(int command);
    void Undo();
    void Redo();
    // The list after an undo or redo that changed it from event `at` on.
    void Stepped(int at);
    // Asks for the text to find, then finds it.
    void Find();
    // Finds the last text again after or before the selected line.
    void FindAgain(bool forward);

    // The selected event's index; -1 when nothing or the end line is selected.
    int SelectedEvent() const;
    // Where insert and paste put an event: the selected line, or the end.
    int InsertionPoint() const;
    void Refresh(int from);
    void EditedAt(int selected);
    // Marks the list changed; a note that the file was read again goes.
    void SetModified();
    void UpdateTitle();
    // Reads the file at `path` again into the list; false when it does not load.
    bool Reload(const std::string& path);

    std::unique_ptr<VNEventFile> events_;
    std::string fileName_;
    // The file named at start did not load: saving asks for a name first.
    bool nameUnconfirmed_ = false;
    bool modified_ = false;
    bool scriptOpen_ = false;
    std::unique_ptr<VNEvent> clipboard_;
    UndoHistory history_;
    VNString findText_; // the text last looked for
    // The file as it was read or last saved; none for a list never read.
    platform::FileFollower disk_;
};

// The message for a file that could not be read: its name and why.
VNString LoadFailureText(const std::string& native, const VNLoadError& why);
