// The templates of both sets: every name resolves in its set, and the
// templates carry their fixed texts and notes.
#include "EventDialogTestSupport.h"

namespace {

using evtest::EditorResources;
using evtest::ProbeResources;

// Every control text of a template, UTF-8, one after another.
std::string AllTexts(const resources::DialogTemplate& dialog) {
    std::string texts;
    for (const resources::ControlSpec& control : dialog.controls)
        texts += reinterpret_cast<const char*>(control.text) + std::string("\n");
    return texts;
}

TEST(EventDialogResources, EveryTemplateNameResolvesInItsSetOnly) {
    const char* probe[] = {"IDD_NARRATION",  "IDD_SERIF",      "IDD_CHARACTER", "IDD_BACKGROUND",
                           "IDD_SELECT",     "IDD_LABEL",      "IDD_FLAG",      "IDD_CDDA",
                           "IDD_MIDI",       "IDD_PCM",        "IDD_JUMP",      "IDD_TITLE",
                           "IDD_WAIT",       "IDD_COMMENT",    "IDD_MP3",       "IDD_SETFADE",
                           "IDD_PARAM",      "IDD_BTNSELECT",  "IDD_BTNADD",    "IDD_ANIME",
                           "IDD_ANIME_BACK", "IDD_ANIME_CHARA"};
    const char* editor[] = {
        "IDD_NARRATIONINPUT",  "IDD_SERIFINPUT",    "IDD_CHARACTERINPUT", "IDD_BACKGROUNDINPUT",
        "IDD_SELECTINPUT",     "IDD_LABELINPUT",    "IDD_SETFLAGINPUT",   "IDD_CDDAINPUT",
        "IDD_MIDIINPUT",       "IDD_PCMINPUT",      "IDD_JUMPINPUT",      "IDD_SETTITLEINPUT",
        "IDD_WAITINPUT",       "IDD_COMMENTINPUT",  "IDD_MP3INPUT",       "IDD_SETFADEINPUT",
        "IDD_BTNSELECTINPUT",  "IDD_BTNINPUT",      "IDD_ANIMEINPUT",     "IDD_ANIMEBACKINPUT",
        "IDD_ANIMECHARAINPUT", "IDD_SETPARAMINPUT", "IDD_VORBISINPUT"};
    const resources::ResourceSet player = resources::MakePlayerResources(false);
    for (const char* name : probe) {
        const resources::DialogTemplate* dialog = ProbeResources().FindDialog(name);
        ASSERT_NE(dialog, nullptr) << name;
        EXPECT_EQ(player.FindDialog(name), nullptr) << name; // vnplay edits nothing
        // Enter presses OK.
        EXPECT_TRUE(std::any_of(dialog->controls.begin(), dialog->controls.end(),
                                [](const resources::ControlSpec& c) {
                                    return c.id == resources::IDOK &&
                                           (c.flags & resources::cf::DefaultButton);
                                }))
            << name;
    }
    for (const char* name : editor) {
        EXPECT_NE(EditorResources().FindDialog(name), nullptr) << name;
        EXPECT_EQ(ProbeResources().FindDialog(name), nullptr) << name;
    }
}

TEST(EventDialogResources, TemplatesCarryTheirFixedTextsAndEachSetsNotes) {
    const std::string pcmNote = reinterpret_cast<const char*>(
        u8"※旧式なので推奨されません。Vorbisイベントを使用してください。");
    const std::string flagNote = reinterpret_cast<const char*>(
        u8"※旧式なので推奨されません。パラメタイベントを使用してください。");
    struct Case {
        const char* name;
        bool editor;
        std::vector<const char8_t*> present;
        std::vector<std::string> absent;
    };
    const std::vector<Case> cases = {
        {"IDD_SERIF", false, {u8"話者:", u8"台詞:"}, {}},
        {"IDD_CHARACTER",
         false,
         {u8"マスクイメージ名またはAUTO:", u8"LEFT", u8"CENTER", u8"RIGHT", u8"参照"},
         {}},
        {"IDD_BACKGROUND", false, {u8"画像ファイル名:"}, {}},
        {"IDD_FLAG", false, {u8"フラグ名:"}, {flagNote}},
        {"IDD_SETFLAGINPUT", true, {u8"フラグ名:"}, {}},
        {"IDD_PCM", false, {u8"ループ再生する"}, {pcmNote}},
        {"IDD_MP3", false, {}, {pcmNote}},
        {"IDD_MIDI", false, {u8"ループ再生する"}, {pcmNote}},
        {"IDD_SETFADE", false, {u8"ﾃﾞﾌｫﾙﾄ:500", u8"ﾃﾞﾌｫﾙﾄ:1000"}, {}},
        {"IDD_PARAM", false, {u8"代入先のパラメタ名:"}, {"RAND"}},
        {"IDD_SETPARAMINPUT", true, {u8"代入先のパラメタ名:", u8"RAND", u8"0～32767"}, {}},
        {"IDD_VORBISINPUT", true, {u8"出力チャンネル:", u8"ループ再生する"}, {}},
        {"IDD_BTNSELECT", false, {u8"追加", u8"編集", u8"削除"}, {}},
        {"IDD_BTNADD", false, {u8"ジャンプ先ラベル:"}, {}},
        {"IDD_ANIME", false, {u8"設定(&S)", u8"クリア(&C)"}, {}},
        {"IDD_ANIME_BACK", false, {u8"何も指定しないと、背景をフェードアウトします。"}, {}},
        {"IDD_ANIME_CHARA",
         false,
         {u8"マスクイメージ名またはAUTO:", u8"不透明度（０～２５５）:", u8"時計回り回転（±度）:",
          u8"NOCHANGE"},
         {}},
    };
    for (const Case& c : cases) {
        const resources::DialogTemplate* dialog =
            (c.editor ? EditorResources() : ProbeResources()).FindDialog(c.name);
        ASSERT_NE(dialog, nullptr) << c.name;
        const std::string texts = AllTexts(*dialog);
        for (const char8_t* text : c.present)
            EXPECT_NE(texts.find(reinterpret_cast<const char*>(text)), std::string::npos)
                << c.name << ": " << reinterpret_cast<const char*>(text);
        for (const std::string& text : c.absent)
            EXPECT_EQ(texts.find(text), std::string::npos) << c.name << ": " << text;
    }
    // The editor's own templates carry the notes the debug player's lack.
    for (const char* name : {"IDD_PCMINPUT", "IDD_MP3INPUT"})
        EXPECT_NE(AllTexts(*EditorResources().FindDialog(name)).find(pcmNote), std::string::npos)
            << name;
    EXPECT_NE(AllTexts(*EditorResources().FindDialog("IDD_SETFLAGINPUT")).find(flagNote),
              std::string::npos);
}

} // namespace
