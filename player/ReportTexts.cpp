#include "player/ReportTexts.h"

#include "scenario/VNAssert.h"

#include <initializer_list>
#include <vector>

namespace {

// Largest layer index (the eleven layers are 0 to 10).
constexpr int32_t CHARACTER_LAYER_COUNT = 10;

struct HelpText {
    std::vector<const char8_t*> lines;
    bool endsWithLineEnd;

    VNString Join() const {
        const VNString crlf("\r\n");
        VNString text;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                text += crlf;
            }
            text += VNString(lines[i]);
        }
        if (endsWithLineEnd) {
            text += crlf;
        }
        return text;
    }
};

// VNDCriticalError (both players)
const HelpText kCriticalHelp{
    {
        u8"",
        u8"",
        u8"このエラーは通常は発生しないもので、アプリケーションにとって致命的です。",
        u8"これ以上動作を続けることができませんので、「確認」ボタンを押すとアプリケーションを終了し"
        u8"ます。",
        u8"",
        u8"▽Windowsを再起動する",
        u8"　●このエラーの大半はWindowsの動作に原因があり、Windowsを再起動することによって解消され"
        u8"ます。",
        u8"　●Windowsを再起動するのが面倒な場合は、とりあえず他のアプリケーションを終了してみてくだ"
        u8"さい。",
        u8"",
        u8"▽Windowsのバージョンが違う",
        u8"　●このアプリケーションはWindows "
        u8"95/98/Me/2000/"
        u8"XPで動作確認を行っています。それ以降のWindowsをお使いの方は、旧バージョンとの互換性を保"
        u8"つモードで起動してみてください。",
    },
    true};

// VNDEvtLoadError (vnprobe)
const HelpText kEvtLoadHelpProbe{
    {
        u8"▽イベントファイルが存在しない",
        u8"　●イベントファイル名の指定にミスはありませんか？全角と半角の違いや、アンダースコア(_)"
        u8"とハイフン(-)の違いを確認してください。",
        u8"　●イベントファイルはきちんとeventフォルダ以下に格納していますか？他のフォルダに格納して"
        u8"いないか確認してください。ただし、eventフォルダの下に独自のフォルダ階層を作って、そこに"
        u8"格納することは可能です。",
        u8"",
        u8"▽イベントファイルが読み込めない形式である",
        u8"　●イベントファイルが壊れている可能性があります。vneveditで開けるか確認してください。",
        u8"　●イベントファイルを出力したvneveditのバージョンが、プレイヤのバージョンよりも新しい可"
        u8"能性があります。最新のプレイヤを使用するか、プレイヤと同じバージョンのvneveditを使用して"
        u8"ください。",
        u8"",
        u8"▽ロードしたセーブデータが古かった",
        u8"　●セーブデータを破棄してください。",
        u8"",
        u8"▽起動時にエクスプローラで縮小表示を行っていた",
        u8"　●Windowsのバグにより、縮小表示中はカレントディレクトリが変更されます。縮小表示しないで"
        u8"、もう一度起動し直してください。",
    },
    true};

// VNDImageAlreadyLoaded (both players)
const HelpText kAlreadyLoadedHelp{
    {
        u8"▽指定したイメージが既にレイヤーにロードされている",
        u8"　●イメージファイルの指定にミスはありませんか？全角と半角の違いや、アンダースコア(_)"
        u8"とハイフン(-)の違いを確認してください。",
        u8"",
        u8"同じイメージが既にレイヤーにロードされている場合、そのイベントの実行には無駄が生じます"
        u8"。",
        u8"同一イメージのロードが許されるのは、ボタン選択イベントのボタン画像（ベース画像がレイヤー"
        u8"０）のみです。",
        u8"",
        u8"▽空のレイヤーをフェードアウトしようとした",
        u8"　●イメージファイル名やNOCHANGEキーワードを入力し忘れていませんか？",
        u8"",
        u8"▽背景レイヤーにNOCHANGEキーワードを適用しようとした",
        u8"　●背景レイヤーは移動・拡大・透過度の指定ができないのでNOCHANGEキーワードが使えません。",
    },
    false};

// VNDImageLoadError (vnprobe)
const HelpText kImageLoadHelpProbe{
    {
        u8"▽イメージファイルが存在しない",
        u8"　●イメージファイルの指定にミスはありませんか？全角と半角の違いや、アンダースコア(_)"
        u8"とハイフン(-)の違いを確認してください。",
        u8"　●NOCHANGEやAUTOキーワードのスペルに誤りはありませんか？キーワードが半角大文字であるこ"
        u8"とを確認してください。",
        u8"",
        u8"▽イメージファイルが読み込めない形式である",
        u8"　●カラーイメージとして読み込めるのは、",
        u8"　　　・1,4,8,24ビットのＢＭＰ",
        u8"　　　・24ビットのＰＮＧ",
        u8"　　です。",
        u8"　●マスクイメージとして読み込めるのは、",
        u8"　　　・1,4,8,24ビットのＢＭＰ",
        u8"　　　・グレースケールのＰＮＧ",
        u8"　　です。",
        u8"　●フィルターやインタレースを使用しているＰＮＧは読み込めません。ＰＮＧファイルの出力オ"
        u8"プションを確認してください。",
        u8"",
        u8"▽カラーイメージとマスクイメージの縦・横のサイズが異なる",
        u8"　●カラーイメージとマスクイメージの縦・横のサイズは同一でなければいけません。イメージの"
        u8"サイズを確認してください。",
        u8"",
        u8"▽ロードしたセーブデータが古かった",
        u8"　●セーブデータを破棄してください。",
    },
    false};

// VNDInvalidOption (vnprobe)
const HelpText kInvalidOptionHelpProbe{
    {
        u8"▽選択式項目が規定外の値である",
        u8"　●スクリプト入力時に項目に誤った値を指定した可能性があります。",
        u8"　●イベントファイルを出力したvneveditのバージョンが、プレイヤのバージョンよりも新しい可"
        u8"能性があります。最新のプレイヤを使用するか、プレイヤと同じバージョンのvneveditを使用して"
        u8"ください。",
        u8"▽使用してはいけない値を指定した",
        u8"　●ゼロによる除算は行えません。",
    },
    true};

// VNDLabelUndefined (vnprobe)
const HelpText kLabelUndefinedHelpProbe{
    {
        u8"▽定義されていないラベルを指定した",
        u8"　●ラベル名の指定にミスはありませんか？全角と半角の違いや、アンダースコア(_)とハイフン(-"
        u8")の違いを確認してください。",
        u8"",
        u8"▽ロードしたセーブデータが古かった",
        u8"　●セーブデータを破棄してください。ジャンプ先のイベントファイルは存在しますが、そのイベ"
        u8"ントファイル内に指定されたラベルが存在しません。",
    },
    false};

// VNDLoadError (both players)
const HelpText kLoadErrorHelp{{
                                  u8"",
                                  u8"",
                                  u8"▽セーブデータが壊れている",
                                  u8"　●問題のあるセーブデータは上書きしてください。",
                              },
                              false};

// VNDMissingEntry (vnprobe)
const HelpText kMissingEntryHelpProbe{
    {
        u8"▽必須項目が入力されていない",
        u8"　●省略できない項目が入力されていません。問題のあるイベントを確認してください。",
    },
    false};

// VNDParamUndeclared (vnprobe)
const HelpText kParamUndeclaredHelpProbe{
    {
        u8"▽宣言されていないパラメタを指定した",
        u8"　●パラメタ名の指定にミスはありませんか？全角と半角の違いや、アンダースコア(_)"
        u8"とハイフン(-)の違いを確認してください。",
        u8"　●パラメタを宣言し忘れていませんか？local.flgとglobal.flgを確認してください。",
        u8"　●パラメタの宣言は誤っていませんか？local.flgとglobal."
        u8"flgで宣言しているパラメタ名が正しいか確認してください。",
        u8"",
        u8"▽ロードしたセーブデータが古かった",
        u8"　●サーブデータにコピーされたlocal.flgの内容と、現在のlocal."
        u8"flgの内容が異なっている可能性があります。セーブデータを上書きして更新してください。",
    },
    false};

// VNDSaveError (both players)
const HelpText kSaveErrorHelp{
    {
        u8"",
        u8"",
        u8"▽セーブファイルが読み取り専用属性である",
        u8"　●読み取り専用属性を解除してください。",
        u8"",
        u8"▽ゲームを読み取り専用デバイスから起動している",
        u8"　●ＣＤ－ＲＯＭなどの読み取り専用デバイスから起動した場合はセーブできません。",
        u8"",
        u8"▽ディスクに空き容量が足りない",
        u8"　●ディスクに空き領域を確保してください。",
    },
    true};

// VNDEvtLoadError (vnplay)
const HelpText kEvtLoadHelpPlay{
    {
        u8"▽起動時にエクスプローラで縮小表示を行っていた",
        u8"　●Windowsのバグにより、縮小表示中はカレントディレクトリが変更されます。縮小表示しないで"
        u8"もう一度起動し直してください。",
        u8"",
        u8"▽ロードしたセーブデータが古かった",
        u8"　●アプリケーションの更新を行った際に、古いセーブデータが使えなくなった可能性があります"
        u8"。セーブデータを破棄してください。",
        u8"",
        u8"▽ゲームのインストールに問題がある",
        u8"　●ゲームのインストールに問題があった可能性があります。インストールをやり直してください"
        u8"。",
    },
    true};

// VNDImageLoadError and VNDParamUndeclared (vnplay)
const HelpText kInstallAndSaveHelpPlay{
    {
        u8"▽ゲームのインストールに問題がある",
        u8"　●ゲームのインストールに問題があった可能性があります。インストールをやり直してください"
        u8"。",
        u8"",
        u8"▽ロードしたセーブデータが古かった",
        u8"　●アプリケーションの更新を行った際に、古いセーブデータが使えなくなった可能性があります"
        u8"。セーブデータを破棄してください。",
    },
    false};

// VNDInvalidOption, VNDLabelUndefined and VNDMissingEntry (vnplay)
const HelpText kInstallHelpPlay{{
                                    u8"▽ゲームのインストールに問題がある",
                                    u8"　●ゲームのインストールに問題があった可能性があります。イン"
                                    u8"ストールをやり直してください。",
                                },
                                true};

} // namespace

const char* ReportTemplateName(ReportKind kind) {
    switch (kind) {
    case ReportKind::CriticalError:
        return "IDD_CRITICALERROR";
    case ReportKind::EvtLoadError:
        return "IDD_EVTLOADERROR";
    case ReportKind::ImageAlreadyLoaded:
        return "IDD_IMAGEALREADYLOADED";
    case ReportKind::ImageLoadError:
        return "IDD_IMAGELOADERROR";
    case ReportKind::InvalidOption:
        return "IDD_INVALIDOPTION";
    case ReportKind::LabelUndefined:
        return "IDD_LABELUNDEFINED";
    case ReportKind::LoadError:
        return "IDD_LOADERROR";
    case ReportKind::MissingEntry:
        return "IDD_MISSINGENTRY";
    case ReportKind::ParamUndeclared:
        return "IDD_PARAMUNDECLARED";
    case ReportKind::SaveError:
        return "IDD_SAVEERROR";
    }
    return "";
}

VNString ReportCaption(ReportKind kind, PlayerEdition edition) {
    switch (kind) {
    case ReportKind::CriticalError:
        return VNString(u8"エラー");
    case ReportKind::EvtLoadError:
        return edition == PlayerEdition::Play ? VNString(u8"エラー")
                                              : VNString(u8"EVTロードエラー");
    case ReportKind::ImageAlreadyLoaded:
        return VNString(u8"無駄なレイヤー操作");
    case ReportKind::ImageLoadError:
        return VNString(u8"イメージロードエラー");
    case ReportKind::InvalidOption:
        return VNString(u8"不正オプション");
    case ReportKind::LabelUndefined:
        return VNString(u8"ラベル未定義");
    case ReportKind::LoadError:
        return VNString(u8"ロードエラー");
    case ReportKind::MissingEntry:
        return VNString(u8"項目未入力");
    case ReportKind::ParamUndeclared:
        return VNString(u8"パラメタ未宣言");
    case ReportKind::SaveError:
        return VNString(u8"セーブエラー");
    }
    return VNString();
}

VNString ReportHelpText(ReportKind kind, PlayerEdition edition) {
    const bool play = edition == PlayerEdition::Play;
    switch (kind) {
    case ReportKind::CriticalError:
        return kCriticalHelp.Join();
    case ReportKind::EvtLoadError:
        return (play ? kEvtLoadHelpPlay : kEvtLoadHelpProbe).Join();
    case ReportKind::ImageAlreadyLoaded:
        return kAlreadyLoadedHelp.Join();
    case ReportKind::ImageLoadError:
        return (play ? kInstallAndSaveHelpPlay : kImageLoadHelpProbe).Join();
    case ReportKind::InvalidOption:
        return (play ? kInstallHelpPlay : kInvalidOptionHelpProbe).Join();
    case ReportKind::LabelUndefined:
        return (play ? kInstallHelpPlay : kLabelUndefinedHelpProbe).Join();
    case ReportKind::LoadError:
        return kLoadErrorHelp.Join();
    case ReportKind::MissingEntry:
        return (play ? kInstallHelpPlay : kMissingEntryHelpProbe).Join();
    case ReportKind::ParamUndeclared:
        return (play ? kInstallAndSaveHelpPlay : kParamUndeclaredHelpProbe).Join();
    case ReportKind::SaveError:
        return kSaveErrorHelp.Join();
    }
    return VNString();
}

VNString ReportLayerName(int32_t layer) {
    VN_ASSERT(layer >= 0 && layer <= CHARACTER_LAYER_COUNT);
    static const char8_t* const kNames[] = {
        u8"レイヤー０（背景）",
        u8"レイヤー１（中央キャラ）",
        u8"レイヤー２（左キャラ）",
        u8"レイヤー３（右キャラ）",
        u8"レイヤー４",
        u8"レイヤー５",
        u8"レイヤー６",
        u8"レイヤー７",
        u8"レイヤー８",
        u8"レイヤー９",
        u8"レイヤー１０",
    };
    if (layer < 0 || layer > CHARACTER_LAYER_COUNT) {
        return VNString();
    }
    return VNString(kNames[layer]);
}
