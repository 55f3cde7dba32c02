// One window per camera: a second start of the program on a camera that already has a window
// brings that window to the front and ends. A lock file and a local server in the user's
// runtime folder, named after the camera's folder, tell the programs apart; nothing is
// written on the card.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class CameraLock : public QObject {
    Q_OBJECT

  public:
    explicit CameraLock(const QString& cameraRoot, QObject* parent = nullptr);
    ~CameraLock() override;

    // True when this program may open the camera. False when another program has it: that
    // program has been asked to bring its window to the front.
    bool acquire();

  signals:
    // Another start of the program asked for this camera's window.
    void raiseRequested();

  private:
    QString serverName_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};
