#include "eventeditor/VNEventEditDlg.h"

#include "eventeditor/AnimeDialogs.h"
#include "eventeditor/ButtonDialogs.h"
#include "eventeditor/FieldDialogs.h"
#include "scenario/VNAssert.h"
#include "scenario/VNEvent.h"

namespace {

using platform::WindowHandle;

// Copies of an event's arguments that the dialogs edit by reference, stored
// back into the event only when a dialog confirms.
class Arguments {
public:
    explicit Arguments(const VNEvent& e) {
        VN_ASSERT(e.GetParamCount() <= kMaxArguments);
        for (int32_t n = 0; n < e.GetParamCount(); ++n) {
            if (e.IsIntArg(n))
                ints_[n] = e.GetInt(n);
            else
                strings_[n] = e.GetString(n);
        }
    }
    int32_t& I(int n) { return ints_[n]; }
    VNString& S(int n) { return strings_[n]; }

    // Writes every argument back when `confirmed`; returns `confirmed`.
    bool StoreIf(bool confirmed, VNEvent* e) const {
        if (!confirmed)
            return false;
        for (int32_t n = 0; n < e->GetParamCount(); ++n) {
            if (e->IsIntArg(n))
                e->SetInt(n, ints_[n]);
            else
                e->SetString(n, strings_[n]);
        }
        return true;
    }

private:
    static constexpr int kMaxArguments = 6; // select
    int32_t ints_[kMaxArguments] = {};
    VNString strings_[kMaxArguments];
};

struct Context {
    WindowHandle owner;
    EventDialogSet set;
};

bool EditNarration(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDNarration(c.set).Run(a.S(0), c.owner), e);
}

bool EditSerif(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDSerif(c.set).Run(a.S(0), a.S(1), c.owner), e);
}

bool EditCharacter(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDCharacter(c.set).Run(a.S(0), a.S(1), a.I(2), a.I(3), c.owner), e);
}

bool EditBackground(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDBackground(c.set).Run(a.S(0), c.owner), e);
}

bool EditSelect(VNEvent* e, const Context& c) {
    Arguments a(*e);
    VNString* msg[3] = {&a.S(0), &a.S(2), &a.S(4)};
    VNString* label[3] = {&a.S(1), &a.S(3), &a.S(5)};
    return a.StoreIf(VNDSelect(c.set).Run(msg, label, c.owner), e);
}

bool EditLabel(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDLabel(c.set).Run(a.S(0), c.owner), e);
}

bool EditCdda(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDCdda(c.set).Run(a.I(0), a.I(1), c.owner), e);
}

bool EditPcm(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDPcm(c.set).Run(a.S(0), a.I(1), c.owner), e);
}

bool EditFlag(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDFlag(c.set).Run(a.S(0), a.I(1), c.owner), e);
}

bool EditJump(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDJump(c.set).Run(a.S(0), a.S(1), a.I(2), a.S(3), c.owner), e);
}

bool EditTitle(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDTitle(c.set).Run(a.S(0), c.owner), e);
}

bool EditWaitClick(VNEvent*, const Context&) {
    return true; // nothing to edit
}

bool EditWait(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDWait(c.set).Run(a.I(0), c.owner), e);
}

bool EditComment(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDComment(c.set).Run(a.S(0), c.owner), e);
}

bool EditMp3(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDMp3(c.set).Run(a.S(0), a.I(1), c.owner), e);
}

bool EditSetFade(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDSetFade(c.set).Run(a.I(0), a.I(1), a.I(2), a.I(3), c.owner), e);
}

bool EditBtnSelect(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDBtnSelect(c.set).Run(a.S(0), a.S(1), a.S(2), a.I(3), a.S(4), c.owner), e);
}

bool EditAnime(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDAnime(c.set).Run(a.I(0), a.I(1), a.S(2), c.owner), e);
}

bool EditParam(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDParam(c.set).Run(a.S(0), a.S(1), a.I(2), a.S(3), c.owner), e);
}

bool EditVorbis(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDVorbis(c.set).Run(a.S(0), a.I(1), a.I(2), a.I(3), c.owner), e);
}

bool EditMidi(VNEvent* e, const Context& c) {
    Arguments a(*e);
    return a.StoreIf(VNDMidi(c.set).Run(a.S(0), a.I(1), a.I(2), c.owner), e);
}

using EditRoutine = bool (*)(VNEvent*, const Context&);

// The routine of each dialog the event type table names; the row of an
// event's type says which dialog edits it.
EditRoutine RoutineOf(EventDialog dialog) {
    switch (dialog) {
    case EventDialog::None:
        return nullptr;
    case EventDialog::NothingToEdit:
        return EditWaitClick;
    case EventDialog::Narration:
        return EditNarration;
    case EventDialog::Serif:
        return EditSerif;
    case EventDialog::Character:
        return EditCharacter;
    case EventDialog::Background:
        return EditBackground;
    case EventDialog::Select:
        return EditSelect;
    case EventDialog::Label:
        return EditLabel;
    case EventDialog::Cdda:
        return EditCdda;
    case EventDialog::Pcm:
        return EditPcm;
    case EventDialog::Flag:
        return EditFlag;
    case EventDialog::Jump:
        return EditJump;
    case EventDialog::Title:
        return EditTitle;
    case EventDialog::Wait:
        return EditWait;
    case EventDialog::Comment:
        return EditComment;
    case EventDialog::Mp3:
        return EditMp3;
    case EventDialog::SetFade:
        return EditSetFade;
    case EventDialog::BtnSelect:
        return EditBtnSelect;
    case EventDialog::Anime:
        return EditAnime;
    case EventDialog::Param:
        return EditParam;
    case EventDialog::Vorbis:
        return EditVorbis;
    case EventDialog::Midi:
        return EditMidi;
    }
    return nullptr;
}

} // namespace

VNEventEditDlg::VNEventEditDlg(platform::WindowHandle owner, EventDialogSet set)
    : owner_(owner), set_(set) {}

bool VNEventEditDlg::CanEdit(int32_t code) const {
    if (!IS_VALID_EVENT_CODE(code))
        return false;
    const VNEventDescriptor& row = GetEventDescriptor(code);
    return RoutineOf(row.dialog) &&
           (row.dialog_sets == DialogSets::Both || set_ == EventDialogSet::Editor);
}

bool VNEventEditDlg::Edit(VNEvent* e) {
    VN_ASSERT(e != NULL);
    const int32_t code = e->GetDescriptor().code;
    if (!CanEdit(code))
        return false;
    return RoutineOf(e->GetDescriptor().dialog)(e, Context{owner_, set_});
}
