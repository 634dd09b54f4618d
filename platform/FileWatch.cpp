#include "platform/FileWatch.h"

#include "platform/private/AppState.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace platform {

namespace {

// How long the file must stay quiet before the change is reported.
constexpr int kSettleMs = 150;

} // namespace

struct FileWatch::Impl : QObject {
    QFileSystemWatcher watcher;
    QTimer settle;
    QString file;
    std::function<void()> changed;
    bool waitingForHandlers = false;

    Impl() {
        settle.setSingleShot(true);
        connect(&watcher, &QFileSystemWatcher::fileChanged, this, [this] { Noticed(); });
        connect(&watcher, &QFileSystemWatcher::directoryChanged, this, [this] { Noticed(); });
        connect(&settle, &QTimer::timeout, this, [this] { Settled(); });
    }

    void Noticed() {
        // A file replaced by renaming drops out of the watch: it is watched
        // again under its name as soon as it is there.
        if (!file.isEmpty() && !watcher.files().contains(file) && QFileInfo::exists(file))
            watcher.addPath(file);
        settle.start(kSettleMs);
    }

    void Settled() {
        if (detail::HandlerScope::Depth() > 0) {
            // Looks again at the first event delivered once the handlers
            // have returned.
            if (!waitingForHandlers) {
                waitingForHandlers = true;
                QCoreApplication::instance()->installEventFilter(this);
            }
            return;
        }
        if (changed)
            changed();
    }

    bool eventFilter(QObject*, QEvent*) override {
        if (waitingForHandlers && detail::HandlerScope::Depth() == 0) {
            waitingForHandlers = false;
            QCoreApplication::instance()->removeEventFilter(this);
            settle.start(0);
        }
        return false;
    }

    void Reset() {
        settle.stop();
        if (waitingForHandlers) {
            waitingForHandlers = false;
            if (QCoreApplication* app = QCoreApplication::instance())
                app->removeEventFilter(this);
        }
        const QStringList watched = watcher.files() + watcher.directories();
        if (!watched.isEmpty())
            watcher.removePaths(watched);
        file.clear();
        changed = nullptr;
    }
};

FileWatch::FileWatch() : impl_(std::make_unique<Impl>()) {}

FileWatch::~FileWatch() {
    Stop();
}

void FileWatch::Watch(const std::string& path, std::function<void()> changed) {
    Stop();
    if (path.empty())
        return;
    path_ = path;
    const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(path)));
    impl_->file = info.absoluteFilePath();
    impl_->changed = std::move(changed);
    impl_->watcher.addPath(info.absolutePath());
    if (info.exists())
        impl_->watcher.addPath(impl_->file);
}

void FileWatch::Stop() {
    impl_->Reset();
    path_.clear();
}

} // namespace platform
