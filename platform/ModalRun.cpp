#include "platform/private/ModalRun.h"

#include "platform/private/AppState.h"

#include <QTimer>

namespace platform::detail {

ModalOutcome RunModalDialog(QDialog& dialog, ModalView& view) {
    ModalScope scope(&dialog);
    if (ModalHook* hook = CurrentHook())
        QTimer::singleShot(0, &dialog, [hook, &view] { hook->Run(view); });
    ModalOutcome outcome;
    outcome.result = dialog.exec();
    outcome.dismissed = scope.Dismissed();
    return outcome;
}

} // namespace platform::detail
