// vnevedit's windows on the offscreen platform: event file bytes built from
// the format's rules, and the scripts for the windows the editor opens.
#pragma once

#include "eventeditor/EventEditDlg.h"
#include "platform/Application.h"
#include "platform/ModalHook.h"
#include "resources/EventEditorResources.h"
#include "tests/scenario/TempFolder.h"
#include "window/VNDialog.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>
#include <vector>

namespace edtest {

namespace ids = resources::event_edit;
using platform::ModalKind;
using platform::ModalView;
using platform::MsgButtons;
using platform::MsgIcon;

// Integer items are 0x01 and a 32-bit little-endian value; string items are
// 0x03, a 32-bit little-endian length and each byte minus 277 (mod 256).
inline std::string Le32(uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
}
inline std::string IntItem(int32_t v) {
    return "\x01" + Le32(static_cast<uint32_t>(v));
}
inline std::string StringItem(const std::string& bytes) {
    std::string out = "\x03" + Le32(static_cast<uint32_t>(bytes.size()));
    for (unsigned char b : bytes)
        out += char((b - 277) & 0xFF);
    return out;
}

// One event record: the code item, then one item per argument.
using Arg = std::variant<int32_t, std::string>;
inline std::string Record(int32_t code, const std::vector<Arg>& args = {}) {
    std::string out = IntItem(code);
    for (const Arg& arg : args)
        out += std::holds_alternative<int32_t>(arg) ? IntItem(std::get<int32_t>(arg))
                                                    : StringItem(std::get<std::string>(arg));
    return out;
}
inline std::string EventFileBytes(const std::vector<std::string>& records) {
    std::string out = StringItem("eventdata") + IntItem(static_cast<int32_t>(records.size()));
    for (const std::string& record : records)
        out += record;
    return out;
}
inline std::string Narration(const std::string& text) {
    return Record(1, {text});
}
inline std::string Comment(const std::string& text) {
    return Record(16, {text});
}

class EventEditorTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const std::string& problem : hook.Problems())
            ADD_FAILURE() << problem;
        EXPECT_EQ(hook.Pending(), 0u) << "scripts left over";
        EXPECT_EQ(VNDialog::InstanceCount(), 0);
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = folder / name;
        WriteBytes(path, bytes);
        return path;
    }

    static std::vector<std::string> Lines(ModalView& v) {
        std::vector<std::string> lines;
        for (int i = 0; i < v.Dialog().ListCount(ids::List); ++i)
            lines.push_back(v.Dialog().ListGetText(ids::List, i).ToUtf8Lossy());
        return lines;
    }
    static int Selection(ModalView& v) { return v.Dialog().ListGetSelection(ids::List); }
    static void Select(ModalView& v, int line) { v.Dialog().ListSetSelection(ids::List, line); }

    void ExpectMessage(const VNString& text, const char8_t* caption, MsgIcon icon, int answer,
                       MsgButtons buttons = MsgButtons::Ok) {
        hook.Push([=](ModalView& v) {
            EXPECT_EQ(v.Kind(), ModalKind::MessageBox);
            EXPECT_EQ(v.Text().ToUtf8Lossy(), text.ToUtf8Lossy());
            EXPECT_EQ(v.Caption(), VNString(caption));
            EXPECT_EQ(v.Icon(), icon);
            EXPECT_EQ(v.Buttons(), buttons);
            v.Press(answer);
        });
    }
    void ExpectSaveQuestion(int answer) {
        ExpectMessage(VNString(u8"変更を保存しますか？"), u8"vnevedit", MsgIcon::Question, answer,
                      MsgButtons::YesNoCancel);
    }
    void ExpectSaved() {
        ExpectMessage(VNString(u8"ファイルに保存しました。"), u8"確認", MsgIcon::None,
                      platform::IDOK);
    }
    // An event file chooser; an empty `choice` cancels it.
    void ExpectChooser(ModalKind kind, const char8_t* title, const VNString& initial,
                       const std::string& choice) {
        hook.Push([=](ModalView& v) {
            EXPECT_EQ(v.Kind(), kind);
            EXPECT_EQ(v.Caption(), VNString(title));
            EXPECT_EQ(v.Text(), initial);
            ASSERT_EQ(v.Filters().size(), 1u);
            EXPECT_EQ(v.Filters()[0].description, VNString(u8"イベントファイル(*.evt)"));
            EXPECT_EQ(v.Filters()[0].pattern, VNString(u8"*.evt"));
            if (choice.empty())
                v.Press(platform::IDCANCEL);
            else
                v.ChooseFile(VNString::FromBytes(choice));
        });
    }
    // An event dialog that is confirmed, after `fill` set its fields.
    void ExpectEventDialog(const std::string& templateName,
                           std::function<void(platform::DialogHost&)> fill = nullptr,
                           int button = resources::IDOK) {
        hook.Push([=](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), templateName);
            if (fill)
                fill(v.Dialog());
            v.Press(button);
        });
    }

    platform::Application& app = platform::EnsureTestApplication(resources::EventEditorResources());
    platform::ModalHook hook;
    TempFolder folder;
};

} // namespace edtest
