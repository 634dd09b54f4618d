// The mask generator's window: files dropped on it are turned into masks
// one by one in the order given; each failure is shown in a message box and
// the next file is processed after it.
#pragma once

#include "window/VNDialog.h"

class VNDMaskGen : public VNDialog {
public:
    // Gives the window the program's icon.
    bool OnInit() override;
    void OnDropFiles(const platform::DropFiles& drop) override;
};
