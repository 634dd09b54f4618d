// The backlog dialog: the kept messages, oldest first, in a read-only text
// that opens scrolled to the newest line, which is selected; "戻る" closes
// it. It changes nothing in the backlog.
#pragma once

#include "window/VNDialog.h"

class VNBackLog;

class VNDBackLog : public VNDialog {
public:
    explicit VNDBackLog(const VNBackLog* backlog) : backlog_(backlog) {}

    // Shows the dialog modally over `owner` with the caption "バックログ".
    int Show(platform::WindowHandle owner);
    bool OnInit() override;

private:
    const VNBackLog* backlog_; // not owned
};
