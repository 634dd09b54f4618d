#include "eventeditor/ScriptLossCheck.h"

#include <algorithm>
#include <cstdio>

namespace {

// The text as the script window's field gives it back: through the wide form.
std::string AsShown(const std::string& line) {
    return VNString::FromWide(VNString::FromBytes(line).Wide()).Bytes();
}

const char8_t* Reason(const std::optional<ScriptTextLoss>& loss) {
    if (!loss)
        return u8"最後の引数の後ろの語は読み捨てられます";
    switch (*loss) {
    case ScriptTextLoss::LineBreak:
        return u8"テキストの改行で行が分かれます";
    case ScriptTextLoss::UnstableCharacter:
        return u8"別の文字コードに置き換わる文字があります";
    case ScriptTextLoss::EmptyNarration:
        return u8"空のナレーションは空のコメントになります";
    case ScriptTextLoss::BlankNarration:
        return u8"空白だけのナレーションはコメントになります";
    case ScriptTextLoss::HiddenMark:
        return u8"行頭の空白の後の記号で別の種類のイベントになります";
    case ScriptTextLoss::TabInText:
        return u8"テキストのタブは取り除かれます";
    case ScriptTextLoss::BackslashInSpeaker:
        return u8"話者名の中の「\\」で名前が切れます";
    case ScriptTextLoss::SpeakerEndsInLead:
        return u8"話者名の最後のバイトが後の「\\」と結び付きます";
    case ScriptTextLoss::BlankInArgument:
        return u8"引数の中の空白で文字列が分かれます";
    case ScriptTextLoss::NilArgument:
        return u8"引数「nil」は空の文字列になります";
    }
    return u8"";
}

} // namespace

std::vector<std::string> ScriptTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

ScriptLossCheck::ScriptLossCheck(const VNEventFile& events) {
    for (int32_t n = 0; n < events.GetCount(); ++n) {
        const VNEvent& event = *events.Get(n);
        const std::optional<ScriptTextLossReport> report = FindScriptTextLoss(event);
        std::vector<std::string> lines = ScriptTextLines(ToScriptLine(event).Bytes() + "\n");
        for (std::string& line : lines) {
            line = AsShown(line);
            lines_.push_back(line);
            why_.push_back(report ? std::optional(report->loss) : std::nullopt);
            if (report)
                lossy_.emplace(line, report->loss);
        }
    }
}

std::optional<ScriptLineLoss> ScriptLossCheck::FirstLoss(std::string_view text) const {
    const std::vector<std::string> lines = ScriptTextLines(text);
    const size_t count = lines.size(), original = lines_.size();
    // The lines before and after the part the author changed.
    size_t head = 0;
    while (head < count && head < original && AsShown(lines[head]) == lines_[head])
        ++head;
    size_t tail = 0;
    while (tail < count - head && tail < original - head &&
           AsShown(lines[count - 1 - tail]) == lines_[original - 1 - tail])
        ++tail;

    for (size_t n = 0; n < count; ++n) {
        std::optional<ScriptTextLoss> loss;
        if (n < head) {
            loss = why_[n];
        } else if (n >= count - tail) {
            loss = why_[n - count + original];
        } else if (auto known = lossy_.find(AsShown(lines[n])); known != lossy_.end()) {
            loss = known->second;
        }
        const int32_t number = static_cast<int32_t>(n) + 1;
        if (loss)
            return ScriptLineLoss{number, loss};
        if (ScriptLineDropsWords(VNString::FromBytes(lines[n])))
            return ScriptLineLoss{number, std::nullopt};
    }
    return std::nullopt;
}

VNString ScriptLossWarning(const ScriptLineLoss& loss) {
    char number[16];
    std::snprintf(number, sizeof number, "%d", loss.line);
    const std::u8string text =
        std::u8string(u8"スクリプトの ") + reinterpret_cast<const char8_t*>(number) +
        u8" 行目は元のイベントに戻りません（" + Reason(loss.loss) +
        u8"）。\nこのまま変更を適用しますか？\n「いいえ」を選ぶとスクリプトの編集に戻ります。";
    return VNString(text.c_str());
}
