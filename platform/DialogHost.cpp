#include "platform/DialogHost.h"

#include "platform/ModalHook.h"
#include "platform/private/AppState.h"
#include "platform/private/KeyMap.h"
#include "platform/private/ListBox.h"
#include "platform/private/ModalRun.h"
#include "platform/private/QtText.h"
#include "platform/private/ScreenArea.h"
#include "platform/private/TemplateDialog.h"
#include "platform/private/UnseenWindows.h"
#include "resources/Resource.h"
#include "resources/VirtualKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <cstdio>

namespace platform {

using detail::DialogControl;
using detail::FromQString;
using detail::TemplateDialog;
using detail::ToQString;
using resources::ControlKind;

struct DialogHost::Impl {
    explicit Impl(DialogSink& s) : sink(s) {}

    DialogSink& sink;
    QPointer<TemplateDialog> dialog;
    std::string templateName;
    bool ended = false;
    bool modal = false;
    bool running = false;
    bool endedEarly = false;
    int earlyResult = 0;
    QMetaObject::Connection goneConnection;

    // Makes the window, tells the sink about it and runs the initialisation.
    bool Make(const VNString& caption, const std::string& name, WindowHandle parent) {
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
        templateName = name;
        ended = false;
        dialog = new TemplateDialog(*spec, *resources, sink, detail::ToWidget(parent));
        if (!caption.IsEmpty())
            dialog->setWindowTitle(ToQString(caption));
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

bool DialogHost::IsShown() const {
    return impl_->dialog && !impl_->ended;
}

WindowHandle DialogHost::Handle() const {
    return detail::ToHandle(impl_->dialog);
}

const std::string& DialogHost::TemplateName() const {
    return impl_->templateName;
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

bool DialogHost::IsVisible() const {
    return impl_->dialog && impl_->dialog->isVisible();
}

int DialogHost::ClientWidth() const {
    return impl_->dialog ? impl_->dialog->Content()->width() : 0;
}

int DialogHost::ClientHeight() const {
    return impl_->dialog ? impl_->dialog->Content()->height() : 0;
}

void DialogHost::MoveControl(int id, int x, int y, int width, int height) {
    if (QWidget* widget = impl_->Any(id))
        widget->setGeometry(x, y, width, height);
}

void DialogHost::SetControlFont(int id, const resources::FontSpec& font) {
    if (QWidget* widget = impl_->Any(id))
        widget->setFont(detail::MakeFont(font, widget->font()));
}

bool DialogHost::HasControl(int id) const {
    return impl_->Any(id) != nullptr;
}

namespace {

// Multi-line fields hold CR LF line ends as in the original system; the
// toolkit's text uses LF.
QString ToEditorText(const VNString& text) {
    QString q = ToQString(text);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

VNString FromEditorText(QString text) {
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return FromQString(text);
}

} // namespace

VNString DialogHost::GetText(int id) const {
    QWidget* widget = impl_->Any(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return FromQString(edit->text());
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return FromEditorText(edit->toPlainText());
    if (auto* label = qobject_cast<QLabel*>(widget))
        return FromQString(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return FromQString(button->text());
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return FromQString(combo->currentText());
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return FromQString(group->title());
    return VNString();
}

bool DialogHost::TextFitsShiftJis(int id) const {
    QWidget* widget = impl_->Any(id);
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        text = edit->text();
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        text = edit->toPlainText();
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        text = combo->currentText();
    VNString converted;
    return FromQString(text, converted);
}

void DialogHost::SetText(int id, const VNString& text) {
    QWidget* widget = impl_->Any(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(ToQString(text));
        edit->setCursorPosition(0);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        edit->setPlainText(ToEditorText(text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(ToQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(ToQString(text));
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(ToQString(text));
    }
}

void DialogHost::SetTextLimit(int id, int maxChars) {
    if (auto* edit = qobject_cast<QLineEdit*>(impl_->Any(id)))
        edit->setMaxLength(maxChars > 0 ? maxChars : 32767);
}

void DialogHost::EditSelectLastLine(int id) {
    auto* edit = qobject_cast<QPlainTextEdit*>(impl_->Any(id));
    if (!edit)
        return;
    QTextBlock block = edit->document()->lastBlock();
    while (block.isValid() && block.text().isEmpty())
        block = block.previous();
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
}

VNString DialogHost::EditSelectedText(int id) const {
    auto* edit = qobject_cast<QPlainTextEdit*>(impl_->Any(id));
    return edit ? FromEditorText(edit->textCursor().selectedText().replace(
                      QChar::ParagraphSeparator, QChar('\n')))
                : VNString();
}

bool DialogHost::EditSelectionVisible(int id) const {
    auto* edit = qobject_cast<QPlainTextEdit*>(impl_->Any(id));
    return edit && edit->viewport()->rect().contains(edit->cursorRect());
}

void DialogHost::EnableControl(int id, bool enabled) {
    if (QWidget* widget = impl_->Any(id))
        widget->setEnabled(enabled);
}

bool DialogHost::IsControlEnabled(int id) const {
    QWidget* widget = impl_->Any(id);
    return widget && widget->isEnabled();
}

void DialogHost::ShowControl(int id, bool visible) {
    if (QWidget* widget = impl_->Any(id))
        widget->setVisible(visible);
}

void DialogHost::SetFocus(int id) {
    if (QWidget* widget = impl_->Any(id))
        widget->setFocus(Qt::OtherFocusReason);
}

int DialogHost::FocusedControl() const {
    if (!impl_->dialog)
        return -1;
    QWidget* focus = impl_->dialog->focusWidget();
    for (const auto& [id, control] : impl_->dialog->Controls())
        if (control.widget == focus)
            return id;
    return -1;
}

int DialogHost::ListAdd(int id, const VNString& text) {
    return ListInsert(id, -1, text);
}

int DialogHost::ListInsert(int id, int index, const VNString& text) {
    QListWidget* list = impl_->List(id);
    if (!list)
        return -1;
    Impl::Quiet quiet(impl_->dialog);
    if (index < 0 || index > list->count())
        index = list->count();
    list->insertItem(index, ToQString(text));
    if (list->isSortingEnabled())
        return list->row(list->findItems(ToQString(text), Qt::MatchExactly).value(0));
    return index;
}

int DialogHost::ListDelete(int id, int index) {
    QListWidget* list = impl_->List(id);
    if (!list || index < 0 || index >= list->count())
        return -1;
    Impl::Quiet quiet(impl_->dialog);
    delete list->takeItem(index);
    return list->count();
}

void DialogHost::ListReset(int id) {
    if (QListWidget* list = impl_->List(id)) {
        Impl::Quiet quiet(impl_->dialog);
        list->clear();
    }
}

int DialogHost::ListCount(int id) const {
    QListWidget* list = impl_->List(id);
    return list ? list->count() : 0;
}

int DialogHost::ListGetSelection(int id) const {
    QListWidget* list = impl_->List(id);
    if (!list)
        return -1;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void DialogHost::ListSetSelection(int id, int index) {
    QListWidget* list = impl_->List(id);
    if (!list)
        return;
    Impl::Quiet quiet(impl_->dialog);
    if (index < 0 || index >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(index));
}

VNString DialogHost::ListGetText(int id, int index) const {
    QListWidget* list = impl_->List(id);
    if (!list || index < 0 || index >= list->count())
        return VNString();
    return FromQString(list->item(index)->text());
}

int DialogHost::ListGetTopIndex(int id) const {
    QListWidget* list = impl_->List(id);
    if (!list || list->count() == 0)
        return 0;
    const QListWidgetItem* top = list->itemAt(1, 1);
    return top ? list->row(top) : 0;
}

void DialogHost::ListSetItemHeight(int id, int pixels) {
    if (auto* list = dynamic_cast<detail::ListBox*>(impl_->List(id)))
        list->SetItemHeight(pixels);
}

int DialogHost::ListGetItemHeight(int id) const {
    const auto* list = dynamic_cast<const detail::ListBox*>(impl_->List(id));
    return list ? list->ItemHeight() : 0;
}

void DialogHost::ListSetHorizontalExtent(int id, int pixels) {
    if (auto* list = dynamic_cast<detail::ListBox*>(impl_->List(id)))
        list->SetHorizontalExtent(pixels);
}

int DialogHost::ListGetHorizontalExtent(int id) const {
    const auto* list = dynamic_cast<const detail::ListBox*>(impl_->List(id));
    return list ? list->HorizontalExtent() : 0;
}

int DialogHost::ComboAdd(int id, const VNString& text) {
    QComboBox* combo = impl_->Combo(id);
    if (!combo)
        return -1;
    // The toolkit selects the first item added; the original leaves none.
    const int selection = combo->currentIndex();
    combo->addItem(ToQString(text));
    combo->setCurrentIndex(selection);
    return combo->count() - 1;
}

void DialogHost::ComboReset(int id) {
    if (QComboBox* combo = impl_->Combo(id))
        combo->clear();
}

int DialogHost::ComboCount(int id) const {
    QComboBox* combo = impl_->Combo(id);
    return combo ? combo->count() : 0;
}

int DialogHost::ComboGetSelection(int id) const {
    QComboBox* combo = impl_->Combo(id);
    return combo ? combo->currentIndex() : -1;
}

void DialogHost::ComboSetSelection(int id, int index) {
    if (QComboBox* combo = impl_->Combo(id))
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

VNString DialogHost::ComboGetText(int id, int index) const {
    QComboBox* combo = impl_->Combo(id);
    if (!combo || index < 0 || index >= combo->count())
        return VNString();
    return FromQString(combo->itemText(index));
}

bool DialogHost::IsChecked(int id) const {
    auto* check = qobject_cast<QCheckBox*>(impl_->Any(id));
    return check && check->isChecked();
}

void DialogHost::SetChecked(int id, bool checked) {
    if (auto* check = qobject_cast<QCheckBox*>(impl_->Any(id)))
        check->setChecked(checked);
}

bool DialogHost::GetButtonState(int id) const {
    QWidget* widget = impl_->Any(id);
    if (auto* owner = dynamic_cast<detail::OwnerDrawnButton*>(widget))
        return owner->pushedState || owner->isDown();
    auto* button = qobject_cast<QPushButton*>(widget);
    return button && button->isDown();
}

void DialogHost::SetButtonState(int id, bool pushed) {
    QWidget* widget = impl_->Any(id);
    if (auto* owner = dynamic_cast<detail::OwnerDrawnButton*>(widget)) {
        owner->pushedState = pushed;
        owner->update();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setDown(pushed);
    }
}

void DialogHost::RedrawControl(int id) {
    if (QWidget* widget = impl_->Any(id))
        widget->update();
}

void DialogHost::CheckMenuItem(int commandId, bool checked) {
    if (impl_->dialog && impl_->dialog->Menu())
        impl_->dialog->Menu()->Check(commandId, checked);
}

bool DialogHost::IsMenuItemChecked(int commandId) const {
    return impl_->dialog && impl_->dialog->Menu() && impl_->dialog->Menu()->IsChecked(commandId);
}

void DialogHost::EnableMenuItem(int commandId, bool enabled) {
    if (impl_->dialog && impl_->dialog->Menu())
        impl_->dialog->Menu()->Enable(commandId, enabled);
}

bool DialogHost::IsMenuItemEnabled(int commandId) const {
    return impl_->dialog && impl_->dialog->Menu() && impl_->dialog->Menu()->IsEnabled(commandId);
}

bool DialogHost::ChooseMenuItem(int commandId) {
    return impl_->dialog && impl_->dialog->Menu() && impl_->dialog->Menu()->Trigger(commandId);
}

} // namespace platform
