// Start-up, the camera presence watch and the end of the program.
#include "logging.h"
#include "tavik_camappdelegate.h"
#include "ui_vantorelle.h"

#include "blackscroller.h"
#include "camerapaths.h"
#include "camerasearch.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>

#include <cerrno>
#include <chrono>

namespace {

// Used when the file opened at the camera check but could not be loaded right after.
tagSetting startupDefaults() {
    tagSetting s{};
    s.photoResolution = 1;
    s.photoMode = 1;
    s.FHDResolution = 1;
    s.HDResolution = 1;
    s.tvType = 2;
    s.tvFre = 2;
    s.autoOffTime = 2;
    s.dateStamp = 1;
    s.year = 2013;
    s.month = 1;
    s.date = 1;
    s.isInit = 1;
    return s;
}

// The presence watch's period.
constexpr std::chrono::milliseconds kPresenceTick{100};
// A look at the card this long under way is a card that does not answer.
constexpr qint64 kSilentCardMs = 1000;
// A glance (a stat) this long is one of a file system that may wait: no more on this thread.
constexpr qint64 kSlowGlanceMs = 20;

qint64 steadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

bool Tavik_CamAppDelegate::applicationDidFinishLaunching() {
    qCDebug(lcApp, "open_path=%s", open_path.c_str());
    buildConfigPath();
    camera_ = std::make_unique<CameraFile>(configfile_path);
    cardWatch_ = std::make_shared<CardWatch>(configfile_path);
    if (!CameraFile::present(configfile_path)) {
        runAlert({.informativeText = tr("Connection failed.  Please connect your camera."),
                  .defaultButton = tr("OK")});
        window_->close();
        return false;
    }
    // Each camera's window names its camera, so that two can be told apart.
    window_->setWindowTitle(QStringLiteral("vantorelle \u2013 %1")
                                .arg(printable(cameraName(cameraRootOf(configfile_path)))));
    setUpFrame();
    startTimers();
    ui_->timeLipse->addItems({tr(" 5 sec"), tr(" 10 sec"), tr(" 30 sec"), tr(" 60 sec")});
    ui_->timeLipse->setCurrentIndex(-1);
    qCDebug(lcApp, "CONFIG_FILE_PATH=%s", configfile_path.c_str());
    loadSettings();
    showCameraDetails();
    settingValue.isInit = 1;
    initSelectButtonBK(&settingValue);
    showPhotoMode();
    window_->show();
    return true;
}

void Tavik_CamAppDelegate::buildConfigPath() {
    qCDebug(lcApp, "configfile_path=%s", open_path.c_str());
    // The installed program names the camera it found itself; a program started from a card
    // finds it beside its bundle.
    if (configfile_path.empty()) {
        configfile_path = configPathFor(open_path);
    }
}

void Tavik_CamAppDelegate::loadSettings() {
    // A file that cannot be loaded now is loaded when a look finds it readable; nothing is ever
    // saved from the defaults.
    settingValue = camera_->load() ? camera_->setting() : startupDefaults();
}

void Tavik_CamAppDelegate::startTimers() {
    // The clock's tick runs while its page is shown (switchToPage).
    connect(&dateTimer, &QTimer::timeout, this, &Tavik_CamAppDelegate::onTimer);
    detectUSBTimer.start(kPresenceTick, [this] { onUSBTimer(); });
    // The folder holding the file tells at once when the file goes or the volume is
    // unmounted; the tick above stays as the safety net for file systems without such news.
    volumeWatcher_.addPath(cameraFolder());
    connect(&volumeWatcher_, &QFileSystemWatcher::directoryChanged, this, [this] { lookAtCard(); });
}

// The presence watch, on the ticker's thread: a glance at the card at every tick, which costs a
// stat of its file; reading the file, when the glance says so, is the worker's. A read that has
// not come back after a second is a card that does not answer: the window says so, and goes on
// answering the user. A file system whose stat itself ever waits is glanced at from the
// worker's thread too, from then on, so that the tick goes on watching the reads.
void Tavik_CamAppDelegate::onUSBTimer() {
    if (*looksUnderWay_ > 0) {
        if (!cardSilent_ && steadyMs() - lookStartedMs_ >= kSilentCardMs) {
            cardSilent_ = true;
            QMetaObject::invokeMethod(
                this, [this] { showNotice(tr("The card is not responding.")); },
                Qt::QueuedConnection);
        }
        return;
    }
    if (cardSilent_) {
        cardSilent_ = false;
        QMetaObject::invokeMethod(
            this, [this] { ui_->saveNotice->hide(); }, Qt::QueuedConnection);
    }
    if (glanceOnWorker_) {
        lookAtCard(&CardWatch::lookNow);
        return;
    }
    const qint64 glanceStarted = steadyMs();
    const bool due = cardWatch_->glance();
    glanceOnWorker_ = steadyMs() - glanceStarted >= kSlowGlanceMs;
    if (due) {
        lookAtCard();
    }
}

// News from the card's folder is read at once, also while a tick's read is under way. Called on
// the window's thread and on the ticker's, which endProgram stops before `ending_` is set.
void Tavik_CamAppDelegate::lookAtCard(std::optional<CardLook> (CardWatch::*how)()) {
    if (ending_) {
        return;
    }
    if (looksUnderWay_->fetch_add(1) == 0) {
        lookStartedMs_ = steadyMs();
    }
    cardWorker_.run<CardLook>(
        [watch = cardWatch_, underWay = looksUnderWay_, how] {
            std::optional<CardLook> look = ((*watch).*how)();
            --*underWay;
            return look;
        },
        [this](CardLook look) { onLook(look); });
}

bool Tavik_CamAppDelegate::eventFilter(QObject* watched, QEvent* event) {
    // The program ends with its window, in this order: the window closes, then the warning.
    if (watched == window_.get() && event->type() == QEvent::Close && !ending_) {
        if (alertsOpen_ > 0) {
            // The alert's handler is still running: the end comes once it has returned.
            endAfterAlert_ = true;
        } else {
            QMetaObject::invokeMethod(this, &Tavik_CamAppDelegate::endProgram,
                                      Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void Tavik_CamAppDelegate::endProgram() {
    if (ending_) {
        return;
    }
    detectUSBTimer.stop();
    ending_ = true;
    applicationWillTerminate();
    emit programEnded();
}

void Tavik_CamAppDelegate::applicationWillTerminate() {
    if (!clockSyncRunning()) {
        return;
    }
    timer->stop();
    // The running clock was last stored up to a minute ago: store it once more while the
    // camera is still there, so the warning below tells the truth.
    if (CameraFile::present(configfile_path)) {
        storePickersAndSave();
    }
    runAlert({.messageText = tr("please disconnect your camera from PC immediately to ensure "
                                "the date&time is set correctly"),
              .defaultButton = tr("OK")});
}

void Tavik_CamAppDelegate::bringToFront() {
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
}

// The folder that holds the camera's settings file: the root of its card.
QString Tavik_CamAppDelegate::cameraFolder() {
    return cameraRootOf(configfile_path);
}

// The firmware version the file holds and the card's free space at start-up (the camera's own
// recordings happen while it is unplugged), each left out when unknown.
void Tavik_CamAppDelegate::showCameraDetails() {
    QStringList lines;
    if (settingValue.version[0] != '\0') {
        lines << tr("Firmware %1")
                     .arg(QString::fromLatin1(
                         settingValue.version,
                         qsizetype(qstrnlen(settingValue.version, sizeof settingValue.version))));
    }
    const QStorageInfo card(cameraFolder());
    if (card.isValid() && card.isReady() && card.bytesAvailable() >= 0) {
        lines << tr("%1 free on the card").arg(QLocale().formattedDataSize(card.bytesAvailable()));
    }
    ui_->cameraDetails->setText(lines.join(QLatin1Char('\n')));
    ui_->cameraDetails->setVisible(!lines.isEmpty());
}

int Tavik_CamAppDelegate::runAlert(const AlertRequest& alert) {
    ++alertsOpen_;
    const int answer = services_->runAlert(window_.get(), alert);
    --alertsOpen_;
    if (alertsOpen_ == 0 && endAfterAlert_) {
        endAfterAlert_ = false;
        QMetaObject::invokeMethod(this, &Tavik_CamAppDelegate::endProgram, Qt::QueuedConnection);
    }
    // The camera went away while the alert was open: whatever the answer, nothing follows.
    return cameraGone_ ? DesktopServices::kClosed : answer;
}
