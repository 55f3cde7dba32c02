#include "cameralock.h"
#include "logging.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// The same camera reached by two spellings of its path gets the same name.
QString keyOf(const QString& cameraRoot) {
    const QFileInfo info(cameraRoot);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24));
}

QString runtimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

} // namespace

CameraLock::CameraLock(const QString& cameraRoot, QObject* parent) : QObject(parent) {
    const QString name = QStringLiteral("vantorelle-") + keyOf(cameraRoot);
    const QString folder = runtimeFolder();
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(name + QStringLiteral(".lock")));
    // Only a program that is still running holds the camera, however long it runs.
    lock_->setStaleLockTime(0);
#ifdef Q_OS_WIN
    serverName_ = name;
#else
    // A full path keeps the server inside the user's own runtime folder.
    serverName_ = QDir(folder).filePath(name + QStringLiteral(".socket"));
#endif
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_.nextPendingConnection()) {
            peer->close();
            peer->deleteLater();
        }
        emit raiseRequested();
    });
}

CameraLock::~CameraLock() {
    server_.close();
}

bool CameraLock::acquire() {
    if (lock_->isLocked()) {
        return true;
    }
    if (lock_->tryLock(0)) {
        // A server left behind by a program that crashed would refuse the name.
        QLocalServer::removeServer(serverName_);
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        if (!server_.listen(serverName_)) {
            qCInfo(lcApp, "Another start on this camera cannot reach this window: %s",
                   qPrintable(server_.errorString()));
        }
        return true;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        // A runtime folder that cannot hold the lock must not keep the user from the camera.
        qCInfo(lcApp, "The camera's window lock is not available; going on without it");
        return true;
    }
    QLocalSocket other;
    other.connectToServer(serverName_);
    if (other.waitForConnected(1000)) {
        other.write("raise\n");
        other.waitForBytesWritten(1000);
        other.disconnectFromServer();
    }
    return false;
}
