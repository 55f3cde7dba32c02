// Shared pieces of the window tests: a camera volume in a scratch folder, a desktop whose
// alerts, opened addresses and clock the test controls, and a started controller.
#pragma once

#include "desktopservices.h"
#include "tavik_camappdelegate.h"
#include "ui_vantorelle.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <deque>
#include <memory>

class BlackScroller;

// Answers alerts from a queue (the default button when it runs dry) and records everything.
class FakeDesktop : public DesktopServices {
  public:
    int runAlert(QWidget* parent, const AlertRequest& alert) override;
    void openUrl(const QUrl& url) override;
    QDateTime now() override { return clock; }

    std::deque<int> answers;
    QList<AlertRequest> alerts;
    QList<QUrl> opened;
    QDateTime clock{QDate(2024, 3, 9), QTime(14, 5, 30)};
};

// A camera volume: <scratch>/<volumeName>/ActionConfig and the program in vantorelle.app.
class CameraVolume {
  public:
    explicit CameraVolume(const QByteArray& config,
                          const QString& volumeName = QStringLiteral("CAMERA"));

    QString root() const;
    QString configPath() const;
    // The start path of a program installed on this volume.
    std::string startPath() const;
    QByteArray config() const;
    void setConfig(const QByteArray& bytes) const;
    bool removeConfig() const;

  private:
    QTemporaryDir scratch_;
    QString volumeName_;
};

// A controller started on `volume` with `desktop`; null when start-up reported no camera.
std::unique_ptr<Tavik_CamAppDelegate> startProgram(const std::string& startPath,
                                                   FakeDesktop& desktop);

// Pointer entering and leaving a widget, as real enter and leave events.
void hover(QWidget* widget);
void leave(QWidget* widget);
// A left click in the middle of a button, pointer entering before and leaving after.
void clickButton(BlackScroller* button);

// The file of a camera with every kind of line.
extern const QByteArray kFullConfig;
