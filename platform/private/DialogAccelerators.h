// Keyboard accelerators of a dialog made from a template: a key of the
// table, pressed while the dialog or one of its controls has the focus,
// sends its command to the dialog instead of reaching the control.
#pragma once

#include "resources/Resource.h"

namespace platform::detail {

class TemplateDialog;

// The table is copied; the keys stop working when the dialog goes.
void InstallDialogAccelerators(TemplateDialog& dialog, const resources::AcceleratorTable& table);

} // namespace platform::detail
