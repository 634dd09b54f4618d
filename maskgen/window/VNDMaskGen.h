// The mask generator's window: files dropped on it, or chosen after a click
// on the drop area, are turned into masks one by one in the order given.
// Each failure is shown in a message box and the next file is processed
// after it; then the window lists which mask files were written and why
// the others failed.
#pragma once

#include "window/VNDialog.h"

class VNDMaskGen : public VNDialog {
public:
    // Gives the window the program's icon.
    bool OnInit() override;
    void OnDropFiles(const platform::DropFiles& drop) override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    // The chooser for one 24-bit BMP file, which is then taken like a drop.
    void ChooseFile();
};
