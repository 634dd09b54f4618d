#include "platform/Application.h"

#include "platform/WindowIcon.h"
#include "platform/font/FontRules.h"
#include "platform/private/AppState.h"
#include "platform/private/KeyRepeat.h"
#include "platform/private/OpenToolkit.h"
#include "scenario/VNAssert.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QObject>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace platform {

namespace {

Application* currentApplication = nullptr;

// Counts every event the application delivers; the pump uses the count to
// tell whether any message was delivered.
class EventCounter : public QObject {
public:
    long long count = 0;

protected:
    bool eventFilter(QObject*, QEvent*) override {
        ++count;
        return false;
    }
};

// The keyboard of tests on a platform that has none: a posted event sets
// what it holds, so the state changes in order with the key events posted
// around it.
class SimulatedKeyboard : public QObject {
public:
    struct CtrlEvent : QEvent {
        explicit CtrlEvent(bool h) : QEvent(Type()), held(h) {}
        static QEvent::Type Type() {
            static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
            return type;
        }
        bool held;
    };
    bool ctrlHeld = false;

protected:
    bool event(QEvent* event) override {
        if (event->type() != CtrlEvent::Type())
            return QObject::event(event);
        ctrlHeld = static_cast<CtrlEvent*>(event)->held;
        return true;
    }
};

// The failure box of the GUI programs: the condition, the source file and the
// line. On the offscreen platform (tests) nobody could press its button, so
// the report only goes to standard error there.
void ShowAssertionBox(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition, file, line);
    if (!qApp || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    const QString text = QStringLiteral("Assertion failed!\n\nExpression: %1\nFile: %2\nLine: %3")
                             .arg(QString::fromUtf8(condition), QString::fromUtf8(file))
                             .arg(line);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Assertion failed"), text,
                    QMessageBox::Ok);
    box.exec();
}

} // namespace

struct Application::Impl {
    std::unique_ptr<QApplication> ownApplication;
    // Qt's own texts (standard buttons, the file chooser) in Japanese.
    QTranslator toolkitTexts;
    EventCounter counter;
    SimulatedKeyboard keyboard;
    std::vector<QPointer<QDialog>> modals;
    std::vector<QPointer<QDialog>> dismissed;
    int handlerDepth = 0;
    vn::AssertHandler previousHandler = nullptr;
};

Application::Application(int& argc, char** argv, const resources::ResourceSet& resources)
    : impl_(std::make_unique<Impl>()), resources_(&resources) {
    // The face rules go into fontconfig before the toolkit reads its fonts.
    LoadFaceNameRules();
    if (!qApp)
        impl_->ownApplication = detail::OpenToolkit(argc, argv);
    // The programs speak Japanese whatever the user's locale, and so do the
    // toolkit's standard buttons and file choosers.
    if (impl_->toolkitTexts.load(QStringLiteral("qtbase_ja"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qApp->installTranslator(&impl_->toolkitTexts);
    for (const char* face : {"ＭＳ Ｐゴシック", "ＭＳ ゴシック", "ＭＳ Ｐ明朝", "ＭＳ 明朝"})
        QFont::insertSubstitution(QString::fromUtf8(face), QString::fromUtf8(SubstituteFace(face)));
    qApp->installEventFilter(&impl_->counter);
    detail::AskForRepeatsWithoutReleases();
    impl_->previousHandler = vn::SetAssertHandler(&ShowAssertionBox);
    currentApplication = this;
    // The program's icon for every window that sets none of its own.
    if (resources_->FindIcon("IDI_ICON"))
        SetApplicationIcon("IDI_ICON");
}

Application::~Application() {
    vn::SetAssertHandler(impl_->previousHandler);
    if (qApp) {
        qApp->removeEventFilter(&impl_->counter);
        qApp->removeTranslator(&impl_->toolkitTexts);
    }
    if (currentApplication == this)
        currentApplication = nullptr;
}

Application* Application::Current() {
    return currentApplication;
}

void Application::EndAllModals() {
    // Innermost first: each ended loop returns to the one around it.
    for (auto it = impl_->modals.rbegin(); it != impl_->modals.rend(); ++it) {
        if (QDialog* dialog = it->data()) {
            impl_->dismissed.push_back(*it);
            dialog->done(0);
        }
    }
}

Application& EnsureTestApplication(const resources::ResourceSet& resources) {
    if (Application* app = Application::Current()) {
        app->SetResources(resources);
        return *app;
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "vnsuite-test";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: the toolkit's application object must
    // outlast every window a test leaves behind.
    return *new Application(argc, argv, resources);
}

namespace detail {

struct AppAccess {
    static Application::Impl& Of(Application* app) { return *app->impl_; }
};

const resources::ResourceSet* CurrentResources() {
    return currentApplication ? &currentApplication->Resources() : nullptr;
}

ModalHook* CurrentHook() {
    return currentApplication ? currentApplication->Hook() : nullptr;
}

long long EventCount() {
    return currentApplication ? AppAccess::Of(currentApplication).counter.count : 0;
}

void PostSimulatedCtrlHeld(bool held) {
    if (currentApplication)
        QCoreApplication::postEvent(&AppAccess::Of(currentApplication).keyboard,
                                    new SimulatedKeyboard::CtrlEvent(held));
}

bool SimulatedCtrlHeld() {
    return currentApplication && AppAccess::Of(currentApplication).keyboard.ctrlHeld;
}

ModalScope::ModalScope(QDialog* dialog) : dialog_(dialog) {
    if (currentApplication)
        AppAccess::Of(currentApplication).modals.push_back(dialog_);
}

ModalScope::~ModalScope() {
    if (!currentApplication)
        return;
    auto& modals = AppAccess::Of(currentApplication).modals;
    std::erase_if(modals,
                  [this](const QPointer<QDialog>& d) { return d == dialog_ || d.isNull(); });
    auto& dismissed = AppAccess::Of(currentApplication).dismissed;
    std::erase_if(dismissed,
                  [this](const QPointer<QDialog>& d) { return d == dialog_ || d.isNull(); });
}

bool ModalScope::Dismissed() const {
    if (!currentApplication)
        return false;
    for (const auto& d : AppAccess::Of(currentApplication).dismissed)
        if (d == dialog_)
            return true;
    return false;
}

HandlerScope::HandlerScope() {
    if (currentApplication)
        ++AppAccess::Of(currentApplication).handlerDepth;
}

HandlerScope::~HandlerScope() {
    if (currentApplication)
        --AppAccess::Of(currentApplication).handlerDepth;
}

int HandlerScope::Depth() {
    return currentApplication ? AppAccess::Of(currentApplication).handlerDepth : 0;
}

} // namespace detail

} // namespace platform
