#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>
#include <string>
#include <unistd.h>

namespace {
std::string& LockPathOverride() {
    static std::string path;
    return path;
}

std::unique_ptr<QLockFile>& HeldLock() {
    static std::unique_ptr<QLockFile> held;
    return held;
}

QString DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QString("/varno-editor-%1.lock").arg(::getuid());
}
} // namespace

void SetInstanceLockPathForTesting(const char* path) {
    LockPathOverride() = path;
    HeldLock().reset();
}

bool AnotherInstanceIsRunning() {
    std::unique_ptr<QLockFile>& held = HeldLock();
    if (held) return false;
    const QString path =
        LockPathOverride().empty() ? DefaultLockPath() : QString::fromStdString(LockPathOverride());
    auto lock = std::make_unique<QLockFile>(path);
    // A lock left by a copy that was killed names a process that no longer exists; QLockFile
    // takes such a lock over at once.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return lock->error() == QLockFile::LockFailedError;
    held = std::move(lock);
    return false;
}
