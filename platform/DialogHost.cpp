#include "platform/DialogHost.h"

#include "platform/ModalHook.h"
#include "platform/private/DialogHostImpl.h"
#include "platform/private/KeyMap.h"
#include "platform/private/ModalRun.h"
#include "platform/private/QtText.h"
#include "platform/private/ScreenArea.h"
#include "platform/private/UnseenWindows.h"
#include "resources/VirtualKeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstdio>

namespace platform {

using detail::FromQString;
using detail::TemplateDialog;
using detail::ToQString;

namespace {

// The texts a person would read in `dialog`, in the order of its controls:
// labels, group titles and fields, joined by blanks.
std::string VisibleTexts(const QWidget& dialog) {
    std::string joined;
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            text = label->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            text = group->title();
        else if (const auto* line = qobject_cast<const QLineEdit*>(widget))
            text = line->text();
        else if (const auto* field = qobject_cast<const QPlainTextEdit*>(widget))
            text = field->toPlainText();
        text = text.trimmed();
        if (text.isEmpty())
            continue;
        if (!joined.empty())
            joined += ' ';
        joined += text.toStdString();
    }
    return joined;
}

} // namespace

bool DialogHost::Impl::Make(const VNString& caption, const std::string& name, WindowHandle parent) {
    const resources::ResourceSet* resources = detail::CurrentResources();
    const resources::DialogTemplate* spec = resources ? resources->FindDialog(name) : nullptr;
    if (!spec) {
        std::fprintf(stderr, "dialog template %s not found\n", name.c_str());
        return false;
    }
    if (dialog) {
        // Shown again while its earlier window still exists: that one goes.
        Discard();
        dialog->hide();
        dialog->deleteLater();
    }
    ended = false;
    dialog = new TemplateDialog(*spec, *resources, sink, detail::ToWidget(parent));
    if (!caption.IsEmpty())
        dialog->setWindowTitle(detail::ToQString(caption));
    goneConnection = QObject::connect(dialog, &QObject::destroyed, [this] {
        if (!ended) {
            ended = true;
            sink.OnWindowGone();
        }
    });
    sink.OnCreated(detail::ToHandle(dialog));
    detail::HandlerScope scope;
    sink.OnInit();
    return true;
}

DialogHost::DialogHost(DialogSink& sink) : impl_(std::make_unique<Impl>(sink)) {}

DialogHost::~DialogHost() {
    if (impl_->dialog) {
        impl_->Discard();
        impl_->dialog->hide();
        impl_->dialog->deleteLater();
    }
}

int DialogHost::RunModal(const VNString& caption, const std::string& templateName,
                         WindowHandle parent) {
    impl_->modal = true;
    impl_->running = false;
    impl_->endedEarly = false;
    if (!impl_->Make(caption, templateName, parent))
        return -1;
    QPointer<TemplateDialog> dialog = impl_->dialog;
    if (dialog && parent && detail::ModalWindowsUnseen()) {
        // No one could answer it: its texts go to standard error and it
        // counts as closed. (An editor's own window, which has no owner,
        // stays: it is the program.)
        detail::ReportUnseenWindow(GetCaption(), VisibleTexts(*dialog));
        impl_->Discard();
        delete dialog.data();
        return 0;
    }

    ModalView view;
    view.kind = ModalKind::Dialog;
    view.templateName = templateName;
    view.caption = GetCaption();
    view.dialog = this;
    view.press = [this](int id) { ClickButton(id); };
    view.command = [this, dialog](int id) {
        // Through the menu when it has the item (a greyed item does nothing).
        if (dialog && dialog->Menu() && dialog->Menu()->Has(id))
            ChooseMenuItem(id);
        else
            SendCommand(id, 0);
    };
    view.drop = [this](const std::vector<std::string>& natives) {
        DropFiles drop;
        for (const std::string& native : natives)
            drop.files.push_back(DroppedFileFromNative(native));
        DropOn(drop);
    };
    view.close = [this] { RequestClose(); };
    view.isOpen = [dialog] { return dialog && dialog->isVisible(); };
    view.abandon = [dialog] {
        if (dialog)
            dialog->done(0);
    };

    int result = impl_->earlyResult;
    if (!impl_->endedEarly && dialog) {
        impl_->running = true;
        const detail::ModalOutcome outcome = detail::RunModalDialog(*dialog, view);
        impl_->running = false;
        result = outcome.dismissed ? 0 : outcome.result;
    }
    if (dialog) {
        impl_->Discard();
        delete dialog.data();
    }
    return result;
}

bool DialogHost::ShowModeless(const VNString& caption, const std::string& templateName,
                              WindowHandle parent) {
    impl_->modal = false;
    if (!impl_->Make(caption, templateName, parent))
        return false;
    if (impl_->dialog)
        impl_->dialog->show();
    return impl_->dialog != nullptr;
}

void DialogHost::End(int result) {
    TemplateDialog* dialog = impl_->dialog;
    if (!dialog)
        return;
    if (impl_->modal) {
        if (impl_->running) {
            dialog->done(result);
        } else {
            // Ended before its loop started (from its initialisation).
            impl_->endedEarly = true;
            impl_->earlyResult = result;
        }
        return;
    }
    // A modeless dialog's window goes away; it may be inside its own handler.
    impl_->Discard();
    dialog->hide();
    dialog->deleteLater();
    impl_->dialog = nullptr;
}

namespace {

// Puts a tool window beside its owner, inside the available area of the
// owner's screen. Until the window manager has framed the dialog, its frame
// is taken to be the owner's.
void PlaceBeside(QWidget* dialog, QWidget* owner) {
    QMargins margins = detail::FrameMargins(dialog);
    if (margins.isNull())
        margins = detail::FrameMargins(owner);
    const QSize frame = dialog->size().grownBy(margins);
    const ScreenRect area = detail::AvailableArea(owner);
    ScreenRect ownerFrame = detail::FrameOf(owner);
    // When the screen has room for both side by side, the owner makes it.
    const int ownerX = platform::MakeRoomBeside(area, ownerFrame, frame.width());
    if (ownerX != ownerFrame.x) {
        detail::MoveInside(owner, QPoint(ownerX, ownerFrame.y),
                           QSize(ownerFrame.width, ownerFrame.height), detail::FrameMargins(owner));
        ownerFrame.x = ownerX;
    }
    const ScreenPoint at = platform::PlaceBeside(
        area, ownerFrame, detail::FrameMargins(owner).top(), frame.width(), frame.height());
    detail::MoveInside(dialog, QPoint(at.x, at.y), frame, margins);
}

} // namespace

void DialogHost::PlaceBesideParent() {
    TemplateDialog* dialog = impl_->dialog;
    QWidget* parent = dialog ? dialog->parentWidget() : nullptr;
    if (!parent)
        return;
    QPointer<QWidget> owner = parent->window();
    PlaceBeside(dialog, owner);
    detail::ReplaceWhenDecorated(
        dialog,
        [dialog, owner] {
            if (owner)
                PlaceBeside(dialog, owner);
        },
        owner);
}

WindowHandle DialogHost::Handle() const {
    return detail::ToHandle(impl_->dialog);
}

void DialogHost::SendCommand(int id, int notification) {
    if (impl_->dialog)
        impl_->dialog->Command(id, notification, nullptr);
}

void DialogHost::ClickButton(int id) {
    QWidget* widget = impl_->Any(id);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->isEnabled())
            button->click();
        return;
    }
    SendCommand(id, BN_CLICKED);
}

void DialogHost::DropOn(const DropFiles& drop) {
    if (!impl_->dialog)
        return;
    detail::HandlerScope scope;
    impl_->sink.OnDropFiles(drop);
}

void DialogHost::PressKey(int id, int virtualKey, bool ctrl) {
    QWidget* widget = impl_->Any(id);
    if (!widget)
        return;
    // Keys go to the focused control of the active window.
    if (!widget->isActiveWindow()) {
        widget->activateWindow();
        QCoreApplication::processEvents();
    }
    widget->setFocus(Qt::OtherFocusReason);
    const Qt::Key key = detail::ToQtKey(virtualKey);
    const Qt::KeyboardModifiers modifiers = ctrl ? Qt::ControlModifier : Qt::NoModifier;
    // Printable keys carry their character, as the keyboard's events do.
    const bool printable = virtualKey == resources::VK_SPACE ||
                           (virtualKey >= '0' && virtualKey <= '9') ||
                           (virtualKey >= 'A' && virtualKey <= 'Z');
    const QString text = virtualKey == resources::VK_SUBTRACT ? QStringLiteral("-")
                         : printable                          ? QString(QChar(virtualKey)).toLower()
                                                              : QString();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &release);
}

void DialogHost::RequestClose() {
    if (impl_->dialog)
        impl_->dialog->CloseBox();
}

void DialogHost::SetCaption(const VNString& caption) {
    if (impl_->dialog)
        impl_->dialog->setWindowTitle(ToQString(caption));
}

VNString DialogHost::GetCaption() const {
    return impl_->dialog ? FromQString(impl_->dialog->windowTitle()) : VNString();
}

void DialogHost::SetVisible(bool visible) {
    if (impl_->dialog)
        impl_->dialog->setVisible(visible);
}

bool DialogHost::ChooseMenuItem(int commandId) {
    return impl_->dialog && impl_->dialog->Menu() && impl_->dialog->Menu()->Trigger(commandId);
}

bool DialogHost::InsertMenuItems(int afterId, const std::vector<resources::MenuItem>& items) {
    return impl_->dialog && impl_->dialog->Menu() &&
           impl_->dialog->Menu()->InsertAfter(afterId, items);
}

} // namespace platform
