#include "platform/FileFollower.h"

#include "platform/FileChooser.h"
#include "platform/MessageBox.h"

namespace platform {

void FileFollower::Remember(const vn::FileStamp& stamp) {
    stamp_ = stamp;
    if (!stamp.Exists())
        watch_.Stop();
    else if (watch_.Path() != stamp.Path())
        watch_.Watch(stamp.Path(), [this] { Check(); });
    SetNote(Note::None);
}

void FileFollower::Check() {
    if (!editor_.isShown() || !stamp_.Exists())
        return;
    const vn::FileStamp now = vn::FileStamp::Take(stamp_.Path(), stamp_);
    Note note = Note::Changed;
    if (!now.Exists()) {
        note = Note::Deleted;
    } else if (!now.DiffersFrom(stamp_)) {
        stamp_ = now; // touched, or written again with the same bytes
        note = note_ == Note::Reloaded ? Note::Reloaded : Note::None;
    } else if (!editor_.isModified() && editor_.reload(now.Path())) {
        // Nothing of the author's was lost: the editor shows the file as it
        // is now. A file that does not read (yet) stays noted instead.
        stamp_ = now; // taken before the read, so a later change is seen
        note = Note::Reloaded;
    }
    SetNote(note);
}

void FileFollower::Modified() {
    if (note_ == Note::Reloaded)
        SetNote(Note::None);
}

VNString FileFollower::NoteText() const {
    switch (note_) {
    case Note::Reloaded:
        return VNString(u8"[ディスク上の変更を読み込みました] ");
    case Note::Changed:
        return VNString(u8"[ディスク上で変更されています] ");
    case Note::Deleted:
        return VNString(u8"[ディスク上で削除されています] ");
    case Note::None:
        break;
    }
    return VNString();
}

bool FileFollower::MayOverwrite(WindowHandle owner, const std::string& path,
                                const VNString& caption) const {
    return stamp_.Path() != path || !stamp_.ChangedOnDisk() ||
           ConfirmOverwriteChangedFile(owner, NativePathText(path), caption);
}

void FileFollower::SetNote(Note note) {
    if (note == note_)
        return;
    note_ = note;
    editor_.noteChanged();
}

} // namespace platform
