// The event file selector of the debug window: the name of the event file
// to jump to, typed or chosen with the file chooser.
#pragma once

#include "window/VNDialog.h"

#include <string>

class VNDLoadEventFile : public VNDialog {
public:
    // `name` fills the field; the chooser opens in `eventFolder` (native).
    VNDLoadEventFile(VNString name, std::string eventFolder);

    // True when the author pressed OK; Name() is then the field's text.
    bool Run(platform::WindowHandle owner);
    const VNString& Name() const { return name_; }

    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void Browse();

    VNString name_;
    std::string eventFolder_;
};
