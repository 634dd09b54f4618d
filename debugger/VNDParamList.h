// The parameter lists of the debug menu: every parameter of one table with
// its value, and the dialog that sets a value. Changes go into the table in
// memory at once; nothing is written to a file here.
#pragma once

#include "window/VNDialog.h"

#include <cstdint>

class VNParamFile;

class VNDParamList : public VNDialog {
public:
    explicit VNDParamList(VNParamFile& table) : table_(table) {}

    void Run(const VNString& caption, platform::WindowHandle owner);

    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void SetSelectedValue();

    VNParamFile& table_;
};

// A signed integer typed as decimal text.
class VNDSetValue : public VNDialog {
public:
    explicit VNDSetValue(int32_t value) : value_(value) {}

    // True when the author pressed OK on a field that was not empty; Value()
    // is then the field's decimal value.
    bool Run(platform::WindowHandle owner);
    int32_t Value() const { return value_; }

    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    int32_t value_;
};

// A line of the parameter list: the name, a full-width space, the value.
VNString ParamListLine(const VNString& name, int32_t value);
