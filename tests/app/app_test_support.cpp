#include "app_test_support.h"

#include "blackscroller.h"
#include "camerapaths.h"

#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QTest>

const QByteArray kFullConfig = "[1,1,1,1,1,0,0,0,0,0,0,0,0]\n"
                               "[1,2,1,1,0,0,0,0,0,0,0,0,0,]\n"
                               "[1,3,1,1,1,1,25,12,43,18,30,5,1,]\n"
                               "[2,FW001,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]\n";

int FakeDesktop::runAlert(QWidget*, const AlertRequest& alert) {
    alerts.append(alert);
    if (answers.empty()) {
        return kDefaultButton;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeDesktop::openUrl(const QUrl& url) {
    opened.append(url);
}

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
    return QFile::encodeName(root() + QStringLiteral("/vantorelle.app/vantorelle")).toStdString();
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

std::unique_ptr<Tavik_CamAppDelegate> startProgram(const std::string& startPath,
                                                   FakeDesktop& desktop) {
    open_path = startPath;
    configfile_path.clear();
    auto program = std::make_unique<Tavik_CamAppDelegate>(&desktop);
    if (!program->applicationDidFinishLaunching()) {
        return nullptr;
    }
    return program;
}

void hover(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QEnterEvent event(centre, widget->mapTo(widget->window(), centre), widget->mapToGlobal(centre));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

void clickButton(BlackScroller* button) {
    hover(button);
    QTest::mouseClick(button, Qt::LeftButton);
    leave(button);
}
