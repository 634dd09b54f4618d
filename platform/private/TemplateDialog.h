// The toolkit side of a dialog made from a template: the window, its
// controls by id, and the translation of toolkit signals and events into the
// dialog messages of a DialogSink.
#pragma once

#include "platform/DialogHost.h"
#include "platform/private/MenuBar.h"
#include "resources/Resource.h"

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <map>
#include <memory>

namespace platform::detail {

struct DialogControl {
    resources::ControlKind kind;
    uint32_t flags = 0;
    QWidget* widget = nullptr;
};

class TemplateDialog;

// A push button whose face the dialog paints (WM_DRAWITEM).
class OwnerDrawnButton : public QPushButton {
public:
    OwnerDrawnButton(int id, TemplateDialog& dialog, QWidget* parent);
    bool pushedState = false;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int id_;
    TemplateDialog& dialog_;
};

class TemplateDialog : public QDialog {
public:
    TemplateDialog(const resources::DialogTemplate& spec, const resources::ResourceSet& resources,
                   DialogSink& sink, QWidget* parent);

    DialogSink& Sink() { return sink_; }
    // Calls into the sink with the handler bookkeeping around them.
    void Command(int id, int notification, QWidget* control);
    void CloseBox();
    // Enter: the default button, or the OK command when there is none.
    void PressEnter();

    const DialogControl* Find(int id) const;
    std::map<int, DialogControl>& Controls() { return controls_; }
    MenuBar* Menu() const { return menu_.get(); }
    QWidget* Content() const { return content_; }
    QPushButton* DefaultButton() const { return defaultButton_; }
    // Set while the program itself changes a control, so that list and
    // combo selections it makes send no notification (as in the original).
    bool programmatic = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

public:
    void reject() override;

private:
    QWidget* MakeControl(const resources::ControlSpec& spec, QWidget* content, double unitX,
                         double unitY);

    DialogSink& sink_;
    std::map<int, DialogControl> controls_;
    std::unique_ptr<MenuBar> menu_;
    QPushButton* defaultButton_ = nullptr;
    QWidget* content_ = nullptr;
};

// The font of a template entry; `fallback` when it names no face.
QFont MakeFont(const resources::FontSpec& spec, const QFont& fallback);

// The handle of a toolkit window.
inline WindowHandle ToHandle(QWidget* widget) {
    return reinterpret_cast<WindowHandle>(widget);
}
inline QWidget* ToWidget(WindowHandle handle) {
    return reinterpret_cast<QWidget*>(handle);
}

} // namespace platform::detail
