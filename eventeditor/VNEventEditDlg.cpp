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
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_NARRATION);
    Arguments a(*e);
    return a.StoreIf(VNDNarration(c.set).Run(a.S(0), c.owner), e);
}

bool EditSerif(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_SERIF);
    Arguments a(*e);
    return a.StoreIf(VNDSerif(c.set).Run(a.S(0), a.S(1), c.owner), e);
}

bool EditCharacter(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_CHARACTER);
    Arguments a(*e);
    return a.StoreIf(VNDCharacter(c.set).Run(a.S(0), a.S(1), a.I(2), a.I(3), c.owner), e);
}

bool EditBackground(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_BACKGROUND);
    Arguments a(*e);
    return a.StoreIf(VNDBackground(c.set).Run(a.S(0), c.owner), e);
}

bool EditSelect(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_SELECT);
    Arguments a(*e);
    VNString* msg[3] = {&a.S(0), &a.S(2), &a.S(4)};
    VNString* label[3] = {&a.S(1), &a.S(3), &a.S(5)};
    return a.StoreIf(VNDSelect(c.set).Run(msg, label, c.owner), e);
}

bool EditLabel(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_LABEL);
    Arguments a(*e);
    return a.StoreIf(VNDLabel(c.set).Run(a.S(0), c.owner), e);
}

bool EditCdda(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_CDDA);
    Arguments a(*e);
    return a.StoreIf(VNDCdda(c.set).Run(a.I(0), a.I(1), c.owner), e);
}

bool EditPcm(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_PCM);
    Arguments a(*e);
    return a.StoreIf(VNDPcm(c.set).Run(a.S(0), a.I(1), c.owner), e);
}

bool EditFlag(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_SETFLAG);
    Arguments a(*e);
    return a.StoreIf(VNDFlag(c.set).Run(a.S(0), a.I(1), c.owner), e);
}

bool EditJump(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_JUMP);
    Arguments a(*e);
    return a.StoreIf(VNDJump(c.set).Run(a.S(0), a.S(1), a.I(2), a.S(3), c.owner), e);
}

bool EditTitle(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_TITLE);
    Arguments a(*e);
    return a.StoreIf(VNDTitle(c.set).Run(a.S(0), c.owner), e);
}

bool EditWaitClick(VNEvent*, const Context&) {
    return true; // nothing to edit
}

bool EditWait(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_WAIT);
    Arguments a(*e);
    return a.StoreIf(VNDWait(c.set).Run(a.I(0), c.owner), e);
}

bool EditComment(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_COMMENT);
    Arguments a(*e);
    return a.StoreIf(VNDComment(c.set).Run(a.S(0), c.owner), e);
}

bool EditMp3(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_MP3);
    Arguments a(*e);
    return a.StoreIf(VNDMp3(c.set).Run(a.S(0), a.I(1), c.owner), e);
}

bool EditSetFade(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_SETFADE);
    Arguments a(*e);
    return a.StoreIf(VNDSetFade(c.set).Run(a.I(0), a.I(1), a.I(2), a.I(3), c.owner), e);
}

bool EditBtnSelect(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_BTNSELECT);
    Arguments a(*e);
    return a.StoreIf(VNDBtnSelect(c.set).Run(a.S(0), a.S(1), a.S(2), a.I(3), a.S(4), c.owner), e);
}

bool EditAnime(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_ANIME);
    Arguments a(*e);
    return a.StoreIf(VNDAnime(c.set).Run(a.I(0), a.I(1), a.S(2), c.owner), e);
}

bool EditParam(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_SETPARAM);
    Arguments a(*e);
    return a.StoreIf(VNDParam(c.set).Run(a.S(0), a.S(1), a.I(2), a.S(3), c.owner), e);
}

bool EditVorbis(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_VORBIS);
    Arguments a(*e);
    return a.StoreIf(VNDVorbis(c.set).Run(a.S(0), a.I(1), a.I(2), a.I(3), c.owner), e);
}

bool EditMidi(VNEvent* e, const Context& c) {
    VN_ASSERT(e->GetDescriptor().code == EVENTCODE_MIDI);
    Arguments a(*e);
    return a.StoreIf(VNDMidi(c.set).Run(a.S(0), a.I(1), a.I(2), c.owner), e);
}

using EditRoutine = bool (*)(VNEvent*, const Context&);

// The routine of each code, or null where the event cannot be edited;
// `editorOnly` routines exist in the event editor's set only.
struct Route {
    EditRoutine edit;
    bool editorOnly;
};

constexpr Route kRoutes[EVENTCODE_MAX + 1] = {
    {nullptr, false},        // 0: no event
    {EditNarration, false},  // narration
    {EditSerif, false},      // serif
    {EditCharacter, false},  // chara
    {EditBackground, false}, // background
    {EditSelect, false},     // select
    {EditLabel, false},      // label
    {EditCdda, false},       // cdda
    {nullptr, false},        // midiold: read as midi, never edited
    {EditPcm, false},        // pcm
    {EditFlag, false},       // setflag
    {EditJump, false},       // jump
    {EditTitle, false},      // title
    {EditWaitClick, false},  // waitclick
    {EditWait, false},       // wait
    {nullptr, false},        // msgbox: no dialog sets it
    {EditComment, false},    // comment
    {EditMp3, false},        // mp3
    {EditSetFade, false},    // setfade
    {EditBtnSelect, false},  // btnselect
    {EditAnime, false},      // anime
    {EditParam, false},      // setparam
    {EditVorbis, true},      // vorbis
    {EditMidi, false},       // midi
};

} // namespace

VNEventEditDlg::VNEventEditDlg(platform::WindowHandle owner, EventDialogSet set)
    : owner_(owner), set_(set) {}

bool VNEventEditDlg::CanEdit(int32_t code) const {
    if (!IS_VALID_EVENT_CODE(code))
        return false;
    const Route& route = kRoutes[code];
    return route.edit && (!route.editorOnly || set_ == EventDialogSet::Editor);
}

bool VNEventEditDlg::Edit(VNEvent* e) {
    VN_ASSERT(e != NULL);
    const int32_t code = e->GetDescriptor().code;
    if (!CanEdit(code))
        return false;
    return kRoutes[code].edit(e, Context{owner_, set_});
}
