#include "resources/EventDialogResources.h"

namespace resources {

namespace {

namespace id = event_id;
namespace names = event_dialog;

constexpr int kMargin = 7;
constexpr int kLabelHeight = 10;
constexpr int kFieldHeight = 12;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kBrowseWidth = 36;

// Lays a dialog out from top to bottom: a label above each field, notes,
// and OK and Cancel at the bottom right.
class Form {
public:
    Form(const char8_t* caption, int width) : width_(width) {
        dialog_.caption = caption;
        dialog_.width = width;
    }

    int Y() const { return y_; }
    int Inner() const { return width_ - 2 * kMargin; }

    // A label and below it a one-line edit field, with a "参照" button at its
    // right when `browseId` is not 0.
    Form& Field(const char8_t* label, int fieldId, uint32_t flags = 0, int browseId = 0,
                int height = kFieldHeight) {
        FieldAt(kMargin, Inner(), label, fieldId, flags, browseId, height);
        y_ += kLabelHeight + height + 5;
        return *this;
    }
    // The same in a column at `x`, `w` wide, without moving down.
    void FieldAt(int x, int w, const char8_t* label, int fieldId, uint32_t flags, int browseId = 0,
                 int height = kFieldHeight) {
        Add(resources::Label(label, x, y_, w, kLabelHeight - 1));
        const int fieldWidth = browseId ? w - kBrowseWidth - 4 : w;
        Add(EditField(fieldId, x, y_ + kLabelHeight, fieldWidth, height, flags));
        if (browseId)
            Add(Button(browseId, u8"参照", x + fieldWidth + 4, y_ + kLabelHeight, kBrowseWidth,
                       kButtonHeight));
    }
    // Two fields side by side.
    Form& Fields(const char8_t* label1, int id1, uint32_t flags1, const char8_t* label2, int id2,
                 uint32_t flags2) {
        const int half = (Inner() - 8) / 2;
        FieldAt(kMargin, half, label1, id1, flags1);
        FieldAt(kMargin + half + 8, half, label2, id2, flags2);
        y_ += kLabelHeight + kFieldHeight + 5;
        return *this;
    }
    Form& Combo(const char8_t* label, int comboId, int w = 120) {
        Add(resources::Label(label, kMargin, y_, Inner(), kLabelHeight - 1));
        Add(ComboBox(comboId, kMargin, y_ + kLabelHeight, w, 120));
        y_ += kLabelHeight + 14 + 5;
        return *this;
    }
    Form& Check(int checkId, const char8_t* text) {
        Add(CheckBox(checkId, text, kMargin, y_, Inner(), 10));
        y_ += 15;
        return *this;
    }
    Form& Note(const char8_t* text, int lines = 1) {
        Add(resources::Label(text, kMargin, y_, Inner(), 9 * lines));
        y_ += 9 * lines + 3;
        return *this;
    }
    // A multi-line field the width of the dialog (Enter presses OK).
    Form& Text(const char8_t* label, int fieldId, int height) {
        if (label) {
            Add(resources::Label(label, kMargin, y_, Inner(), kLabelHeight - 1));
            y_ += kLabelHeight;
        }
        Add(MultiLineEdit(fieldId, kMargin, y_, Inner(), height));
        y_ += height + 5;
        return *this;
    }
    Form& Gap(int dy) {
        y_ += dy;
        return *this;
    }
    void Add(ControlSpec control) { dialog_.controls.push_back(std::move(control)); }

    DialogTemplate Finish() {
        y_ += 3;
        Add(Button(IDOK, u8"OK", width_ - kMargin - 2 * kButtonWidth - 4, y_, kButtonWidth,
                   kButtonHeight, cf::DefaultButton));
        Add(Button(IDCANCEL, u8"キャンセル", width_ - kMargin - kButtonWidth, y_, kButtonWidth,
                   kButtonHeight));
        dialog_.height = y_ + kButtonHeight + kMargin;
        return std::move(dialog_);
    }

private:
    DialogTemplate dialog_;
    int width_;
    int y_ = kMargin;
};

constexpr int kWide = 280;

DialogTemplate Narration() {
    return Form(u8"ナレーション", 360).Text(nullptr, id::Text, 100).Finish();
}

DialogTemplate Serif() {
    return Form(u8"セリフ", 360)
        .Field(u8"話者:", id::Speaker, 0, 0, 20)
        .Text(u8"台詞:", id::Speech, 84)
        .Finish();
}

DialogTemplate Character() {
    return Form(u8"キャラクタ", kWide)
        .Field(u8"カラーイメージ名:", id::ColourImage, 0, id::BrowseColour)
        .Field(u8"マスクイメージ名またはAUTO:", id::MaskImage, 0, id::BrowseMask)
        .Combo(u8"位置:", id::Position, 80)
        .Combo(u8"縦位置:", id::Alignment, 80)
        .Note(u8"カラーイメージ名を空にすると、その位置のキャラクタをフェードアウトします。")
        .Note(u8"カラーイメージ名にLEFT、CENTER、RIGHTのいずれかを指定すると、その位置のキャ"
              u8"ラクタをこの位置に移動します。",
              2)
        .Note(u8"マスクイメージ名にAUTOを指定すると、カラーイメージの左上の点の色を透明色にしま"
              u8"す。",
              2)
        .Finish();
}

DialogTemplate Background() {
    return Form(u8"背景", kWide)
        .Field(u8"画像ファイル名:", id::Text, 0, id::Browse)
        .Note(u8"何も指定しないと、背景をフェードアウトします。")
        .Finish();
}

DialogTemplate Select() {
    Form form(u8"選択肢", kWide);
    const char8_t* messages[] = {u8"選択肢１のメッセージ:", u8"選択肢２のメッセージ:",
                                 u8"選択肢３のメッセージ:"};
    for (int i = 0; i < 3; ++i)
        form.Fields(messages[i], id::Message1 + i, 0, u8"ジャンプ先ラベル:", id::Label1 + i, 0);
    return form.Note(u8"選択肢３を空欄にすると、２択になります。").Finish();
}

DialogTemplate LabelDialog() {
    return Form(u8"ラベル", 200).Field(u8"ラベル名:", id::Text).Finish();
}

DialogTemplate Flag(bool editor) {
    Form form(u8"フラグ設定", 200);
    form.Field(u8"フラグ名:", id::Text).Combo(u8"値:", id::Choice, 80);
    if (editor)
        form.Note(u8"※旧式なので推奨されません。パラメタイベントを使用してください。", 2);
    return form.Finish();
}

DialogTemplate Cdda() {
    return Form(u8"CD-DA 演奏", 200)
        .Field(u8"トラック番号:", id::Track, cf::DigitsOnly)
        .Note(u8"０を指定すると演奏を停止します。")
        .Field(u8"フェード時間（ミリ秒）:", id::Fade, cf::DigitsOnly)
        .Note(u8"０を指定するとフェードしません。")
        .Finish();
}

DialogTemplate Midi() {
    return Form(u8"MIDI 演奏", kWide)
        .Field(u8"MIDIファイル名:", id::MusicFile, 0, id::BrowseMusic)
        .Note(u8"何も指定しないと、演奏を停止します。")
        .Field(u8"フェード時間（ミリ秒）:", id::Fade, cf::DigitsOnly)
        .Check(id::Loop, u8"ループ再生する")
        .Finish();
}

DialogTemplate Pcm(bool editor) {
    Form form(editor ? u8"WAVE 演奏" : u8"PCM 演奏", kWide);
    form.Field(u8"WAVEファイル名:", id::Text, 0, id::Browse)
        .Note(u8"何も指定しないと、再生を停止します。")
        .Check(id::Loop, u8"ループ再生する");
    if (editor)
        form.Note(u8"※旧式なので推奨されません。Vorbisイベントを使用してください。");
    return form.Finish();
}

DialogTemplate Jump() {
    return Form(u8"ジャンプ", kWide)
        .Field(u8"イベントファイル名:", id::JumpFile, 0, id::BrowseJumpFile)
        .Note(u8"何も指定しないと、同じファイルの中でジャンプします。")
        .Field(u8"ラベル名:", id::JumpLabel)
        .Note(u8"何も指定しないと、ファイルの先頭にジャンプします。")
        .Combo(u8"条件:", id::Choice, 200)
        .Field(u8"パラメタ名:", id::JumpParam)
        .Finish();
}

DialogTemplate Title() {
    return Form(u8"タイトル", kWide)
        .Field(u8"セーブタイトル:", id::Text)
        .Note(u8"これ以降に作られるセーブデータのタイトルになります。")
        .Finish();
}

DialogTemplate Wait() {
    return Form(u8"ミリ秒ウェイト", 160)
        .Field(u8"ウェイト時間（ミリ秒）:", id::Text, cf::DigitsOnly)
        .Finish();
}

DialogTemplate Comment() {
    return Form(u8"コメント", 360).Text(nullptr, id::Text, 100).Finish();
}

DialogTemplate Mp3(bool editor) {
    Form form(u8"MP3 演奏", kWide);
    form.Field(u8"MP3ファイル名:", id::MusicFile, 0, id::BrowseMusic)
        .Note(u8"何も指定しないと、再生を停止します。")
        .Field(u8"フェード時間（ミリ秒）:", id::Fade, cf::DigitsOnly);
    if (editor)
        form.Note(u8"※旧式なので推奨されません。Vorbisイベントを使用してください。");
    return form.Finish();
}

DialogTemplate SetFade() {
    return Form(u8"フェード設定", 200)
        .Combo(u8"キャラクタのフェード効果:", id::CharaEffect)
        .Field(u8"キャラクタのフェード時間（ミリ秒）:", id::CharaTime, cf::DigitsOnly)
        .Note(u8"ﾃﾞﾌｫﾙﾄ:500")
        .Combo(u8"背景のフェード効果:", id::BackEffect)
        .Field(u8"背景のフェード時間（ミリ秒）:", id::BackTime, cf::DigitsOnly)
        .Note(u8"ﾃﾞﾌｫﾙﾄ:1000")
        .Finish();
}

DialogTemplate Param(bool editor) {
    Form form(u8"パラメタ設定", 300);
    form.Field(u8"代入先のパラメタ名:", id::Target);
    // term 1, operator, term 2 on one row
    const int y = form.Y();
    form.Add(resources::Label(u8"項１:", kMargin, y, 100, 9));
    form.Add(EditField(id::Term1, kMargin, y + kLabelHeight, 110, kFieldHeight));
    form.Add(resources::Label(u8"演算子:", 124, y, 50, 9));
    form.Add(ComboBox(id::Choice, 124, y + kLabelHeight, 52, 200));
    form.Add(resources::Label(u8"項２:", 183, y, 100, 9));
    form.Add(EditField(id::Term2, 183, y + kLabelHeight, 110, kFieldHeight));
    form.Gap(kLabelHeight + kFieldHeight + 8);
    form.Note(u8"代入先 ＝ 項１ 演算子 項２　（項はパラメタ名または数値）")
        .Note(u8"＋ 和　－ 差　× 積　÷ 商　％ 剰余")
        .Note(u8"＆ ビットごとのAND　｜ OR　＾ XOR")
        .Note(u8"＞ ＜ ≧ ≦ == は比較で、成り立てば１、成り立たなければ０になります。", 2)
        .Note(u8"例）a に 10 を代入する:　a ＝ 10 ＋ 0")
        .Note(u8"例）a に 1 を足す:　a ＝ a ＋ 1");
    if (editor)
        form.Note(u8"項に RAND と書くと、0～32767 の乱数になります。")
            .Note(u8"パラメタは32ビットの符号付き整数です。論理演算では符号なしとして扱います。",
                  2);
    return form.Finish();
}

DialogTemplate Vorbis() {
    return Form(u8"Vorbis 演奏", kWide)
        .Combo(u8"出力チャンネル:", id::Choice, 80)
        .Field(u8"Vorbisファイル名:", id::MusicFile, 0, id::BrowseMusic)
        .Note(u8"何も指定しないと、そのチャンネルの再生を停止します。")
        .Field(u8"フェード時間（ミリ秒）:", id::Fade, cf::DigitsOnly)
        .Note(u8"０を指定するとフェードしません。")
        .Check(id::Loop, u8"ループ再生する")
        .Finish();
}

DialogTemplate BtnSelect() {
    Form form(u8"ボタン選択", kWide);
    form.Field(u8"ベース画像:", id::BaseImage, 0, id::BrowseBase)
        .Field(u8"ポイント時の画像:", id::PointedImage, 0, id::BrowsePointed)
        .Field(u8"右クリックでのジャンプ先ラベル（空欄で右クリック無効）:", id::JumpLabel);
    const int y = form.Y();
    form.Add(resources::Label(u8"ボタン:", kMargin, y, 100, 9));
    const int listWidth = form.Inner() - kButtonWidth - 6;
    form.Add(ListBox(id::List, kMargin, y + kLabelHeight, listWidth, 80));
    const int x = kMargin + listWidth + 6;
    form.Add(Button(id::AddButton, u8"追加", x, y + kLabelHeight, kButtonWidth, kButtonHeight));
    form.Add(
        Button(id::EditButton, u8"編集", x, y + kLabelHeight + 18, kButtonWidth, kButtonHeight));
    form.Add(
        Button(id::DeleteButton, u8"削除", x, y + kLabelHeight + 36, kButtonWidth, kButtonHeight));
    return form.Gap(kLabelHeight + 84).Finish();
}

DialogTemplate BtnAdd() {
    return Form(u8"ボタンの追加", 200)
        .Field(u8"ジャンプ先ラベル:", id::JumpLabel)
        .Fields(u8"左上X:", id::ButtonX, cf::DigitsOnly, u8"左上Y:", id::ButtonX + 1,
                cf::DigitsOnly)
        .Fields(u8"幅:", id::ButtonX + 2, cf::DigitsOnly, u8"高さ:", id::ButtonX + 3,
                cf::DigitsOnly)
        .Finish();
}

DialogTemplate Anime() {
    Form form(u8"アニメーション", 400);
    const int y = form.Y();
    form.Add(resources::Label(u8"アニメーション時間（ミリ秒）:", kMargin, y + 2, 110, 9));
    form.Add(EditField(id::Text, kMargin + 112, y, 60, kFieldHeight, cf::DigitsOnly));
    form.Gap(kFieldHeight + 6);
    const int listTop = form.Y();
    const int listWidth = form.Inner() - kButtonWidth - 6;
    form.Add(ListBox(id::List, kMargin, listTop, listWidth, 130, cf::HScroll));
    const int x = kMargin + listWidth + 6;
    form.Add(Button(id::SetLayer, u8"設定(&S)", x, listTop, kButtonWidth, kButtonHeight));
    form.Add(Button(id::ClearLayer, u8"クリア(&C)", x, listTop + 18, kButtonWidth, kButtonHeight));
    form.Gap(134);
    return form.Note(u8"レイヤーを選んで「設定」を押すと、そのレイヤーの変化を指定できます。")
        .Finish();
}

DialogTemplate AnimeBack() {
    return Form(u8"背景レイヤーの設定", kWide)
        .Field(u8"画像ファイル名:", id::Text, 0, id::Browse)
        .Combo(u8"効果:", id::Choice, 120)
        .Note(u8"何も指定しないと、背景をフェードアウトします。")
        .Finish();
}

DialogTemplate AnimeChara() {
    return Form(u8"キャラクタレイヤーの設定", kWide)
        .Field(u8"カラーイメージ名:", id::ColourImage, 0, id::BrowseColour)
        .Field(u8"マスクイメージ名またはAUTO:", id::MaskImage, 0, id::BrowseMask)
        .Combo(u8"効果:", id::Choice, 120)
        .Fields(u8"左上X:", id::LayerX, 0, u8"左上Y:", id::LayerY, 0)
        .Fields(u8"X拡大率（％）:", id::ScaleX, cf::DigitsOnly, u8"Y拡大率（％）:", id::ScaleY,
                cf::DigitsOnly)
        .Fields(u8"Xせん断（％）:", id::ShearX, cf::ReadOnly, u8"Yせん断（％）:", id::ShearY,
                cf::ReadOnly)
        .Fields(u8"時計回り回転（±度）:", id::Rotation, cf::ReadOnly, u8"不透明度（０～２５５）:",
                id::Opacity, cf::DigitsOnly)
        .Note(u8"カラーイメージ名にNOCHANGEを指定するとイメージを変更しません。"
              u8"何も指定しないと、レイヤーをフェードアウトします。",
              2)
        .Finish();
}

void Add(ResourceSet& set, const char* name, DialogTemplate dialog) {
    set.AddDialog(name, std::move(dialog));
}

// The templates the two sets share (under the debug player's names).
void AddShared(ResourceSet& set) {
    Add(set, names::Narration.probe, Narration());
    Add(set, names::Serif.probe, Serif());
    Add(set, names::Character.probe, Character());
    Add(set, names::Background.probe, Background());
    Add(set, names::Select.probe, Select());
    Add(set, names::Label.probe, LabelDialog());
    Add(set, names::Cdda.probe, Cdda());
    Add(set, names::Midi.probe, Midi());
    Add(set, names::Jump.probe, Jump());
    Add(set, names::Title.probe, Title());
    Add(set, names::Wait.probe, Wait());
    Add(set, names::Comment.probe, Comment());
    Add(set, names::SetFade.probe, SetFade());
    Add(set, names::BtnSelect.probe, BtnSelect());
    Add(set, names::BtnAdd.probe, BtnAdd());
    Add(set, names::Anime.probe, Anime());
    Add(set, names::AnimeBack.probe, AnimeBack());
    Add(set, names::AnimeChara.probe, AnimeChara());
}

} // namespace

void AddProbeEventDialogs(ResourceSet& set) {
    AddShared(set);
    Add(set, names::Flag.probe, Flag(false));
    Add(set, names::Pcm.probe, Pcm(false));
    Add(set, names::Mp3.probe, Mp3(false));
    Add(set, names::Param.probe, Param(false));
}

void AddEditorEventDialogs(ResourceSet& set) {
    AddShared(set);
    for (const EventDialogNames& n :
         {names::Narration, names::Serif, names::Character, names::Background, names::Select,
          names::Label, names::Cdda, names::Midi, names::Jump, names::Title, names::Wait,
          names::Comment, names::SetFade, names::BtnSelect, names::BtnAdd, names::Anime,
          names::AnimeBack, names::AnimeChara})
        set.AddDialogAlias(n.editor, n.probe);
    // The dialogs whose editor templates carry notes of their own.
    Add(set, names::Flag.editor, Flag(true));
    Add(set, names::Pcm.editor, Pcm(true));
    Add(set, names::Mp3.editor, Mp3(true));
    Add(set, names::Param.editor, Param(true));
    Add(set, names::Vorbis.editor, Vorbis());
}

} // namespace resources
