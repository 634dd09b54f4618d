#include "platform/private/TemplateDialog.h"

#include "platform/font/FontRules.h"
#include "platform/private/AppState.h"
#include "platform/private/DialogAccelerators.h"
#include "platform/private/ListBox.h"
#include "platform/private/QtText.h"
#include "platform/private/ReadableControls.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QStyleOptionButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace platform::detail {

namespace {

using resources::ControlKind;
namespace cf = resources::cf;

// A static text shows "&x" as an underlined x; the toolkit's labels only do
// that with a buddy, so the marks are taken out ("&&" stays one "&").
QString LabelText(const char8_t* text) {
    QString in = Utf8ToQString(text);
    QString out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == QLatin1Char('&')) {
            if (i + 1 < in.size() && in[i + 1] == QLatin1Char('&'))
                out += QLatin1Char('&'), ++i;
            continue;
        }
        out += in[i];
    }
    return out;
}

// A read-only field is drawn on the dialog's own colour, as the original
// system draws it, so it does not look as if it could be typed into.
void ShowAsReadOnly(QWidget* field) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
}

Qt::Alignment TextAlignment(uint32_t flags) {
    if (flags & cf::AlignRight)
        return Qt::AlignRight | Qt::AlignVCenter;
    if (flags & cf::AlignCenter)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Paints for an owner-drawn button's handler.
class PainterCanvas : public DrawCanvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}
    void Fill(int x, int y, int width, int height, uint32_t rgb) override {
        painter_.fillRect(x, y, width, height, QColor::fromRgb(rgb));
    }
    void Frame(int x, int y, int width, int height, bool sunken) override {
        const QColor light(255, 255, 255), dark(128, 128, 128);
        painter_.setPen(sunken ? dark : light);
        painter_.drawLine(x, y, x + width - 1, y);
        painter_.drawLine(x, y, x, y + height - 1);
        painter_.setPen(sunken ? light : dark);
        painter_.drawLine(x, y + height - 1, x + width - 1, y + height - 1);
        painter_.drawLine(x + width - 1, y, x + width - 1, y + height - 1);
    }
    void Text(int x, int y, int width, int height, const VNString& text, uint32_t rgb) override {
        painter_.setPen(QColor::fromRgb(rgb));
        painter_.drawText(QRect(x, y, width, height), Qt::AlignCenter, ToQString(text));
    }
    void Picture(int x, int y, const uint32_t* pixels, int width, int height) override {
        QImage image(reinterpret_cast<const uchar*>(pixels), width, height, width * 4,
                     QImage::Format_RGB32);
        painter_.drawImage(x, y, image);
    }

private:
    QPainter& painter_;
};

// Enter in a multi-line field without WantReturn presses the default button,
// as in the original; Ctrl+Enter makes a new line there.
class EnterForwarder : public QObject {
public:
    explicit EnterForwarder(TemplateDialog& dialog) : QObject(&dialog), dialog_(dialog) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::ControlModifier) {
            // The toolkit's field ignores Ctrl+Enter; here it is the line break.
            if (auto* edit = qobject_cast<QPlainTextEdit*>(watched); edit && !edit->isReadOnly())
                edit->insertPlainText(QStringLiteral("\n"));
            return true;
        }
        if (modifiers != Qt::NoModifier)
            return false;
        dialog_.PressEnter();
        return true;
    }

private:
    TemplateDialog& dialog_;
};

// A static that reports clicks: a left click released over it.
class ClickNotifier : public QObject {
public:
    ClickNotifier(TemplateDialog& dialog, int id) : QObject(&dialog), dialog_(dialog), id_(id) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease)
            return QObject::eventFilter(watched, event);
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint()))
            dialog_.Command(id_, STN_CLICKED, label);
        return false;
    }

private:
    TemplateDialog& dialog_;
    int id_;
};

} // namespace

QFont MakeFont(const resources::FontSpec& spec, const QFont& fallback) {
    QFont font = fallback;
    if (spec.face)
        font.setFamily(QString::fromUtf8(SubstituteFace(reinterpret_cast<const char*>(spec.face))));
    if (spec.pixelHeight > 0)
        font.setPixelSize(spec.pixelHeight);
    else if (spec.pointSize > 0)
        font.setPointSize(spec.pointSize);
    font.setBold(spec.bold);
    return font;
}

OwnerDrawnButton::OwnerDrawnButton(int id, TemplateDialog& dialog, QWidget* parent)
    : QPushButton(parent), id_(id), dialog_(dialog) {}

void OwnerDrawnButton::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PainterCanvas canvas(painter);
    DrawItem item;
    item.controlId = id_;
    item.width = width();
    item.height = height();
    item.pushed = isDown() || pushedState;
    item.focused = hasFocus();
    item.disabled = !isEnabled();
    item.text = FromQString(text());
    item.canvas = &canvas;
    {
        HandlerScope scope;
        dialog_.Sink().OnDrawItem(id_, item);
    }
    if (!item.drawn) {
        painter.end();
        if (pushedState && !isDown()) {
            // Draw the pushed look the program asked for.
            QPainter again(this);
            QStyleOptionButton option;
            initStyleOption(&option);
            option.state |= QStyle::State_Sunken;
            style()->drawControl(QStyle::CE_PushButton, &option, &again, this);
            return;
        }
        QPushButton::paintEvent(event);
    }
}

TemplateDialog::TemplateDialog(const resources::DialogTemplate& spec,
                               const resources::ResourceSet& resources, DialogSink& sink,
                               QWidget* parent)
    : QDialog(parent), sink_(sink) {
    setWindowTitle(Utf8ToQString(spec.caption));
    setFont(MakeFont(spec.font, font()));
    if (spec.flags & resources::df::NoCloseBox)
        setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (spec.flags & resources::df::MinimizeBox)
        setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setAcceptDrops(spec.flags & resources::df::AcceptFiles);

    // Dialog units: a quarter of the average character width, an eighth of
    // the character height of the dialog's font.
    const QFontMetricsF metrics(font());
    const double unitX = metrics.horizontalAdvance(QStringLiteral(
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                         52.0 / 4.0;
    const double unitY = metrics.height() / 8.0;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (!spec.menu.empty()) {
        if (const resources::MenuSpec* menuSpec = resources.FindMenu(spec.menu)) {
            menu_ = std::make_unique<MenuBar>(*menuSpec, this,
                                              [this](int id) { Command(id, 0, nullptr); });
            layout->setMenuBar(menu_->Widget());
        }
    }
    if (const resources::AcceleratorTable* keys = resources.FindAccelerators(spec.accelerators))
        InstallDialogAccelerators(*this, *keys);
    content_ = new QWidget(this);
    content_->setFixedSize(static_cast<int>(std::lround(spec.width * unitX)),
                           static_cast<int>(std::lround(spec.height * unitY)));
    layout->addWidget(content_);
    if (!(spec.flags & resources::df::Resizable))
        layout->setSizeConstraint(QLayout::SetFixedSize);
    else
        content_->setMinimumSize(content_->size()),
            content_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    std::vector<QWidget*> groups;
    QString label; // the last label, which names the field after it
    for (const resources::ControlSpec& control : spec.controls) {
        QWidget* widget = MakeControl(control, content_, unitX, unitY);
        MakeReadable(control, widget, label, windowTitle());
        if (control.kind == ControlKind::GroupBox)
            groups.push_back(widget);
        if (control.id != resources::IDC_STATIC && !controls_.count(control.id))
            controls_[control.id] = DialogControl{control.kind, control.flags, widget};
    }
    for (QWidget* group : groups)
        group->lower(); // frames stay behind the controls they surround
}

QWidget* TemplateDialog::MakeControl(const resources::ControlSpec& spec, QWidget* content,
                                     double unitX, double unitY) {
    const int id = spec.id;
    QWidget* widget = nullptr;
    switch (spec.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(LabelText(spec.text), content);
        label->setWordWrap(true);
        label->setAlignment((spec.flags & cf::AlignRight)    ? Qt::AlignRight | Qt::AlignTop
                            : (spec.flags & cf::AlignCenter) ? Qt::AlignHCenter | Qt::AlignTop
                                                             : Qt::AlignLeft | Qt::AlignTop);
        if (spec.flags & cf::Sunken)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (spec.flags & cf::Notify) {
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(new ClickNotifier(*this, id));
        }
        widget = label;
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(Utf8ToQString(spec.text), content);
        edit->setReadOnly(spec.flags & cf::ReadOnly);
        if (spec.flags & cf::ReadOnly)
            ShowAsReadOnly(edit);
        edit->setAlignment(TextAlignment(spec.flags));
        if (spec.flags & cf::DigitsOnly)
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), edit));
        else if (spec.flags & cf::SignedNumber)
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
        edit->setMaxLength(32767);
        connect(edit, &QLineEdit::textChanged, this,
                [this, id, edit] { Command(id, EN_CHANGE, edit); });
        widget = edit;
        break;
    }
    case ControlKind::MultiLineEdit: {
        auto* edit = new QPlainTextEdit(Utf8ToQString(spec.text), content);
        edit->setReadOnly(spec.flags & cf::ReadOnly);
        if (spec.flags & cf::ReadOnly)
            ShowAsReadOnly(edit);
        edit->setLineWrapMode((spec.flags & cf::HScroll) ? QPlainTextEdit::NoWrap
                                                         : QPlainTextEdit::WidgetWidth);
        edit->setTabChangesFocus(true);
        if (!(spec.flags & cf::WantReturn))
            edit->installEventFilter(new EnterForwarder(*this));
        connect(edit, &QPlainTextEdit::textChanged, this,
                [this, id, edit] { Command(id, EN_CHANGE, edit); });
        widget = edit;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new ListBox(content);
        list->setSortingEnabled(spec.flags & cf::Sorted);
        list->setHorizontalScrollBarPolicy((spec.flags & cf::HScroll) ? Qt::ScrollBarAsNeeded
                                                                      : Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (spec.flags & cf::Notify) {
            connect(list, &QListWidget::itemSelectionChanged, this, [this, id, list] {
                if (!programmatic)
                    Command(id, LBN_SELCHANGE, list);
            });
            connect(list, &QListWidget::itemDoubleClicked, this,
                    [this, id, list] { Command(id, LBN_DBLCLK, list); });
        }
        if (spec.flags & cf::DeleteKey)
            list->onDeleteKey = [this, id, list] { Command(id, LBN_DELETEKEY, list); };
        if (spec.flags & cf::F9Key)
            list->onF9Key = [this, id, list] { Command(id, LBN_F9KEY, list); };
        widget = list;
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(content);
        connect(combo, &QComboBox::activated, this,
                [this, id, combo] { Command(id, CBN_SELCHANGE, combo); });
        widget = combo;
        break;
    }
    case ControlKind::CheckBox: {
        auto* check = new QCheckBox(Utf8ToQString(spec.text), content);
        check->setChecked(spec.flags & cf::Checked);
        connect(check, &QCheckBox::clicked, this,
                [this, id, check] { Command(id, BN_CLICKED, check); });
        widget = check;
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::OwnerDrawButton: {
        QPushButton* button = spec.kind == ControlKind::OwnerDrawButton
                                  ? new OwnerDrawnButton(id, *this, content)
                                  : new QPushButton(content);
        button->setText(Utf8ToQString(spec.text));
        button->setAutoDefault(false);
        if (spec.flags & cf::DefaultButton) {
            button->setDefault(true);
            defaultButton_ = button;
        }
        connect(button, &QPushButton::clicked, this,
                [this, id, button] { Command(id, BN_CLICKED, button); });
        widget = button;
        break;
    }
    case ControlKind::GroupBox:
        widget = new QGroupBox(LabelText(spec.text), content);
        break;
    }
    if (spec.font.face || spec.font.pixelHeight > 0 || spec.font.pointSize > 0)
        widget->setFont(MakeFont(spec.font, font()));
    widget->setGeometry(static_cast<int>(std::lround(spec.x * unitX)),
                        static_cast<int>(std::lround(spec.y * unitY)),
                        static_cast<int>(std::lround(spec.width * unitX)),
                        static_cast<int>(std::lround(spec.height * unitY)));
    if (spec.kind == ControlKind::ComboBox) // the height in a template includes the drop-down
        widget->resize(widget->width(), widget->sizeHint().height());
    widget->setEnabled(!(spec.flags & cf::Disabled));
    if (spec.flags & cf::Hidden)
        widget->hide();
    return widget;
}

const DialogControl* TemplateDialog::Find(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

void TemplateDialog::Command(int id, int notification, QWidget* control) {
    HandlerScope scope;
    sink_.OnCommand(MakeWParam(id, notification), reinterpret_cast<LPARAM>(control));
}

void TemplateDialog::CloseBox() {
    HandlerScope scope;
    sink_.OnClose();
}

void TemplateDialog::closeEvent(QCloseEvent* event) {
    // The dialog decides (WM_CLOSE); the toolkit never closes it by itself.
    event->ignore();
    CloseBox();
}

void TemplateDialog::reject() {
    // Escape: the Cancel command, whether or not a Cancel button exists.
    Command(resources::IDCANCEL, BN_CLICKED, nullptr);
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        PressEnter();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TemplateDialog::PressEnter() {
    if (defaultButton_) {
        if (defaultButton_->isEnabled())
            defaultButton_->click();
        return;
    }
    Command(resources::IDOK, BN_CLICKED, nullptr);
}

void TemplateDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (content_) {
        HandlerScope scope;
        sink_.OnSize(content_->width(), content_->height());
    }
}

void TemplateDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptDrops() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TemplateDialog::dropEvent(QDropEvent* event) {
    DropFiles drop;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        // The URL's percent-encoded bytes are the name on disk; its decoded
        // text would turn bytes that are not UTF-8 into U+FFFD.
        QByteArray native =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!url.host().isEmpty())
            native = QFile::encodeName(url.toLocalFile());
        drop.files.push_back(DroppedFileFromNative(native.toStdString()));
    }
    event->acceptProposedAction();
    if (drop.files.empty())
        return;
    HandlerScope scope;
    sink_.OnDropFiles(drop);
}

} // namespace platform::detail
