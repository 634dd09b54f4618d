// The running event file as vnprobe's tools edit it: which file it is, what
// was read of it on disk, and whether its events were changed since it was
// read or last saved. The debug window and the event list share one, so an
// edit made in either is saved, or asked about, before it could be lost.
#pragma once

#include "platform/Handle.h"
#include "scenario/FileStamp.h"
#include "scenario/VNString.h"

#include <string>

class VNEventFile;

class RunningEventFile {
public:
    // `gameFolder` holds the game's event/ folder.
    explicit RunningEventFile(std::string gameFolder);

    // `events` (not owned) was read anew from event/<name>, as `read`
    // stamps it: it holds no edits yet.
    void Read(const VNString& name, VNEventFile* events, const vn::FileStamp& read);
    void MarkEdited() { edited_ = true; }
    bool Edited() const { return edited_; }
    const VNString& Name() const { return name_; }
    const std::string& GameFolder() const { return gameFolder_; }
    VNEventFile* Events() const { return events_; }
    // What was read of the file, or last written to it.
    const vn::FileStamp& Stamp() const { return read_; }
    // The native path of event/<name>.
    std::string Path() const;

    // Writes the events back to event/<name>; when another program changed
    // that file since it was read, asks first. Says how it went; false when
    // nothing was written.
    bool Save(platform::WindowHandle owner);
    // After the events were written to `native` under another name: when
    // that is the running file itself, it holds them now.
    void SavedAs(const std::string& native);

    // Before the events are dropped: with edits not yet saved, asks
    // "変更をファイルに保存しますか？". True to go on (saved, or the author
    // chose to drop them: they count as gone); false to stay (Cancel, or a
    // save that failed).
    bool ConfirmDiscard(platform::WindowHandle owner);
    // The same in the words of `question`.
    bool ConfirmDiscard(platform::WindowHandle owner, const VNString& question);
    // The game ends and nothing can stay: edits not yet saved are offered
    // for saving (Yes, No) until they are saved or dropped.
    void SaveBeforeEnd(platform::WindowHandle owner);

private:
    std::string gameFolder_;
    VNString name_;
    VNEventFile* events_ = nullptr;
    vn::FileStamp read_;
    bool edited_ = false;
};
