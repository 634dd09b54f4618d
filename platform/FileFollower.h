// What an editor knows of the file it holds on disk: the stamp of what it
// read or last wrote, a watch on the file, and the note its title shows when
// the file changed on disk since. While the editor holds no changes of the
// author's, a changed file is read again through the editor's `reload`.
#pragma once

#include "platform/FileWatch.h"
#include "platform/Handle.h"
#include "scenario/FileStamp.h"
#include "scenario/VNString.h"

#include <functional>
#include <string>

namespace platform {

class FileFollower {
public:
    enum class Note { None, Reloaded, Changed, Deleted };
    struct Editor {
        std::function<bool()> isShown;                       // checks wait while the window is away
        std::function<bool()> isModified;                    // holds changes of the author's
        std::function<bool(const std::string& path)> reload; // true when read
        std::function<void()> noteChanged;                   // the title follows
    };

    explicit FileFollower(Editor editor) : editor_(std::move(editor)) {}

    // `stamp` is what the editor now holds (none for a list never read or
    // saved); the note is cleared and the file watched.
    void Remember(const vn::FileStamp& stamp);
    // Compares the file on disk with what the editor holds and updates the
    // note, reading the file again when nothing of the author's would be lost.
    void Check();
    // The editor was changed: a note that the file was read again goes.
    void Modified();

    const vn::FileStamp& Stamp() const { return stamp_; }
    Note GetNote() const { return note_; }
    // The note as the title shows it, followed by a blank ("" for none).
    VNString NoteText() const;
    // Before writing the held file at `path` again: true when it is unchanged
    // on disk or the author agreed to overwrite the change.
    bool MayOverwrite(WindowHandle owner, const std::string& path, const VNString& caption) const;

private:
    void SetNote(Note note);

    Editor editor_;
    vn::FileStamp stamp_;
    FileWatch watch_;
    Note note_ = Note::None;
};

} // namespace platform
