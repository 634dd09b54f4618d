// The script window of vnevedit: a whole event list as script text, one
// event per line, edited freely, loaded from and saved to text files, and
// handed back when the author chooses to apply it.
#pragma once

#include "eventeditor/ScriptLossCheck.h"
#include "window/VNDialog.h"

#include <string>

class VNDScript : public VNDialog {
public:
    // Shows `text` (Shift-JIS bytes, CR LF line ends) over `owner`. True when
    // the author applied the text: `text` then holds it. `check` finds lines
    // that would not give back their events; the author is warned first.
    bool Run(std::string& text, const ScriptLossCheck& check, platform::WindowHandle owner);

    bool OnInit() override;
    void OnClose() override;
    void OnDropFiles(const platform::DropFiles& drop) override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;
    void OnSize(int width, int height) override;

private:
    void AskToAbandon();
    void Apply();
    void LoadText();
    void LoadFile(const std::string& native);
    void SaveText();

    std::string text_;
    const ScriptLossCheck* check_ = nullptr;
};
