#include "platform/FileChooser.h"

#include "platform/MessageBox.h"
#include "platform/private/AppState.h"
#include "platform/private/ModalRun.h"
#include "platform/private/QtText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace platform {

namespace {

// "パラメタファイル(*.flg)" with "*.flg" stays as it is; a description that does
// not already end with its patterns gets them appended, the form the toolkit
// reads the patterns from.
QStringList NameFilters(const std::vector<FileFilter>& filters) {
    QStringList list;
    for (const FileFilter& filter : filters) {
        QString description = detail::ToQString(filter.description);
        QString patterns = detail::ToQString(filter.pattern);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        list << description;
    }
    return list;
}

// One showing of the chooser; the chosen path, or empty when cancelled.
QString AskOnce(bool save, const VNString& title, const std::vector<FileFilter>& filters,
                const VNString& initialName, WindowHandle owner) {
    ModalView view;
    view.kind = save ? ModalKind::SaveFile : ModalKind::OpenFile;
    view.caption = title;
    view.text = initialName;
    view.filters = filters;

    QString chosen;
    if (ModalHook* hook = detail::CurrentHook()) {
        // Under the test hook the chooser is the script: it names the path.
        bool open = true;
        view.choose = [&](const VNString& path) {
            chosen = detail::ToQString(path);
            open = false;
        };
        view.press = [&](int) { open = false; };
        view.close = [&] { open = false; };
        view.isOpen = [&] { return open; };
        hook->Run(view);
        return chosen;
    }

    QFileDialog dialog(reinterpret_cast<QWidget*>(owner), detail::ToQString(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The overwrite question is asked in the suite's own words (Choose).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters(filters));
    dialog.setDirectory(QDir::current());
    if (!initialName.IsEmpty())
        dialog.selectFile(detail::ToQString(initialName));
    view.choose = [&](const VNString& path) {
        dialog.selectFile(detail::ToQString(path));
        QMetaObject::invokeMethod(&dialog, "accept");
    };
    view.press = [&](int id) {
        if (id == IDCANCEL)
            dialog.reject();
        else
            QMetaObject::invokeMethod(&dialog, "accept");
    };
    view.close = [&] { dialog.reject(); };
    view.abandon = view.close;
    view.isOpen = [&] { return dialog.isVisible(); };
    const detail::ModalOutcome outcome = detail::RunModalDialog(dialog, view);
    if (outcome.dismissed || outcome.result != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool Choose(bool save, const VNString& title, const std::vector<FileFilter>& filters,
            const VNString* initialName, VNString& out, WindowHandle owner) {
    VNString initial = initialName ? *initialName : VNString();
    for (;;) {
        const QString chosen = AskOnce(save, title, filters, initial, owner);
        if (chosen.isEmpty())
            return false;
        const QFileInfo file(chosen);
        VNString path;
        if (!VNString::FromUtf8(QDir::toNativeSeparators(file.absoluteFilePath()).toStdString(),
                                path)) {
            // The suite's strings are Shift-JIS: a name outside it cannot be used.
            ShowMessage(
                owner,
                VNString(u8"このファイル名はShift-JISで表せない文字を含むため使用できません。"),
                title, MsgButtons::Ok, MsgIcon::Warning);
            return false;
        }
        if (save && file.exists()) {
            const VNString question = detail::FromQString(file.fileName()) +
                                      VNString(u8" は既に存在します。\n上書きしますか？");
            if (ShowMessage(owner, question, title, MsgButtons::YesNo, MsgIcon::Warning) != IDYES) {
                initial = path; // back to the chooser, as the system's chooser does
                continue;
            }
        }
        out = path;
        return true;
    }
}

} // namespace

bool ChooseOpenFile(const VNString& title, const std::vector<FileFilter>& filters,
                    const VNString* initialName, VNString& out, WindowHandle owner) {
    return Choose(false, title, filters, initialName, out, owner);
}

bool ChooseSaveFile(const VNString& title, const std::vector<FileFilter>& filters,
                    const VNString* initialName, VNString& out, WindowHandle owner) {
    return Choose(true, title, filters, initialName, out, owner);
}

} // namespace platform
