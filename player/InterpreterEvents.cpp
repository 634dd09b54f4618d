// The control-flow and parameter events, and the options of every event
// checked and reported in one place.
#include "player/ChoiceButtons.h"
#include "player/Choices.h"
#include "player/GameSound.h"
#include "player/Interpreter.h"
#include "player/ParamArithmetic.h"
#include "player/PlayerContext.h"
#include "player/Stage.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "scenario/OptionRules.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"

#include <utility>

namespace {

VNString Quoted(const char8_t* before, const VNString& text, const char8_t* after) {
    return VNString(before) + text + VNString(after);
}

VNString ParamStatus(const VNString& name, int32_t value) {
    return VNString(u8"パラメタ\"") + name + VNString(u8"\"に ") + VNString(value) +
           VNString(u8" を設定しました。");
}

VNString OutOfRange(const char8_t* item, int32_t value) {
    return VNString(item) + VNString(u8"：規定外の値（") + VNString(value) + VNString(u8"）");
}

using What = OptionProblem::What;

bool HasProblem(const VNEvent& event, int32_t argument, What what) {
    const OptionProblems problems = FindOptionProblems(event);
    return FindProblem(problems, argument, what) != nullptr;
}

} // namespace

bool Interpreter::ActionTitle(const VNEvent& event) {
    saveTitle_ = event.GetString(0);
    context_.SetStatus(Quoted(u8"セーブタイトルを\"", saveTitle_, u8"\"に変更しました。"));
    return true;
}

bool Interpreter::ActionSetFade(const VNEvent& event) {
    units_.stage.SetFades({event.GetInt(0), event.GetInt(1), event.GetInt(2), event.GetInt(3)});
    return true;
}

bool Interpreter::ActionSetFlag(const VNEvent& event) {
    const OptionProblems problems = FindOptionProblems(event);
    const VNString& name = event.GetString(0);
    if (FindProblem(problems, 0, What::Missing)) {
        units_.reports.ReportMissingEntry(VNString(u8"パラメタ名"));
        return false;
    }
    VNParamFile* table = nullptr;
    int32_t index = -1;
    if (!FindParameter(name, table, index)) {
        units_.reports.ReportParamUndeclared(name);
        return false;
    }
    if (FindProblem(problems, 1, What::OutOfRange)) {
        units_.reports.ReportInvalidOption(VNString(u8"操作タイプ：規定外の値"));
        return false;
    }
    int32_t value = 0;
    table->GetValue(index, value);
    // 0 sets, 1 clears, 2 inverts.
    switch (event.GetInt(1)) {
    case 0:
        value = 1;
        break;
    case 1:
        value = 0;
        break;
    default:
        value = value == 0 ? 1 : 0;
        break;
    }
    table->SetValue(index, value);
    context_.SetStatus(ParamStatus(name, value));
    return true;
}

bool Interpreter::EvaluateOperand(const VNString& text, int32_t& value) {
    if (text.IsNumeric()) {
        value = text.ToInt();
        return true;
    }
    if (text == VNString("RAND")) {
        value = random_.Next();
        return true;
    }
    VNParamFile* table = nullptr;
    int32_t index = -1;
    if (!FindParameter(text, table, index)) {
        units_.reports.ReportParamUndeclared(text);
        return false;
    }
    table->GetValue(index, value);
    return true;
}

bool Interpreter::ActionSetParam(const VNEvent& event) {
    const VNString& target = event.GetString(0);
    const VNString& left = event.GetString(1);
    const VNString& right = event.GetString(3);
    const OptionProblems problems = FindOptionProblems(event);
    static constexpr std::pair<int32_t, const char8_t*> kEntries[] = {
        {0, u8"左辺"}, {1, u8"右辺第１項"}, {3, u8"右辺第２項"}};
    for (const auto& [argument, item] : kEntries) {
        if (FindProblem(problems, argument, What::Missing)) {
            units_.reports.ReportMissingEntry(VNString(item));
            return false;
        }
    }
    VNParamFile* table = nullptr;
    int32_t index = -1;
    if (!FindParameter(target, table, index)) {
        units_.reports.ReportParamUndeclared(target);
        return false;
    }
    int32_t a = 0;
    int32_t b = 0;
    if (!EvaluateOperand(left, a) || !EvaluateOperand(right, b)) {
        return false;
    }
    // The right operand's value is known now, so the operator is judged
    // with it (a parameter or RAND may be 0).
    if (const auto problem = ParamOperatorProblem(event.GetInt(2), b)) {
        units_.reports.ReportInvalidOption(VNString(problem->what == What::DivisionByZero
                                                        ? u8"右辺第２項：ゼロによる除算"
                                                        : u8"演算子タイプ：規定外の値"));
        return false;
    }
    int32_t result = 0;
    ApplyParamOperator(event.GetInt(2), a, b, result);
    table->SetValue(index, result);
    context_.SetStatus(ParamStatus(target, result));
    return true;
}

bool Interpreter::ActionJump(const VNEvent& event) {
    const VNString& file = event.GetString(0);
    const VNString& label = event.GetString(1);
    const int32_t condition = event.GetInt(2);
    const VNString& param = event.GetString(3);

    if (file == VNString("LOAD")) {
        if (OpenLoadDialog()) {
            loadRequested_ = true;
        }
        return true;
    }
    if (file == VNString("SAVE")) {
        // A load of this save resumes after the save point instead of
        // opening the save dialog again.
        OpenSaveDialog(programCounter_ + 1);
        return true;
    }

    if (condition == 1 || condition == 2) {
        VNParamFile* table = nullptr;
        int32_t index = -1;
        if (!FindParameter(param, table, index)) {
            units_.reports.ReportParamUndeclared(param);
            return false;
        }
        int32_t value = 0;
        table->GetValue(index, value);
        const bool holds = condition == 1 ? value != 0 : value == 0;
        if (!holds) {
            context_.SetStatus(VNString(u8"条件外のためジャンプしませんでした。"));
            return true;
        }
    } else if (HasProblem(event, 2, What::OutOfRange)) {
        units_.reports.ReportInvalidOption(VNString(u8"ジャンプ条件：規定外の値"));
        return false;
    }

    if (!file.IsEmpty()) {
        // vnprobe: edits of the file being left (or read anew) are saved or
        // dropped first, so that a file read again holds what was saved.
        // Staying keeps the game before this jump, paused as after a failed
        // event.
        if (context_.Debug() && !context_.Debug()->ConfirmDropEdits(context_.DialogOwner())) {
            context_.SetStatus(VNString(
                u8"イベントファイルの変更が保存されていないため、ジャンプを中止しました。"));
            return false;
        }
        const std::string path = context_.GamePathOf(VNString("event\\") + file);
        const vn::FileStamp read = context_.Debug() ? vn::FileStamp::Take(path) : vn::FileStamp();
        // The new file is read completely before it replaces the current one.
        auto events = std::make_unique<VNEventFile>();
        if (!events->Load(path)) {
            units_.reports.ReportEvtLoadError(file, label.IsEmpty() ? VNString(u8"先頭") : label);
            return false;
        }
        int32_t position = -1;
        if (!label.IsEmpty()) {
            position = events->FindLabel(label);
            if (position < 0) {
                units_.reports.ReportLabelUndefined(file, label);
                return false;
            }
            context_.SetStatus(VNString(u8"イベントファイル：") + file +
                               VNString(u8"\r\nラベル：") + label + VNString(u8"（行番号：") +
                               VNString(position + 1) + VNString(u8"）\r\nへジャンプしました。"));
        } else {
            context_.SetStatus(
                Quoted(u8"イベントファイル\"", file, u8"\"の先頭へジャンプしました。"));
        }
        eventFileName_ = file;
        eventFile_ = std::move(events);
        programCounter_ = position;
        if (context_.Debug()) {
            context_.Debug()->SetRunningFile(eventFileName_, eventFile_.get(), read);
        }
        return true;
    }

    int32_t position = -1;
    if (!label.IsEmpty()) {
        position = eventFile_->FindLabel(label);
        if (position < 0) {
            units_.reports.ReportLabelUndefined(VNString(u8"ファイル内"), label);
            return false;
        }
        context_.SetStatus(VNString(u8"ラベル\"") + label + VNString(u8"\"（行番号：") +
                           VNString(position + 1) + VNString(u8"）へジャンプしました。"));
    } else {
        context_.SetStatus(VNString(u8"ファイル先頭にジャンプしました。"));
    }
    programCounter_ = position;
    return true;
}

bool Interpreter::ActionCharacter(const VNEvent& event) {
    // Only a damaged or hand-made file holds another position; there is no
    // layer for it.
    const OptionProblems problems = FindOptionProblems(event);
    if (const OptionProblem* bad = FindProblem(problems, 2, What::OutOfRange)) {
        units_.reports.ReportInvalidOption(OutOfRange(u8"キャラポジション", bad->value));
        return false;
    }
    return units_.stage.CharacterChange(event.GetString(0), event.GetString(1), event.GetInt(2),
                                        event.GetInt(3));
}

bool Interpreter::ActionVorbis(const VNEvent& event) {
    if (HasProblem(event, 1, What::OutOfRange)) {
        units_.reports.ReportInvalidOption(VNString(u8"チャンネル：規定外の値"));
        return false;
    }
    units_.sound.PlayVorbis(event.GetInt(1), event.GetString(0), event.GetInt(3) == 1);
    return true;
}

bool Interpreter::ActionBtnSelect(const VNEvent& event) {
    context_.Window()->SetCommandsEnabled(true);
    const VNString& baseImage = event.GetString(0);
    const VNString& pointedImage = event.GetString(1);
    const VNString& cancelLabel = event.GetString(2);
    if (HasProblem(event, 0, What::Missing)) {
        context_.Window()->SetCommandsEnabled(false);
        units_.reports.ReportMissingEntry(VNString(u8"ベースボタン画像名"));
        return false;
    }
    const ButtonList list = ParseButtonList(event.GetString(4), event.GetInt(3));
    const int32_t chosen =
        units_.choices.ChooseButton(baseImage, pointedImage, list.buttons, !cancelLabel.IsEmpty());
    if (const auto interrupted = EndInterruptedChoice(
            chosen, VNString(u8"一時停止によりボタン選択イベントは中断しました。")))
        return *interrupted;
    const VNString label =
        chosen == Choices::kCancelled ? cancelLabel : list.labels[static_cast<size_t>(chosen)];
    const int32_t position = JumpToChosenLabel(label);
    if (position < 0)
        return false;
    context_.SetStatus(VNString(u8"ラベル \"") + label + VNString(u8"\"（行番号：") +
                       VNString(position + 1) + VNString(u8"）にジャンプしました。"));
    return true;
}
