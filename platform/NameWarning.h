// The warning for a name the user gave that has characters with no Shift-JIS
// form. The suite's text is Shift-JIS, so such a name is refused rather than
// stored with those characters lost.
#pragma once

#include "platform/Handle.h"
#include "scenario/VNString.h"

namespace platform {

// `subject` says what the name is ("ファイル名", "パラメタ名"); the text reads
// "この" + subject + "はShift-JISで表せない文字を含むため使用できません。",
// with a warning icon and an OK button.
void WarnNameWithoutShiftJis(WindowHandle owner, const VNString& subject, const VNString& caption);

} // namespace platform
