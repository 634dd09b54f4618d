#include "platform/FileChooser.h"

#include "platform/MessageBox.h"
#include "platform/NameWarning.h"
#include "platform/private/AppState.h"
#include "platform/private/ModalRun.h"
#include "platform/private/NativeName.h"
#include "platform/private/QtText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

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

// What the chooser proposes: the text in its name field and, for a name
// the program opens by its native path, that path, which confirming the
// proposal unchanged gives back byte for byte.
struct Proposal {
    QString shown;
    std::string native; // empty: the proposal is just text
};

// One showing of the chooser; the chosen path, or empty when cancelled.
QString AskOnce(bool save, const VNString& title, const std::vector<FileFilter>& filters,
                const Proposal& proposal, WindowHandle owner) {
    ModalView view;
    view.kind = save ? ModalKind::SaveFile : ModalKind::OpenFile;
    view.caption = title;
    view.text = detail::FromQString(proposal.shown);
    view.native = proposal.native;
    view.filters = filters;

    QString chosen;
    if (ModalHook* hook = detail::CurrentHook()) {
        // Under the test hook the chooser is the script: it names the path,
        // or accepts the proposed one as the chooser's OK button does.
        bool open = true;
        view.choose = [&](const VNString& path) {
            chosen = detail::ToQString(path);
            open = false;
        };
        view.press = [&](int id) {
            if (id != IDCANCEL)
                chosen = proposal.shown;
            open = false;
        };
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
    if (!proposal.shown.isEmpty())
        dialog.selectFile(proposal.shown);
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

bool Exists(const std::string& native) {
    std::error_code error;
    return std::filesystem::exists(native, error);
}

// The chosen file as a native path and in the suite's strings; false when
// cancelled or refused. A name with no Shift-JIS form is refused with the
// warning, unless it is the native proposal confirmed as it was.
bool Choose(bool save, const VNString& title, const std::vector<FileFilter>& filters,
            Proposal proposal, std::string& native, VNString& path, WindowHandle owner) {
    for (;;) {
        const QString chosen = AskOnce(save, title, filters, proposal, owner);
        if (chosen.isEmpty())
            return false;
        const QFileInfo file(chosen);
        const QString absolute = QDir::toNativeSeparators(file.absoluteFilePath());
        const bool asProposed =
            !proposal.native.empty() &&
            absolute == QDir::toNativeSeparators(QFileInfo(proposal.shown).absoluteFilePath());
        std::string chosenNative;
        VNString chosenPath;
        if (asProposed) {
            chosenNative = proposal.native;
            detail::NativeToVNString(chosenNative, chosenPath);
        } else {
            chosenNative = QFile::encodeName(absolute).toStdString();
            if (!detail::FromQString(absolute, chosenPath)) {
                WarnNameWithoutShiftJis(owner, VNString(u8"ファイル名"), title);
                return false;
            }
        }
        if (save && Exists(chosenNative)) {
            const VNString question = detail::FromQString(file.fileName()) +
                                      VNString(u8" は既に存在します。\n上書きしますか？");
            if (ShowMessage(owner, question, title, MsgButtons::YesNo, MsgIcon::Warning) != IDYES) {
                // Back to the chooser, as the system's chooser does.
                if (!asProposed)
                    proposal = Proposal{absolute, {}};
                continue;
            }
        }
        native = std::move(chosenNative);
        path = chosenPath;
        return true;
    }
}

Proposal TextProposal(const VNString* initialName) {
    return Proposal{initialName ? detail::ToQString(*initialName) : QString(), {}};
}

} // namespace

bool ChooseOpenFile(const VNString& title, const std::vector<FileFilter>& filters,
                    const VNString* initialName, VNString& out, WindowHandle owner) {
    std::string native;
    return Choose(false, title, filters, TextProposal(initialName), native, out, owner);
}

bool ChooseSaveFile(const VNString& title, const std::vector<FileFilter>& filters,
                    const VNString* initialName, VNString& out, WindowHandle owner) {
    std::string native;
    return Choose(true, title, filters, TextProposal(initialName), native, out, owner);
}

bool ChooseSaveNativeFile(const VNString& title, const std::vector<FileFilter>& filters,
                          const std::string& initialNative, std::string& out, WindowHandle owner) {
    VNString path;
    return Choose(true, title, filters,
                  Proposal{detail::NativeToQString(initialNative), initialNative}, out, path,
                  owner);
}

VNString NativePathText(const std::string& native) {
    VNString text;
    detail::NativeToVNString(native, text);
    return text;
}

} // namespace platform
