#include "platform/NameWarning.h"

#include "platform/MessageBox.h"

namespace platform {

void WarnNameWithoutShiftJis(WindowHandle owner, const VNString& subject, const VNString& caption) {
    ShowMessage(owner,
                VNString(u8"この") + subject +
                    VNString(u8"はShift-JISで表せない文字を含むため使用できません。"),
                caption, MsgButtons::Ok, MsgIcon::Warning);
}

} // namespace platform
