// Every event edit dialog opened through VNEventEditDlg, in both sets:
// fields written back with their limits, combo indexes, check boxes, the
// ways of leaving without a change, and the dispatcher's codes.
#include "EventDialogTestSupport.h"
#include "eventeditor/FieldDialogs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

using namespace platform;
using evtest::EventDialogTest;
using evtest::SavedBytes;
namespace id = resources::event_id;

namespace {

enum class Kind { Text, Number, Combo, Check };

struct Field {
    int id;
    Kind kind;
    int arg;
    int limit = 0;                           // text and number fields
    std::vector<const char8_t*> items = {};  // combos: the debug player's list
    std::vector<const char8_t*> editor = {}; // combos: the editor's, when it differs
    bool required = false;                   // combos: OK needs a choice
};

struct DialogCase {
    int32_t code;
    const char* probeTemplate; // null: not in the debug player's set
    const char* editorTemplate;
    const char8_t* probeCaption;
    const char8_t* editorCaption;
    std::vector<Field> fields;
};

Field Text(int controlId, int arg, int limit) {
    return {controlId, Kind::Text, arg, limit};
}
Field Number(int controlId, int arg, int limit = 63) {
    return {controlId, Kind::Number, arg, limit};
}
Field Combo(int controlId, int arg, std::vector<const char8_t*> items, bool required,
            std::vector<const char8_t*> editor = {}) {
    return {controlId, Kind::Combo, arg, 0, std::move(items), std::move(editor), required};
}
Field Check(int controlId, int arg) {
    return {controlId, Kind::Check, arg};
}

const std::vector<const char8_t*> kEffects = {u8"アルファブレンド", u8"点描１", u8"点描２",
                                              u8"スラッシュ１", u8"スラッシュ２"};

// Control ids, argument indexes, limits and lists as the dialogs' rules give them.
const std::vector<DialogCase>& Dialogs() {
    static const std::vector<DialogCase> cases = {
        {EVENTCODE_NARRATION,
         "IDD_NARRATION",
         "IDD_NARRATIONINPUT",
         u8"ナレーション",
         u8"ナレーション",
         {Text(1000, 0, 65535)}},
        {EVENTCODE_SERIF,
         "IDD_SERIF",
         "IDD_SERIFINPUT",
         u8"セリフ",
         u8"セリフ",
         {Text(1001, 0, 1023), Text(1002, 1, 65535)}},
        {EVENTCODE_CHARACTER,
         "IDD_CHARACTER",
         "IDD_CHARACTERINPUT",
         u8"キャラクタ",
         u8"キャラクタ",
         {Text(1004, 0, 1023), Text(1005, 1, 1023),
          Combo(id::Position, 2, {u8"中央", u8"左", u8"右"}, true),
          Combo(id::Alignment, 3, {u8"下", u8"中央", u8"上"}, true)}},
        {EVENTCODE_BACKGROUND,
         "IDD_BACKGROUND",
         "IDD_BACKGROUNDINPUT",
         u8"背景",
         u8"背景",
         {Text(1000, 0, 1023)}},
        {EVENTCODE_SELECT,
         "IDD_SELECT",
         "IDD_SELECTINPUT",
         u8"選択肢",
         u8"選択肢",
         {Text(1018, 0, 1023), Text(1021, 1, 511), Text(1019, 2, 1023), Text(1022, 3, 511),
          Text(1020, 4, 1023), Text(1023, 5, 511)}},
        {EVENTCODE_LABEL,
         "IDD_LABEL",
         "IDD_LABELINPUT",
         u8"ラベル",
         u8"ラベル",
         {Text(1000, 0, 511)}},
        {EVENTCODE_CDDA,
         "IDD_CDDA",
         "IDD_CDDAINPUT",
         u8"CD-DA 演奏",
         u8"CD-DA 演奏",
         {Number(1027, 0), Number(1030, 1)}},
        {EVENTCODE_PCM,
         "IDD_PCM",
         "IDD_PCMINPUT",
         u8"PCM 演奏",
         u8"WAVE 演奏",
         {Text(1000, 0, 4095), Check(1062, 1)}},
        {EVENTCODE_SETFLAG,
         "IDD_FLAG",
         "IDD_SETFLAGINPUT",
         u8"フラグ設定",
         u8"フラグ設定",
         {Text(1000, 0, 511), Combo(id::Choice, 1, {u8"ＯＮ", u8"ＯＦＦ", u8"反転"}, true)}},
        {EVENTCODE_JUMP,
         "IDD_JUMP",
         "IDD_JUMPINPUT",
         u8"ジャンプ",
         u8"ジャンプ",
         {Text(1031, 0, 1023), Text(1034, 1, 1023),
          Combo(id::Choice, 2,
                {u8"条件なし（強制）", u8"パラメタの値が０以外である", u8"パラメタの値が０である"},
                true,
                {u8"条件なし（強制）", u8"パラメタの値が０以外である（フラグＯＮ）",
                 u8"パラメタの値が０である（フラグＯＦＦ）"}),
          Text(1035, 3, 1023)}},
        {EVENTCODE_TITLE,
         "IDD_TITLE",
         "IDD_SETTITLEINPUT",
         u8"タイトル",
         u8"タイトル設定",
         {Text(1000, 0, 1023)}},
        {EVENTCODE_WAIT,
         "IDD_WAIT",
         "IDD_WAITINPUT",
         u8"ミリ秒ウェイト",
         u8"ミリ秒ウェイト",
         {Number(1000, 0)}},
        {EVENTCODE_COMMENT,
         "IDD_COMMENT",
         "IDD_COMMENTINPUT",
         u8"コメント",
         u8"コメント",
         {Text(1000, 0, 65535)}},
        {EVENTCODE_MP3,
         "IDD_MP3",
         "IDD_MP3INPUT",
         u8"MP3 演奏",
         u8"MP3 演奏",
         {Text(1041, 0, 4095), Number(1030, 1)}},
        {EVENTCODE_SETFADE,
         "IDD_SETFADE",
         "IDD_SETFADEINPUT",
         u8"フェード設定",
         u8"フェード設定",
         {Combo(1059, 0, kEffects, true), Number(1061, 1, 1023),
          Combo(1060, 2,
                {u8"アルファブレンド", u8"点描１", u8"点描２", u8"スラッシュ１", u8"スラッシュ２",
                 u8"アルファカーテン"},
                true),
          Number(1062, 3, 1023)}},
        {EVENTCODE_BTNSELECT,
         "IDD_BTNSELECT",
         "IDD_BTNSELECTINPUT",
         u8"ボタン選択",
         u8"ボタン選択",
         {Text(1069, 0, 1023), Text(1005, 1, 1023), Text(1034, 2, 1023)}},
        {EVENTCODE_ANIME,
         "IDD_ANIME",
         "IDD_ANIMEINPUT",
         u8"アニメーション",
         u8"アニメーション",
         {Number(id::Text, 0)}},
        {EVENTCODE_SETPARAM,
         "IDD_PARAM",
         "IDD_SETPARAMINPUT",
         u8"パラメタ設定",
         u8"パラメタ設定",
         {Text(1070, 0, 1023), Text(1105, 1, 1023),
          Combo(1026, 2,
                {u8"＋", u8"－", u8"×", u8"÷", u8"％", u8"＆", u8"｜", u8"＾", u8"＞", u8"＜",
                 u8"≧", u8"≦", u8"=="},
                true),
          Text(1106, 3, 1023)}},
        {EVENTCODE_VORBIS,
         nullptr,
         "IDD_VORBISINPUT",
         nullptr,
         u8"Vorbis 演奏",
         {Combo(id::Choice, 1, {u8"ＢＧＭ", u8"ボイス", u8"効果音"}, false), Text(1041, 0, 4095),
          Number(1030, 2), Check(1062, 3)}},
        {EVENTCODE_MIDI,
         "IDD_MIDI",
         "IDD_MIDIINPUT",
         u8"MIDI 演奏",
         u8"MIDI 演奏",
         {Text(1041, 0, 4095), Number(1030, 1), Check(1062, 2)}},
    };
    return cases;
}

VNString Repeat(const char8_t* unit, int count) {
    VNString text;
    const VNString one(unit);
    std::u16string wide;
    for (int i = 0; i < count; ++i)
        wide += one.Wide();
    return VNString::FromWide(wide);
}

// An event whose every argument differs from a new event's: strings hold a
// character whose bytes do not survive a trip through the wide form (NEC
// row 13 "∵", 0x87 0x9A), integers hold 1 (a valid index of every combo).
VNEvent Filled(int32_t code) {
    VNEvent e(code);
    for (int32_t n = 0; n < e.GetParamCount(); ++n) {
        if (e.IsIntArg(n))
            e.SetInt(n, 1);
        else
            e.SetString(n, VNString::FromBytes(std::string("\x87\x9A") + "arg" + char('0' + n)));
    }
    return e;
}

class FieldDialogTest : public EventDialogTest {
protected:
    const char* TemplateOf(const DialogCase& c) const {
        return Editor() ? c.editorTemplate : c.probeTemplate;
    }
};

INSTANTIATE_TEST_SUITE_P(BothSets, FieldDialogTest,
                         ::testing::Values(EventDialogSet::Probe, EventDialogSet::Editor),
                         evtest::SetName);

TEST_P(FieldDialogTest, EveryFieldIsWrittenBackWithItsLimitAndEveryComboAsItsIndex) {
    for (const DialogCase& c : Dialogs()) {
        if (!TemplateOf(c))
            continue;
        SCOPED_TRACE(TemplateOf(c));
        VNEvent e(c.code);
        const VNEvent before = e;
        hook.Push([&](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), TemplateOf(c));
            EXPECT_EQ(v.Caption(), VNString(Editor() ? c.editorCaption : c.probeCaption));
            DialogHost& d = v.Dialog();
            for (const Field& f : c.fields) {
                ASSERT_TRUE(d.HasControl(f.id)) << f.id;
                switch (f.kind) {
                case Kind::Text: // one character more than the field holds
                    d.SetText(f.id, Repeat(u8"ア", f.limit + 1));
                    break;
                case Kind::Number: // the limit cuts the "8" off
                    d.SetText(f.id, Repeat(u8" ", f.limit - 1) + VNString("78"));
                    break;
                case Kind::Combo: {
                    const auto& items = Editor() && !f.editor.empty() ? f.editor : f.items;
                    ASSERT_EQ(d.ComboCount(f.id), static_cast<int>(items.size())) << f.id;
                    for (size_t i = 0; i < items.size(); ++i)
                        EXPECT_EQ(d.ComboGetText(f.id, static_cast<int>(i)), VNString(items[i]));
                    EXPECT_EQ(d.ComboGetSelection(f.id), 0); // a new event's index
                    d.ComboSetSelection(f.id, d.ComboCount(f.id) - 1);
                    break;
                }
                case Kind::Check:
                    EXPECT_FALSE(d.IsChecked(f.id));
                    d.SetChecked(f.id, true);
                    break;
                }
            }
            v.Press(resources::IDOK);
        });
        ASSERT_TRUE(Edit(e));
        for (int32_t n = 0; n < e.GetParamCount(); ++n) {
            auto f = std::find_if(c.fields.begin(), c.fields.end(),
                                  [n](const Field& field) { return field.arg == n; });
            if (f == c.fields.end()) { // not a field (the lists of btnselect and anime)
                if (e.IsIntArg(n))
                    EXPECT_EQ(e.GetInt(n), before.GetInt(n)) << n;
                else
                    EXPECT_EQ(e.GetString(n), before.GetString(n)) << n;
                continue;
            }
            switch (f->kind) {
            case Kind::Text:
                EXPECT_EQ(e.GetString(n), Repeat(u8"ア", f->limit)) << n;
                break;
            case Kind::Number:
                EXPECT_EQ(e.GetInt(n), 7) << n;
                break;
            case Kind::Combo:
                EXPECT_EQ(e.GetInt(n),
                          static_cast<int>(
                              (Editor() && !f->editor.empty() ? f->editor : f->items).size()) -
                              1)
                    << n;
                break;
            case Kind::Check:
                EXPECT_EQ(e.GetInt(n), 1) << n;
                break;
            }
        }
    }
}

// How a dialog is left without a change: every field edited first.
enum class Leave { Cancel, CloseBox, Escape, OkWithoutChoice };

TEST_P(FieldDialogTest, CancelTheCloseBoxEscapeAndAMissingChoiceLeaveTheEventByteForByte) {
    for (const DialogCase& c : Dialogs()) {
        if (!TemplateOf(c))
            continue;
        std::vector<std::pair<Leave, int>> ways = {
            {Leave::Cancel, 0}, {Leave::CloseBox, 0}, {Leave::Escape, 0}};
        for (const Field& f : c.fields)
            if (f.kind == Kind::Combo && f.required)
                ways.push_back({Leave::OkWithoutChoice, f.id});
        for (const auto& [leave, unchosen] : ways) {
            SCOPED_TRACE(std::string(TemplateOf(c)) + " way " + std::to_string(int(leave)) +
                         " combo " + std::to_string(unchosen));
            VNEvent e = Filled(c.code);
            const std::string before = SavedBytes(e);
            hook.Push([&, leave = leave, unchosen = unchosen](ModalView& v) {
                DialogHost& d = v.Dialog();
                for (const Field& f : c.fields) {
                    if (f.kind == Kind::Text || f.kind == Kind::Number)
                        d.SetText(f.id, VNString("42"));
                    else if (f.kind == Kind::Combo)
                        d.ComboSetSelection(f.id, f.id == unchosen ? -1 : 0);
                    else
                        d.SetChecked(f.id, !d.IsChecked(f.id));
                }
                switch (leave) {
                case Leave::Cancel:
                    v.Press(resources::IDCANCEL);
                    break;
                case Leave::CloseBox:
                    v.Close();
                    break;
                case Leave::Escape: {
                    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                    QApplication::sendEvent(reinterpret_cast<QWidget*>(d.Handle()), &escape);
                    break;
                }
                case Leave::OkWithoutChoice:
                    v.Press(resources::IDOK);
                    break;
                }
                EXPECT_FALSE(v.IsOpen());
            });
            EXPECT_FALSE(Edit(e));
            EXPECT_EQ(SavedBytes(e), before);
        }
    }
}

TEST_P(FieldDialogTest, OkWithoutTouchingAnythingKeepsEveryArgumentsOwnBytes) {
    for (const DialogCase& c : Dialogs()) {
        if (!TemplateOf(c) || c.code == EVENTCODE_PCM) // pcm: loop 1 stays 1, tested below
            continue;
        SCOPED_TRACE(TemplateOf(c));
        VNEvent e = Filled(c.code);
        if (c.code == EVENTCODE_BTNSELECT || c.code == EVENTCODE_ANIME) {
            e.SetInt(c.code == EVENTCODE_ANIME ? 1 : 3, 0); // lists are tested on their own
            e.SetString(c.code == EVENTCODE_ANIME ? 2 : 4, VNString());
        }
        const std::string before = SavedBytes(e);
        hook.Push([](ModalView& v) { v.Press(resources::IDOK); });
        EXPECT_TRUE(Edit(e));
        EXPECT_EQ(SavedBytes(e), before);
    }
}

TEST_P(FieldDialogTest, TheDispatcherOpensNothingForWaitclickAndTheCodesWithoutADialog) {
    VNEvent waitclick(EVENTCODE_WAITCLICK);
    EXPECT_TRUE(Edit(waitclick));
    for (int32_t code : {EVENTCODE_MIDIOLD, EVENTCODE_MSGBOX}) {
        VNEvent e(code);
        EXPECT_FALSE(Edit(e)) << code;
    }
    VNEvent vorbis = Filled(EVENTCODE_VORBIS);
    if (Editor()) {
        hook.Push([](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), "IDD_VORBISINPUT");
            v.Press(resources::IDOK);
        });
    }
    EXPECT_EQ(Edit(vorbis), Editor());
    EXPECT_EQ(hook.Seen().size(), Editor() ? 1u : 0u);

    VNEventEditDlg dispatcher(nullptr, Set());
    for (int32_t code = 1; code <= EVENTCODE_MAX; ++code) {
        const bool none = code == EVENTCODE_MIDIOLD || code == EVENTCODE_MSGBOX ||
                          (code == EVENTCODE_VORBIS && !Editor());
        EXPECT_EQ(dispatcher.CanEdit(code), !none) << code;
    }
    EXPECT_FALSE(dispatcher.CanEdit(0));
    EXPECT_FALSE(dispatcher.CanEdit(EVENTCODE_MAX + 1));
}

TEST_P(FieldDialogTest, StoredValuesOutsideTheListsAndEmptiedNumbers) {
    // A position outside the list opens unselected; OK without a choice is
    // a cancel and the position stays 3.
    VNEvent chara(EVENTCODE_CHARACTER);
    chara.SetInt(2, 3);
    chara.SetInt(3, 2);
    hook.Push([](ModalView& v) {
        EXPECT_EQ(v.Dialog().ComboGetSelection(id::Position), -1);
        EXPECT_EQ(v.Dialog().ComboGetSelection(id::Alignment), 2);
        v.Press(resources::IDOK);
    });
    EXPECT_FALSE(Edit(chara));
    EXPECT_EQ(chara.GetInt(2), 3);

    // A pcm loop flag of 2 shows a clear box and comes back as 0; a midi
    // loop flag of 2 shows a ticked one and comes back as 1.
    VNEvent pcm(EVENTCODE_PCM);
    pcm.SetInt(1, 2);
    hook.Push([](ModalView& v) {
        EXPECT_FALSE(v.Dialog().IsChecked(id::Loop));
        v.Press(resources::IDOK);
    });
    EXPECT_TRUE(Edit(pcm));
    EXPECT_EQ(pcm.GetInt(1), 0);
    VNEvent midi(EVENTCODE_MIDI);
    midi.SetInt(2, 2);
    hook.Push([](ModalView& v) {
        EXPECT_TRUE(v.Dialog().IsChecked(id::Loop));
        v.Press(resources::IDOK);
    });
    EXPECT_TRUE(Edit(midi));
    EXPECT_EQ(midi.GetInt(2), 1);

    // An emptied number is 0; a signed one with trailing text reads its digits.
    VNEvent wait(EVENTCODE_WAIT);
    wait.SetInt(0, 1500);
    hook.Push([](ModalView& v) {
        EXPECT_EQ(v.Dialog().GetText(id::Text), VNString("1500"));
        v.Dialog().SetText(id::Text, VNString());
        v.Press(resources::IDOK);
    });
    EXPECT_TRUE(Edit(wait));
    EXPECT_EQ(wait.GetInt(0), 0);
    VNEvent cdda(EVENTCODE_CDDA);
    cdda.SetInt(1, -20);
    hook.Push([](ModalView& v) {
        EXPECT_EQ(v.Dialog().GetText(id::Fade), VNString("-20"));
        v.Dialog().SetText(id::Track, VNString("  -3ms"));
        v.Press(resources::IDOK);
    });
    EXPECT_TRUE(Edit(cdda));
    EXPECT_EQ(cdda.GetInt(0), -3);
    EXPECT_EQ(cdda.GetInt(1), -20);

    // The Vorbis channel is not checked: a channel outside the list comes
    // back as -1.
    if (Editor()) {
        VNEvent vorbis(EVENTCODE_VORBIS);
        vorbis.SetInt(1, 7);
        hook.Push([](ModalView& v) {
            EXPECT_EQ(v.Dialog().ComboGetSelection(id::Choice), -1);
            v.Press(resources::IDOK);
        });
        EXPECT_TRUE(Edit(vorbis));
        EXPECT_EQ(vorbis.GetInt(1), -1);
    }
}

// A browse button, its field and argument, and its chooser in each set.
struct BrowseCase {
    int32_t code;
    int button;
    int field;
    int arg;
    const char8_t* title;
    std::vector<std::pair<const char8_t*, const char8_t*>> probe;
    std::vector<std::pair<const char8_t*, const char8_t*>> editor;
    const char8_t* editorTitle = nullptr; // when it differs
};

const std::vector<BrowseCase>& Browsers() {
    using P = std::pair<const char8_t*, const char8_t*>;
    const P bmp{u8"ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(*.bmp)", u8"*.bmp"};
    const P png{u8"24ﾋﾞｯﾄ PNGﾌｧｲﾙ(*.png)", u8"*.png"};
    const P ebmp{u8"ビットマップ (*.bmp)", u8"*.bmp"};
    const P epng{u8"24 ビット PNG (*.png)", u8"*.png"};
    static const std::vector<BrowseCase> cases = {
        {EVENTCODE_CHARACTER,
         1006,
         1004,
         0,
         u8"キャラクタ画像を選択する",
         {bmp, png},
         {ebmp, epng}},
        {EVENTCODE_CHARACTER,
         1007,
         1005,
         1,
         u8"マスク画像を選択する",
         {bmp, {u8"ｸﾞﾚｰｽｹｰﾙ PNGﾌｧｲﾙ(*.png)", u8"*.png"}},
         {ebmp, {u8"グレースケール PNG (*.png)", u8"*.png"}}},
        {EVENTCODE_BACKGROUND, 1017, 1000, 0, u8"背景画像を選択する", {bmp, png}, {ebmp, epng}},
        {EVENTCODE_PCM,
         1017,
         1000,
         0,
         u8"WAVEファイルを選択する",
         {{u8"WAVEﾌｧｲﾙ(*.wav)", u8"*.wav"}},
         {{u8"WAVE ファイル (*.wav)", u8"*.wav"}}},
        {EVENTCODE_JUMP,
         1032,
         1031,
         0,
         u8"ジャンプ先イベントファイルを選択する",
         {{u8"ｲﾍﾞﾝﾄﾌｧｲﾙ(*.evt)", u8"*.evt"}},
         {{u8"イベントファイル (*.evt)", u8"*.evt"}}},
        {EVENTCODE_MP3,
         1042,
         1041,
         0,
         u8"MP3ファイルを選択する",
         {{u8"MP3ﾌｧｲﾙ(*.mp3)", u8"*.mp3"}},
         {{u8"MP3ﾌｧｲﾙ(*.mp3)", u8"*.mp3"}}},
        {EVENTCODE_MIDI,
         1042,
         1041,
         0,
         u8"MIDIファイルを選択する",
         {{u8"MIDIﾌｧｲﾙ(*.mid)", u8"*.mid"}},
         {{u8"MIDI ファイル (*.mid)", u8"*.mid"}}},
        {EVENTCODE_VORBIS,
         1042,
         1041,
         0,
         u8"Vorbis ファイルを選択する",
         {},
         {{u8"OggVorbis ファイル (*.ogg)", u8"*.ogg"}}},
        {EVENTCODE_BTNSELECT,
         1068,
         1069,
         0,
         u8"画像ファイルを選択する",
         {{u8"BMPﾌｧｲﾙ(*.bmp)", u8"*.bmp"}},
         {{u8"24 ビット ビットマップ (*.bmp)", u8"*.bmp"}, epng},
         u8"背景画像を選択する"},
        {EVENTCODE_BTNSELECT,
         1007,
         1005,
         1,
         u8"画像ファイルを選択する",
         {{u8"BMPﾌｧｲﾙ(*.bmp)", u8"*.bmp"}},
         {{u8"24 ビット ビットマップ (*.bmp)", u8"*.bmp"}, epng},
         u8"背景画像を選択する"},
    };
    return cases;
}

TEST_P(FieldDialogTest, BrowsingStoresTheBareFileNameAndACancelledChooserNothing) {
    for (const BrowseCase& c : Browsers()) {
        const auto& filters = Editor() ? c.editor : c.probe;
        if (filters.empty())
            continue;
        SCOPED_TRACE(std::to_string(c.code) + " button " + std::to_string(c.button));
        VNEvent e(c.code);
        hook.Push([&](ModalView& v) {
            v.Press(c.button); // cancelled: the field keeps its text
            EXPECT_EQ(v.Dialog().GetText(c.field), VNString());
            v.Press(c.button);
            v.Press(resources::IDOK);
        });
        for (bool choose : {false, true}) {
            hook.Push([&, choose](ModalView& v) {
                EXPECT_EQ(v.Kind(), ModalKind::OpenFile);
                EXPECT_EQ(v.Caption(),
                          VNString(Editor() && c.editorTitle ? c.editorTitle : c.title));
                EXPECT_EQ(v.Text(), VNString());
                ASSERT_EQ(v.Filters().size(), filters.size());
                for (size_t i = 0; i < filters.size(); ++i) {
                    EXPECT_EQ(v.Filters()[i].description, VNString(filters[i].first));
                    EXPECT_EQ(v.Filters()[i].pattern, VNString(filters[i].second));
                }
                if (choose)
                    v.ChooseFile(VNString(u8"/ゲーム/cg/サブ/画像ファイル.bmp"));
                else
                    v.Press(IDCANCEL);
            });
        }
        EXPECT_TRUE(Edit(e));
        EXPECT_EQ(e.GetString(c.arg), VNString(u8"画像ファイル.bmp"));
    }
}

// The narration, speech and comment fields: Enter presses OK, Ctrl+Enter
// makes a line break; narration and speech use the large text font, and
// keep a line break as the message line break "/".
TEST_P(FieldDialogTest, TextFieldsTakeCtrlEnterAsALineBreakAndEnterAsOk) {
    struct TextCase {
        int32_t code;
        int arg;
        bool largeFont;
        const char8_t* written;
    };
    for (const TextCase& c : {TextCase{EVENTCODE_NARRATION, 0, true, u8"一行目/二行目"},
                              TextCase{EVENTCODE_SERIF, 1, true, u8"一行目/二行目"},
                              TextCase{EVENTCODE_COMMENT, 0, false, u8"一行目\r\n二行目"}}) {
        SCOPED_TRACE(c.code);
        VNEvent e(c.code);
        e.SetString(c.arg, VNString(u8"一行目"));
        hook.Push([&](ModalView& v) {
            auto* window = reinterpret_cast<QWidget*>(v.Dialog().Handle());
            QPlainTextEdit* field = window->findChildren<QPlainTextEdit*>().value(0);
            ASSERT_NE(field, nullptr);
            const QFontInfo font(field->font());
            if (c.largeFont) {
                EXPECT_EQ(font.family(), QStringLiteral("IPAPGothic"));
                EXPECT_EQ(font.pixelSize(), 28);
            }
            field->moveCursor(QTextCursor::End);
            QKeyEvent ctrlEnter(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier);
            QApplication::sendEvent(field, &ctrlEnter);
            field->insertPlainText(QStringLiteral("二行目"));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(field, &enter);
            EXPECT_FALSE(v.IsOpen());
        });
        EXPECT_TRUE(Edit(e));
        EXPECT_EQ(e.GetString(c.arg), VNString(c.written));
    }
}

TEST(EventDialogDeathTest, TheSelectDialogNeedsThreeMessagesAndThreeLabels) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto runWithoutTheSecondLabel = [] {
        VNString text;
        VNString* msg[3] = {&text, &text, &text};
        VNString* label[3] = {&text, nullptr, &text};
        VNDSelect(EventDialogSet::Probe).Run(msg, label, nullptr);
    };
    EXPECT_DEATH(runWithoutTheSecondLabel(), "label\\[i\\] != NULL");
}

} // namespace
