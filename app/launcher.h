// The program installed on the computer: it finds the connected camera itself, waits for one
// when none is connected, lets the user choose when there are several, and goes back to
// waiting when the camera it shows goes away.
#pragma once

#include "camerafinder.h"
#include "cameralock.h"
#include "camerasearch.h"
#include "cardworker.h"
#include "desktopservices.h"
#include "tavik_camappdelegate.h"

#include <QObject>

#include <memory>

class CameraLauncher : public QObject {
    Q_OBJECT

  public:
    // `volumes` and `services` must outlive the launcher.
    CameraLauncher(VolumeSource* volumes, DesktopServices* services, QObject* parent = nullptr);
    ~CameraLauncher() override;

    // Looks for cameras and opens one, the chooser or the waiting window.
    void start();

    // The camera window being shown, or null while waiting or choosing.
    Tavik_CamAppDelegate* program() const { return program_.get(); }
    CameraFinder* finder() const { return finder_.get(); }

  signals:
    // The user ended the program, or another window already shows the camera: quit with
    // `status`.
    void finished(int status);

  private:
    // Looks for cameras on the worker's thread: a volume that does not answer never stops the
    // waiting window or the chooser.
    void lookAgain();
    void found(const CameraSearch& search);
    void open(const QString& root);
    void programEnded();

    CardWorker worker_;
    bool searching_ = false;
    bool searchAgain_ = false;
    VolumeSource* volumes_;
    DesktopServices* services_;
    std::unique_ptr<CameraFinder> finder_;
    std::unique_ptr<Tavik_CamAppDelegate> program_;
    std::unique_ptr<CameraLock> lock_;
    bool done_ = false;
};

// Opens the window: the camera beside the program when it was started from a camera's card,
// else the camera at `volume`, or the one connected (waiting for one, or letting the user
// choose). The program's exit status.
int runWindow(int argc, char* argv[], const QString& volume);

// The start path a program on the card of the camera at `root` would have; a camera found by
// the installed program is opened as if the program had been started from its card.
std::string cardStartPath(const QString& root);
