// The one-field text input of vnparedit (templates IDD_SETNAME and
// IDD_SETVALUE): shows an initial text, gives back what was typed on OK.
#pragma once

#include "window/VNDialog.h"

#include <string>

class VNDTextInput : public VNDialog {
public:
    // True with the field's text when OK was pressed; false on Cancel or
    // when the dialog was closed. The text is not checked.
    bool Run(const VNString& caption, const std::string& templateName, int fieldId,
             const VNString& initial, platform::WindowHandle owner, VNString& text);
    // After OK: false when the text had characters with no Shift-JIS form,
    // which `text` holds as '?'.
    bool FitsShiftJis() const { return fits_; }

    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    int fieldId_ = 0;
    VNString text_;
    bool fits_ = true;
};
