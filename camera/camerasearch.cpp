#include "camerasearch.h"

#include "camerafile.h"
#include "cameralock.h"
#include "camerapaths.h"
#include "setting_choices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStorageInfo>

#include <cstring>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

MountWatch::MountWatch(QObject* parent) : QObject(parent) {
#ifdef Q_OS_LINUX
    mountTable_ = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (mountTable_ >= 0) {
        // A change of the mount table shows as an exceptional condition (POLLPRI) on this file.
        notifier_ = std::make_unique<QSocketNotifier>(mountTable_, QSocketNotifier::Exception);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &MountWatch::changed);
        return;
    }
#endif
    connect(&fallback_, &QTimer::timeout, this, &MountWatch::changed);
    fallback_.start(1000);
}

MountWatch::~MountWatch() {
    notifier_.reset();
#ifdef Q_OS_LINUX
    if (mountTable_ >= 0) {
        ::close(mountTable_);
    }
#endif
}

namespace {

// Folders where no camera's card is ever mounted but other programs keep making files.
bool mayHoldCard(const QString& root) {
    static const QStringList kBusy = {"/", "/tmp", "/var/tmp", "/run"};
    static const QStringList kSystem = {"/proc/", "/sys/", "/dev/", "/run/"};
    if (kBusy.contains(root)) {
        return false;
    }
    for (const QString& prefix : kSystem) {
        if (root.startsWith(prefix) && !root.startsWith(QLatin1String("/run/media/"))) {
            return false;
        }
    }
    return true;
}

} // namespace

VolumeSource::VolumeSource(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &VolumeSource::changed);
}

void VolumeSource::watch(const QStringList& roots) {
    QStringList wanted;
    for (const QString& root : roots) {
        if (mayHoldCard(root)) {
            wanted << root;
        }
    }
    const QStringList watched = watcher_.directories();
    if (watched == wanted) {
        return;
    }
    if (!watched.isEmpty()) {
        watcher_.removePaths(watched);
    }
    if (!wanted.isEmpty()) {
        watcher_.addPaths(wanted);
    }
}

MountedVolumes::MountedVolumes(QObject* parent) : VolumeSource(parent) {
    connect(&watch_, &MountWatch::changed, this, &VolumeSource::changed);
}

std::function<QStringList()> MountedVolumes::lookup() const {
    return &mountedVolumeRoots;
}

QStringList mountedVolumeRoots() {
    QStringList result;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (volume.isValid() && volume.isReady()) {
            result << volume.rootPath();
        }
    }
    return result;
}

GivenVolumes::GivenVolumes(QStringList roots, QObject* parent)
    : VolumeSource(parent), roots_(std::move(roots)) {
    // A given folder may be a mount point that a camera's card comes to.
    connect(&watch_, &MountWatch::changed, this, &VolumeSource::changed);
}

std::function<QStringList()> GivenVolumes::lookup() const {
    return [roots = roots_] { return roots; };
}

void GivenVolumes::setRoots(const QStringList& roots) {
    roots_ = roots;
    emit changed();
}

bool isCameraRoot(const QString& root) {
    return CameraFile::present(configPathOf(root));
}

QStringList findCameras(const QStringList& roots) {
    QStringList cameras;
    for (const QString& root : roots) {
        if (!root.isEmpty() && !cameras.contains(root) && isCameraRoot(root)) {
            cameras << root;
        }
    }
    return cameras;
}

QString cameraName(const QString& root, QString* label) {
    const QStorageInfo volume(root);
    // A volume is named by its label; one without a label, or a folder inside a volume, by its
    // folder (not by its whole path, which the details show).
    const QString name = volume.isValid() && volume.rootPath() == root ? volume.name() : QString();
    if (label != nullptr) {
        *label = name;
    }
    return name.isEmpty() ? QDir(root).dirName() : name;
}

CameraDetails describeCamera(const QString& root) {
    CameraDetails details;
    details.root = root;
    const QStorageInfo volume(root);
    details.name = cameraName(root, &details.label);
    if (volume.isValid() && volume.isReady()) {
        details.bytesFree = volume.bytesAvailable();
        details.bytesTotal = volume.bytesTotal();
    }
    CameraFile file(configPathOf(root));
    if (file.load()) {
        details.formatRequest = file.hasLine(kFormatLine);
        // As "get" prints it: a planted version cannot break a line of "list" or the chooser.
        details.firmware =
            QString::fromStdString(settingValueText(file.setting(), SettingKey::Firmware));
    }
    return details;
}

CameraSearch searchCameras(const std::function<QStringList()>& lookup) {
    CameraSearch search;
    search.roots = lookup();
    for (const QString& root : findCameras(search.roots)) {
        search.cameras << describeCamera(root);
        search.cameras.back().openElsewhere = CameraLock::isOpenElsewhere(root);
    }
    return search;
}
