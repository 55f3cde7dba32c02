#include "cameralock.h"

#include "logging.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int kAnswerWithinMs = 1000;
constexpr int kPollMs = 5;

#ifndef _WIN32
// A folder of the user's own that no one else may enter, made when `create` and missing.
bool isPrivateFolder(const QByteArray& path, bool create) {
    if (create && ::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}
#endif

} // namespace

QString privateLockFolder() {
#ifdef _WIN32
    // The temporary folder is the user's own on Windows.
    const QString folder = QDir::tempPath() + QStringLiteral("/vantorelle");
    return QDir().mkpath(folder) ? folder : QString();
#else
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    QByteArray folder;
    if (!runtime.isEmpty() && isPrivateFolder(runtime, false)) {
        folder = runtime + "/vantorelle";
    } else {
        folder = QFile::encodeName(QDir::tempPath()) + "/vantorelle-" +
                 QByteArray::number(static_cast<qulonglong>(::geteuid()));
    }
    if (!isPrivateFolder(folder, true)) {
        qCInfo(lcApp,
               "No private folder for the camera locks (%s is not the user's own with "
               "mode 0700); going on without them",
               folder.constData());
        return {};
    }
    return QFile::decodeName(folder);
#endif
}

QString cameraLockName(const QString& cameraRoot) {
    const QFileInfo info(cameraRoot);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    return QStringLiteral("vantorelle-") +
           QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(24));
}

CameraLock::CameraLock(const QString& cameraRoot, QObject* parent)
    : QObject(parent), folder_(privateLockFolder()) {
    if (folder_.isEmpty()) {
        return;
    }
    const QString name = QDir(folder_).filePath(cameraLockName(cameraRoot));
    request_ = name + QStringLiteral(".raise");
    poke_ = name + QStringLiteral(".poke");
    lock_ = std::make_unique<QLockFile>(name + QStringLiteral(".lock"));
    // Only a program that is still running holds the camera, however long it runs.
    lock_->setStaleLockTime(0);
}

CameraLock::~CameraLock() {
#ifndef _WIN32
    if (pokes_ >= 0) {
        notifier_.reset();
        ::close(pokes_);
        ::unlink(QFile::encodeName(poke_).constData());
    }
#endif
}

// Waits for a second start's request, as the holder of the camera.
void CameraLock::listen() {
#ifdef _WIN32
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &CameraLock::answerRequest);
    watcher_.addPath(folder_);
#else
    const QByteArray path = QFile::encodeName(poke_);
    ::unlink(path.constData());
    // Open for writing too, so that the FIFO never reads as ended when a start has told it.
    if (::mkfifo(path.constData(), 0600) != 0 ||
        (pokes_ = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC)) < 0) {
        qCInfo(lcApp, "Another start on this camera cannot reach this window");
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pokes_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char drained[64];
        while (::read(pokes_, drained, sizeof drained) > 0) {
        }
        answerRequest();
    });
#endif
}

bool CameraLock::acquire() {
    if (lock_ == nullptr || lock_->isLocked()) {
        return true;
    }
    if (lock_->tryLock(0)) {
        // A request left by a start that gave up is no request.
        QFile::remove(request_);
        listen();
        return true;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        // A folder that cannot hold the lock must not keep the user from the camera.
        qCInfo(lcApp, "The camera's window lock is not available; going on without it");
        return true;
    }
    QFile request(request_);
    if (request.open(QIODevice::WriteOnly)) {
        request.close();
#ifndef _WIN32
        const int poke =
            ::open(QFile::encodeName(poke_).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (poke >= 0) {
            (void)!::write(poke, "r", 1);
            ::close(poke);
        }
#endif
        const QDeadlineTimer deadline(kAnswerWithinMs);
        while (!deadline.hasExpired()) {
            if (!QFile::exists(request_)) {
                return false;
            }
            QThread::msleep(kPollMs);
        }
        QFile::remove(request_);
    }
    qCWarning(lcApp, "The program that has this camera's window does not answer; opening "
                     "another window");
    return true;
}

bool CameraLock::isOpenElsewhere(const QString& cameraRoot) {
    // The window's lock, taken for a moment and let go: its own rules tell a running holder
    // from one that has gone.
    const CameraLock probe(cameraRoot);
    if (probe.lock_ == nullptr) {
        return false;
    }
    if (probe.lock_->tryLock(0)) {
        probe.lock_->unlock();
        return false;
    }
    return probe.lock_->error() == QLockFile::LockFailedError;
}

void CameraLock::answerRequest() {
    if (QFile::exists(request_) && QFile::remove(request_)) {
        emit raiseRequested();
    }
}

SaveLock::SaveLock(const QString& cameraRoot) {
    const QString folder = privateLockFolder();
    if (folder.isEmpty()) {
        return;
    }
    const QString path =
        QDir(folder).filePath(cameraLockName(cameraRoot) + QStringLiteral(".save"));
#ifdef _WIN32
    HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()),
                                GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    handle_ = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
#else
    fd_ = ::open(QFile::encodeName(path).constData(),
                 O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
#endif
}

SaveLock::~SaveLock() {
#ifdef _WIN32
    if (handle_ != nullptr) {
        CloseHandle(static_cast<HANDLE>(handle_));
    }
#else
    if (fd_ >= 0) {
        ::close(fd_);
    }
#endif
}

bool SaveLock::lock(int waitMs) {
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
#ifdef _WIN32
        if (handle_ == nullptr) {
            return false;
        }
        OVERLAPPED at{};
        if (LockFileEx(static_cast<HANDLE>(handle_),
                       LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
            return true;
        }
#else
        if (fd_ < 0) {
            return false;
        }
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
#endif
        if (deadline.hasExpired()) {
            qCWarning(lcApp, "Another program of ours keeps saving this camera; saving anyway");
            return false;
        }
        QThread::msleep(kPollMs);
    }
}

void SaveLock::unlock() {
#ifdef _WIN32
    OVERLAPPED at{};
    UnlockFileEx(static_cast<HANDLE>(handle_), 0, 1, 0, &at);
#else
    ::flock(fd_, LOCK_UN);
#endif
}

SaveLock::Hold::Hold(SaveLock& lock, int waitMs) : lock_(lock), held_(lock.lock(waitMs)) {}

SaveLock::Hold::~Hold() {
    if (held_) {
        lock_.unlock();
    }
}
