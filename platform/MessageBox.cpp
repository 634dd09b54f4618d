#include "platform/MessageBox.h"

#include "platform/private/ModalRun.h"
#include "platform/private/QtText.h"
#include "platform/private/UnseenWindows.h"

#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace platform {

namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The buttons of each set with the answers they give, as the system labels them.
std::vector<std::pair<int, const char8_t*>> ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return {{IDOK, u8"OK"}};
    case MsgButtons::OkCancel:
        return {{IDOK, u8"OK"}, {IDCANCEL, u8"キャンセル"}};
    case MsgButtons::YesNo:
        return {{IDYES, u8"はい(&Y)"}, {IDNO, u8"いいえ(&N)"}};
    case MsgButtons::YesNoCancel:
        return {{IDYES, u8"はい(&Y)"}, {IDNO, u8"いいえ(&N)"}, {IDCANCEL, u8"キャンセル"}};
    }
    return {};
}

int DismissedAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
        return IDCANCEL;
    case MsgButtons::YesNo:
        return IDNO;
    case MsgButtons::Ok:
        break;
    }
    return IDOK;
}

} // namespace

int ShowMessage(WindowHandle owner, const VNString& text, const VNString& caption,
                MsgButtons buttons, MsgIcon icon) {
    if (detail::ModalWindowsUnseen()) {
        detail::ReportUnseenWindow(caption, text.ToUtf8Lossy());
        return DismissedAnswer(buttons);
    }
    QMessageBox box(ToQtIcon(icon), detail::ToQString(caption), detail::ToQString(text),
                    QMessageBox::NoButton, reinterpret_cast<QWidget*>(owner));
    std::map<QAbstractButton*, int> answers;
    std::map<int, QPushButton*> byAnswer;
    QPushButton* first = nullptr;
    for (const auto& [answer, label] : ButtonsOf(buttons)) {
        QPushButton* button =
            box.addButton(detail::Utf8ToQString(label), answer == IDCANCEL || answer == IDNO
                                                            ? QMessageBox::RejectRole
                                                            : QMessageBox::AcceptRole);
        answers[button] = answer;
        byAnswer[answer] = button;
        if (!first)
            first = button;
    }
    box.setDefaultButton(first);
    if (auto cancel = byAnswer.find(IDCANCEL); cancel != byAnswer.end())
        box.setEscapeButton(cancel->second);
    else if (buttons == MsgButtons::Ok)
        box.setEscapeButton(byAnswer[IDOK]);

    ModalView view;
    view.kind = ModalKind::MessageBox;
    view.caption = caption;
    view.text = text;
    view.buttons = buttons;
    view.icon = icon;
    view.press = [&byAnswer](int id) {
        if (auto it = byAnswer.find(id); it != byAnswer.end())
            it->second->click();
    };
    view.close = [&box] { box.done(0); };
    view.abandon = [&box] { box.done(0); };
    view.isOpen = [&box] { return box.isVisible(); };

    const detail::ModalOutcome outcome = detail::RunModalDialog(box, view);
    auto clicked = answers.find(box.clickedButton());
    if (outcome.dismissed || clicked == answers.end())
        return DismissedAnswer(buttons);
    return clicked->second;
}

bool ConfirmDiscardChanges(WindowHandle owner, const VNString& caption,
                           const std::function<bool()>& save) {
    return ConfirmDiscardChanges(owner, VNString(u8"変更を保存しますか？"), caption, save);
}

bool ConfirmDiscardChanges(WindowHandle owner, const VNString& text, const VNString& caption,
                           const std::function<bool()>& save) {
    switch (ShowMessage(owner, text, caption, MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case IDYES:
        return save();
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool ConfirmOverwriteChangedFile(WindowHandle owner, const VNString& file,
                                 const VNString& caption) {
    const VNString text =
        file + VNString(u8" は、読み込んだ後にディスク上で変更されています。\n"
                        u8"上書きしてもよろしいですか？\n"
                        u8"（キャンセルすると、ディスク上のファイルはそのまま残ります。）");
    return ShowMessage(owner, text, caption, MsgButtons::OkCancel, MsgIcon::Warning) == IDOK;
}

} // namespace platform
