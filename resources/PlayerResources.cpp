#include "resources/PlayerResources.h"

#include "resources/DebuggerResources.h"
#include "resources/EventDialogResources.h"
#include "resources/GameCheckResources.h"
#include "resources/ProgramIcons.h"
#include "resources/VirtualKeys.h"

namespace resources {

namespace {

using namespace player_cmd;
namespace id = report_id;

// Layout of the reports, in dialog units.
constexpr int kWidth = 320;
constexpr int kMargin = 7;
constexpr int kLabelWidth = 64;
constexpr int kFieldX = kMargin + kLabelWidth + 4;
constexpr int kFieldWidth = kWidth - kFieldX - kMargin;
constexpr int kRow = 16;

ControlSpec Label(const char8_t* text, int x, int y, int w) {
    return {ControlKind::Static, IDC_STATIC, text, x, y + 2, w, 10};
}

ControlSpec Field(int controlId, int x, int y, int w) {
    return {ControlKind::Edit, controlId, u8"", x, y, w, 12, cf::ReadOnly};
}

// Builds a report: heading, optionally the position group, the rows of
// (label, control id), the help or message field and the "確認" button.
struct ReportBuilder {
    DialogTemplate dialog;
    int y = kMargin;

    explicit ReportBuilder(const char8_t* caption, const char8_t* heading) {
        dialog.caption = caption;
        dialog.width = kWidth;
        dialog.controls.push_back({ControlKind::Static, IDC_STATIC, heading, kMargin, y,
                                   kWidth - 2 * kMargin, 10, 0, FontSpec{nullptr, 0, 0, true}});
        y += 16;
    }

    void Position() {
        const int top = y;
        y += 12;
        Row(u8"イベントファイル", id::File);
        Row(u8"行番号", id::Line);
        Row(u8"イベント", id::Summary);
        dialog.controls.push_back({ControlKind::GroupBox, IDC_STATIC, u8"位置", kMargin - 3, top,
                                   kWidth - 2 * kMargin + 6, y - top + 2});
        y += 8;
    }

    void Row(const char8_t* label, int controlId) {
        dialog.controls.push_back(Label(label, kMargin + 2, y, kLabelWidth));
        dialog.controls.push_back(Field(controlId, kFieldX, y, kFieldWidth - 2));
        y += kRow;
    }

    void Text(int controlId, int height) {
        dialog.controls.push_back({ControlKind::MultiLineEdit, controlId, u8"", kMargin, y,
                                   kWidth - 2 * kMargin, height, cf::ReadOnly});
        y += height + 6;
    }

    DialogTemplate Finish() {
        dialog.controls.push_back({ControlKind::PushButton, IDOK, u8"確認", kWidth - kMargin - 60,
                                   y, 60, 14, cf::DefaultButton});
        dialog.height = y + 14 + kMargin;
        return std::move(dialog);
    }
};

DialogTemplate MessageReport(const char8_t* caption, const char8_t* heading) {
    ReportBuilder b(caption, heading);
    b.Text(id::Message, 150);
    return b.Finish();
}

void AddReports(ResourceSet& set) {
    set.AddDialog("IDD_CRITICALERROR",
                  MessageReport(u8"エラー", u8"致命的なエラーが発生しました。"));
    set.AddDialog("IDD_LOADERROR",
                  MessageReport(u8"ロードエラー", u8"セーブデータのロードに失敗しました。"));
    set.AddDialog("IDD_SAVEERROR", MessageReport(u8"セーブエラー", u8"セーブに失敗しました。"));

    {
        ReportBuilder b(u8"EVTロードエラー", u8"イベントファイルのロードに失敗しました。");
        b.Position();
        b.Row(u8"対象ファイル", id::TargetFile);
        b.Row(u8"対象ラベル", id::TargetLabel);
        b.Text(id::Help, 110);
        set.AddDialog("IDD_EVTLOADERROR", b.Finish());
    }
    {
        ReportBuilder b(u8"無駄なレイヤー操作", u8"同じイメージが既にレイヤーにロードされているか、"
                                                u8"空のレイヤーをフェードアウトしようとしました。");
        b.Position();
        b.Row(u8"レイヤー", id::LayerName);
        b.Row(u8"カラーイメージ", id::ColourImage);
        b.Row(u8"マスクイメージ", id::MaskImage);
        b.Text(id::Help, 110);
        set.AddDialog("IDD_IMAGEALREADYLOADED", b.Finish());
    }
    {
        ReportBuilder b(u8"イメージロードエラー", u8"イメージの読み込みに失敗しました。");
        b.Position();
        b.Row(u8"カラーイメージ", id::ColourImage);
        b.Row(u8"マスクイメージ", id::MaskImage);
        b.Text(id::Help, 110);
        b.dialog.controls.push_back({ControlKind::PushButton, id::VerifyImage,
                                     u8"イメージファイルを検証する", kMargin, b.y, 110, 14,
                                     cf::Disabled});
        set.AddDialog("IDD_IMAGELOADERROR", b.Finish());
    }
    {
        ReportBuilder b(u8"不正オプション", u8"不正なオプションが検出されました。");
        b.Position();
        b.Row(u8"項目名と内容", id::ItemName);
        b.Text(id::Help, 110);
        set.AddDialog("IDD_INVALIDOPTION", b.Finish());
    }
    {
        ReportBuilder b(u8"ラベル未定義", u8"ラベルが未定義です。");
        b.Position();
        b.Row(u8"対象ファイル", id::TargetFile);
        b.Row(u8"対象ラベル", id::TargetLabel);
        b.Text(id::Help, 110);
        set.AddDialog("IDD_LABELUNDEFINED", b.Finish());
    }
    {
        ReportBuilder b(u8"項目未入力", u8"イベントに未入力の項目が検出されました。");
        b.Position();
        b.Row(u8"未入力の項目", id::ItemName);
        b.Text(id::Help, 110);
        set.AddDialog("IDD_MISSINGENTRY", b.Finish());
    }
    {
        ReportBuilder b(u8"パラメタ未宣言", u8"パラメタ名が未宣言です。");
        b.Position();
        b.Row(u8"パラメタ名", id::ParamName);
        b.Text(id::Help, 110);
        set.AddDialog("IDD_PARAMUNDECLARED", b.Finish());
    }
}

DialogTemplate VersionDialog(bool probe) {
    DialogTemplate d;
    d.caption = u8"バージョン情報";
    d.width = 200;
    d.height = 70;
    d.controls = {
        {ControlKind::Static, IDC_STATIC,
         probe ? u8"vnprobe — vnsuite debug player" : u8"vnplay — vnsuite player", 12, 12, 176, 10},
        {ControlKind::Static, IDC_STATIC, u8"Version 0.1.0", 12, 26, 176, 10},
        {ControlKind::PushButton, IDOK, u8"OK", 140, 48, 50, 14, cf::DefaultButton},
    };
    return d;
}

// The backlog: the kept messages in a read-only text and the button that
// closes it.
DialogTemplate BacklogDialog() {
    return DialogTemplate(
        u8"バックログ", 320, 240,
        {MultiLineEdit(backlog_id::Text, 7, 7, 306, 206, cf::ReadOnly),
         Button(backlog_id::Back, u8"戻る", 253, 219, 60, 14, cf::DefaultButton)});
}

// The save and load dialogs: the list of the 50 slots, the button that
// takes the selected slot and "キャンセル".
DialogTemplate SlotDialog(const char8_t* caption, int buttonId, const char8_t* buttonText) {
    return DialogTemplate(caption, 260, 196,
                          {ListBox(slot_id::List, 7, 7, 246, 160),
                           Button(buttonId, buttonText, 145, 174, 50, 14, cf::DefaultButton),
                           Button(IDCANCEL, u8"キャンセル", 203, 174, 50, 14)});
}

// The player's settings: three volumes, the message speed, the auto mode's
// wait, two check boxes, and the buttons.
DialogTemplate SettingsDialog() {
    namespace sid = settings_id;
    constexpr int kLabelW = 170;
    constexpr int kFieldX = 7 + kLabelW + 4;
    const auto row = [](int i) { return 7 + 18 * i; };
    return DialogTemplate(
        u8"設定", 250, 157,
        {Label(u8"音楽の音量（0～100）", 7, row(0), kLabelW),
         EditField(sid::MusicVolume, kFieldX, row(0), 40, 12, cf::DigitsOnly),
         Label(u8"効果音の音量（0～100）", 7, row(1), kLabelW),
         EditField(sid::EffectVolume, kFieldX, row(1), 40, 12, cf::DigitsOnly),
         Label(u8"音声の音量（0～100）", 7, row(2), kLabelW),
         EditField(sid::VoiceVolume, kFieldX, row(2), 40, 12, cf::DigitsOnly),
         Label(u8"メッセージスピード", 7, row(3), kLabelW),
         ComboBox(sid::Speed, kFieldX, row(3), 60, 60),
         Label(u8"オートモードの待ち時間（1文字あたりミリ秒）", 7, row(4), kLabelW),
         EditField(sid::AutoWait, kFieldX, row(4), 40, 12, cf::DigitsOnly),
         CheckBox(sid::SkipReadOnly, u8"既読のみスキップ", 7, row(5), 200, 12),
         CheckBox(sid::FullScreen, u8"フルスクリーンで起動する", 7, row(6), 200, 12),
         Button(sid::Defaults, u8"既定値に戻す", 7, 136, 70, 14),
         Button(IDOK, u8"OK", 135, 136, 50, 14, cf::DefaultButton),
         Button(IDCANCEL, u8"キャンセル", 193, 136, 50, 14)});
}

MenuItem Command(const char8_t* text, int command, uint32_t flags = 0, int radioGroup = 0) {
    return {MenuItemKind::Command, text, command, flags, radioGroup, {}};
}

MenuItem Separator() {
    return {MenuItemKind::Separator, u8"", 0, 0, 0, {}};
}

MenuItem Popup(const char8_t* text, std::vector<MenuItem> items) {
    return {MenuItemKind::Popup, text, 0, 0, 0, std::move(items)};
}

MenuSpec PlayerMenu(bool probe) {
    MenuSpec menu;
    // Each item names its key after the tab, as the debug menu's do; the
    // window translates the keys itself (PlayerAccelerators).
    menu.popups.push_back(Popup(u8"ファイル(&F)", {Command(u8"セーブ(&S)\tCtrl+S", Save),
                                                   Command(u8"ロード(&L)\tCtrl+L", Load),
                                                   Separator(), Command(u8"設定", Settings),
                                                   Separator(), Command(u8"終了(&X)", Exit)}));
    menu.popups.push_back(Popup(
        u8"メッセージ(&M)",
        {Command(u8"バックログ表示(&B)\tBackSpace", Backlog), Separator(),
         Popup(u8"メッセージスピード(&F)", {Command(u8"高速(&H)", SpeedHigh, 0, 1),
                                            Command(u8"通常(&N)", SpeedNormal, mf::Checked, 1),
                                            Command(u8"低速(&L)", SpeedLow, 0, 1)}),
         Command(u8"スキップモード(&S)\tTab", SkipMode),
         Command(u8"オートモード(&A)\tSpace", AutoMode),
         Command(u8"既読のみスキップ", SkipReadOnly), Command(u8"読み上げ(&V)\tV", ReadAloud)}));
    menu.popups.push_back(
        Popup(u8"表示(&S)", {Command(u8"フルスクリーン切り換え(&T)\tAlt+Enter", FullScreen)}));
    if (probe) {
        menu.popups.push_back(Popup(
            u8"デバッグ(&D)",
            {Command(u8"デバッグウィンドウの表示(&W)\tShift+Ctrl+D", DebugWindow), Separator(),
             Command(u8"プレイ(&P)\tShift+Ctrl+P", DebugPlay),
             Command(u8"一時停止(&S)\tShift+Ctrl+S", DebugPause, mf::Grayed),
             Command(u8"イベントを１つ実行する(&N)\tShift+Ctrl+N", DebugStep, mf::Grayed),
             Separator(),
             Popup(
                 u8"パラメタを編集する(&F)",
                 {Command(u8"グローバルパラメタ(global.flg) (&G)\tShift+Ctrl+G", EditGlobalParams),
                  Command(u8"ローカルパラメタ(local.flg) (&L)\tShift+Ctrl+L", EditLocalParams)}),
             Command(u8"レイヤーの状態を確認する(&L)\tShift+Ctrl+A", LayerCheck, mf::Grayed),
             Separator(), Command(u8"ゲームのチェック", CheckGame)}));
        menu.popups.push_back(Popup(u8"ヘルプ(&H)", {Command(u8"バージョン情報(&A)", Version)}));
    }
    return menu;
}

AcceleratorTable PlayerAccelerators(bool probe) {
    AcceleratorTable table;
    table.entries = {
        {VK_RETURN, af::Alt, FullScreen},
        {'L', af::Control, Load},
        {'S', af::Control, Save},
        {VK_BACK, 0, Backlog},
        {VK_TAB, 0, SkipMode},
        {VK_SPACE, 0, AutoMode},
        {'V', 0, ReadAloud},
    };
    if (probe) {
        const uint32_t sc = af::Shift | af::Control;
        table.entries.insert(table.entries.end(), {
                                                      {'D', sc, DebugWindow},
                                                      {'P', sc, DebugPlay},
                                                      {'S', sc, DebugPause},
                                                      {'N', sc, DebugStep},
                                                      {'G', sc, EditGlobalParams},
                                                      {'L', sc, EditLocalParams},
                                                  });
    }
    return table;
}

} // namespace

ResourceSet MakePlayerResources(bool probe) {
    ResourceSet set(probe ? "vnprobe" : "vnplay");
    AddReports(set);
    set.AddDialog("IDD_VERSION", VersionDialog(probe));
    set.AddDialog("IDD_BACKLOG", BacklogDialog());
    set.AddDialog("IDD_SAVE", SlotDialog(u8"セーブ", slot_id::SaveButton, u8"セーブ"));
    set.AddDialog("IDD_LOAD", SlotDialog(u8"ロード", slot_id::LoadButton, u8"ロード"));
    set.AddDialog("IDD_SETTINGS", SettingsDialog());
    set.AddMenu("IDR_MENU", PlayerMenu(probe));
    set.AddAccelerators("IDR_ACCELERATOR", PlayerAccelerators(probe));
    set.AddIcon("IDI_ICON", MakeProgramIcon(ProgramIcon::Player));
    if (probe) {
        AddProbeEventDialogs(set); // the debugger edits the running events
        AddDebuggerResources(set);
        AddGameCheckResources(set);
    }
    return set;
}

} // namespace resources
