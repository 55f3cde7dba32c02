#include "camera_volume.h"

#include "camerapaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef __linux__
#include <sched.h>
#include <sys/mount.h>
#endif

const QByteArray kPhoto = "[1,1,1,1,1,0,0,0,0,0,0,0,0]\n";
const QByteArray kVideo = "[1,2,1,1,0,0,0,0,0,0,0,0,0,]\n";
const QByteArray kGeneral = "[1,3,1,1,1,1,25,12,43,18,30,5,1,]\n";
const QByteArray kFirmware = "[2,FW001,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]\n";
const QByteArray kFullConfig = kPhoto + kVideo + kGeneral + kFirmware;
const QByteArray kLooseConfig = "[1,1, 1,1,1]\n[1,2, 1,1]\n[1,3, 1,1,1,1,25,12,43,18,30,5,1]\n"
                                "[2,FW001]\n";

const QByteArray kOtherConfig = "[1,1,3,3,4,0,0,0,0,0,0,0,0]\n"
                                "[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n"
                                "[1,3,2,3,1,3,1,6,50,10,11,12,2,]\n"
                                "[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n"
                                "[2,FW002,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]\n";

namespace {

// Each test process keeps its cameras' lock files in a private folder of its own, removed as it
// ends, instead of leaving one per camera it made in the user's lock folder. The programs it
// starts inherit the folder.
struct OwnLockFolder {
    QTemporaryDir folder;
    OwnLockFolder() {
        if (folder.isValid()) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path()));
        }
    }
} ownLockFolder;

} // namespace

CameraVolume::CameraVolume(const QByteArray& config, const QString& volumeName)
    : volumeName_(volumeName) {
    QDir(scratch_.path()).mkpath(volumeName_ + QStringLiteral("/vantorelle.app"));
    QDir(scratch_.path()).mkpath(volumeName_ + QStringLiteral("/DCIM"));
    setConfig(config);
}

QString CameraVolume::root() const {
    return scratch_.path() + QLatin1Char('/') + volumeName_;
}

QString CameraVolume::configPath() const {
    return root() + QStringLiteral("/ActionConfig");
}

std::string CameraVolume::startPath() const {
    return systemPath(root() + QStringLiteral("/vantorelle.app/vantorelle"));
}

QByteArray CameraVolume::config() const {
    QFile file(configPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void CameraVolume::setConfig(const QByteArray& bytes) const {
    QFile file(configPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

bool CameraVolume::removeConfig() const {
    return QFile::remove(configPath());
}

QStringList CameraVolume::entries() const {
    return QDir(root()).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QProcess* startVantorelle(const QStringList& arguments, QObject* parent,
                          const QString& runtimeFolder, const QString& program) {
    auto* process = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    if (!runtimeFolder.isEmpty()) {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    }
    process->setProcessEnvironment(environment);
    process->start(program.isEmpty() ? QStringLiteral(VANTORELLE_EXECUTABLE) : program, arguments);
    return process;
}

bool enterOwnMountNamespace() {
#ifdef __linux__
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
#else
    return false;
#endif
}

bool mountCard(const QString& mountPoint, const QByteArray& config) {
#ifdef __linux__
    const QTemporaryDir staging;
    const QByteArray path = QFile::encodeName(staging.path());
    if (::mount("camera", path.constData(), "tmpfs", 0, "size=1m,mode=0755") != 0) {
        return false;
    }
    QFile file(staging.filePath(QStringLiteral("ActionConfig")));
    const bool written = file.open(QIODevice::WriteOnly) && file.write(config) == config.size();
    file.close();
    return ::mount(path.constData(), QFile::encodeName(mountPoint).constData(), nullptr, MS_MOVE,
                   nullptr) == 0 &&
           written;
#else
    (void)mountPoint;
    (void)config;
    return false;
#endif
}

bool unmountCard(const QString& mountPoint, bool lazily) {
#ifdef __linux__
    return ::umount2(QFile::encodeName(mountPoint).constData(), lazily ? MNT_DETACH : 0) == 0;
#else
    (void)mountPoint;
    (void)lazily;
    return false;
#endif
}
