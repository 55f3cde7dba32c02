#include "camerasearch.h"

#include "action_config.h"
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

MountedVolumes::MountedVolumes(QObject* parent) : VolumeSource(parent) {
    connect(&watch_, &MountWatch::changed, this, &VolumeSource::changed);
}

QStringList MountedVolumes::roots() const {
    return mountedVolumeRoots();
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

void GivenVolumes::setRoots(const QStringList& roots) {
    roots_ = roots;
    emit changed();
}

QString configFileOf(const QString& root) {
    QString folder = QDir::fromNativeSeparators(root);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    if (folder == QLatin1String("/")) {
        folder.clear();
    }
    return folder + QLatin1String(kConfigFileName);
}

bool isCameraRoot(const QString& root) {
    return canOpenConfig(QFile::encodeName(configFileOf(root)).toStdString());
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

CameraDetails describeCamera(const QString& root) {
    CameraDetails details;
    details.root = root;
    const QStorageInfo volume(root);
    // A volume is named by its label; one without a label, or a folder inside a volume, by its
    // folder (not by its whole path, which the details show).
    details.name = volume.isValid() && volume.rootPath() == root ? volume.name() : QString();
    if (details.name.isEmpty()) {
        details.name = QDir(root).dirName();
    }
    if (volume.isValid() && volume.isReady()) {
        details.bytesFree = volume.bytesAvailable();
    }
    ConfigLineArray lines;
    int32_t count = 0;
    if (readAllConfig(lines, count, QFile::encodeName(configFileOf(root)).toStdString()) == 0) {
        tagSetting setting{};
        getConfig(lines, count, setting);
        // As "get" prints it: a planted version cannot break a line of "list" or the chooser.
        details.firmware = QString::fromStdString(settingValueText(setting, SettingKey::Firmware));
    }
    return details;
}
