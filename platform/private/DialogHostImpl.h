// The state behind a DialogHost, shared by the files that implement it:
// the template dialog's window, how it was shown and how it ended.
#pragma once

#include "platform/DialogHost.h"
#include "platform/private/AppState.h"
#include "platform/private/TemplateDialog.h"

#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <string>

namespace platform {

struct DialogHost::Impl {
    using ControlKind = resources::ControlKind;
    using DialogControl = detail::DialogControl;
    using TemplateDialog = detail::TemplateDialog;

    explicit Impl(DialogSink& s) : sink(s) {}

    DialogSink& sink;
    QPointer<TemplateDialog> dialog;
    bool ended = false;
    bool modal = false;
    bool running = false;
    bool endedEarly = false;
    int earlyResult = 0;
    QMetaObject::Connection goneConnection;

    // Makes the window, tells the sink about it and runs the initialisation;
    // false when the program has no template of that name.
    bool Make(const VNString& caption, const std::string& name, WindowHandle parent);

    void Discard() {
        QObject::disconnect(goneConnection);
        ended = true;
    }

    template <class W> W* Control(int id, ControlKind kind) const {
        if (!dialog)
            return nullptr;
        const DialogControl* control = dialog->Find(id);
        if (!control || control->kind != kind)
            return nullptr;
        return static_cast<W*>(control->widget);
    }
    QListWidget* List(int id) const { return Control<QListWidget>(id, ControlKind::ListBox); }
    QComboBox* Combo(int id) const { return Control<QComboBox>(id, ControlKind::ComboBox); }
    QWidget* Any(int id) const {
        if (!dialog)
            return nullptr;
        const DialogControl* control = dialog->Find(id);
        return control ? control->widget : nullptr;
    }

    // Changes made by the program notify nothing (see TemplateDialog::programmatic).
    struct Quiet {
        explicit Quiet(TemplateDialog* d) : dialog(d) {
            if (dialog)
                dialog->programmatic = true;
        }
        ~Quiet() {
            if (dialog)
                dialog->programmatic = false;
        }
        TemplateDialog* dialog;
    };
};

} // namespace platform
