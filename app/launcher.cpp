#include "launcher.h"

#include "camerapaths.h"

#include <QFile>

std::string cardStartPath(const QString& root) {
    QString folder = configFileOf(root);
    folder.chop(int(std::char_traits<char>::length(kConfigFileName)));
    return QFile::encodeName(folder).toStdString() + kBundleMarker + "/vantorelle";
}

CameraLauncher::CameraLauncher(VolumeSource* volumes, DesktopServices* services, QObject* parent)
    : QObject(parent), volumes_(volumes), services_(services),
      finder_(std::make_unique<CameraFinder>()) {
    connect(volumes_, &VolumeSource::changed, this, &CameraLauncher::lookAgain);
    connect(finder_.get(), &CameraFinder::chosen, this, &CameraLauncher::open);
    connect(finder_.get(), &CameraFinder::quitRequested, this, [this] {
        done_ = true;
        emit finished(0);
    });
}

CameraLauncher::~CameraLauncher() = default;

void CameraLauncher::start() {
    lookAgain();
}

void CameraLauncher::lookAgain() {
    if (program_ != nullptr || done_) {
        return;
    }
    const QStringList cameras = findCameras(volumes_->roots());
    if (cameras.size() == 1) {
        open(cameras.front());
    } else if (cameras.isEmpty()) {
        if (!finder_->isVisible() || !finder_->isWaiting()) {
            finder_->showWaiting();
        }
    } else if (finder_->isWaiting() || !finder_->isVisible() || finder_->offered() != cameras) {
        QList<CameraDetails> details;
        for (const QString& root : cameras) {
            details << describeCamera(root);
        }
        finder_->showChoice(details);
    }
}

void CameraLauncher::open(const QString& root) {
    if (program_ != nullptr || done_) {
        return;
    }
    lock_ = std::make_unique<CameraLock>(root);
    if (!lock_->acquire()) {
        // Another window shows this camera and has been brought to the front.
        lock_.reset();
        done_ = true;
        finder_->hide();
        emit finished(0);
        return;
    }
    // The camera is named here, not derived from a start path: its folder's own name may be
    // anything, also that of the program's bundle.
    open_path = cardStartPath(root);
    configfile_path = QFile::encodeName(configFileOf(root)).toStdString();
    program_ = std::make_unique<Tavik_CamAppDelegate>(services_);
    connect(program_.get(), &Tavik_CamAppDelegate::programEnded, this,
            &CameraLauncher::programEnded, Qt::QueuedConnection);
    connect(lock_.get(), &CameraLock::raiseRequested, program_.get(),
            &Tavik_CamAppDelegate::bringToFront);
    finder_->hide();
    if (!program_->applicationDidFinishLaunching()) {
        // The camera went away between the search and the start (the user has been told).
        // Wait for the next change of the volumes rather than look again at once: a camera
        // that cannot be started would otherwise be tried over and over.
        program_.reset();
        lock_.reset();
        finder_->showWaiting();
    }
}

void CameraLauncher::programEnded() {
    if (program_ == nullptr) {
        return;
    }
    const bool cameraGone = program_->cameraWentAway();
    program_.reset();
    lock_.reset();
    if (!cameraGone) {
        done_ = true;
        emit finished(0);
        return;
    }
    lookAgain();
}
