// The locks of a camera, kept outside its card in a folder only the user can reach:
// - CameraLock: one window per camera. A second start of the program on a camera whose window
//   is open asks that window to come to the front and ends;
// - SaveLock: the programs of ours that save one camera's file (windows and commands) take
//   turns.
// Nothing is written on the card.
#pragma once

#include <QFileSystemWatcher>
#include <QLockFile>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <memory>

// The user's private folder for the locks: the runtime folder's "vantorelle" (or, without a
// runtime folder, one of the temporary folder's own), a folder owned by the user that nobody
// else may enter (mode 0700, checked). Empty when there is no such folder: the program then
// goes on without locks rather than trust a folder another user may write to.
QString privateLockFolder();

// The name of a camera's locks: the same camera reached by two spellings of its path gets the
// same name.
QString cameraLockName(const QString& cameraRoot);

class CameraLock : public QObject {
    Q_OBJECT

  public:
    explicit CameraLock(const QString& cameraRoot, QObject* parent = nullptr);
    ~CameraLock() override;

    // True when this program may open the camera: it holds the camera now, or there is no
    // private folder for the lock, or the program holding it did not answer within a second.
    // False when another program has the camera's window and has been asked to bring it to the
    // front.
    bool acquire();

    // True when a program that is still running has this camera's window open.
    static bool isOpenElsewhere(const QString& cameraRoot);

  signals:
    // Another start of the program asked for this camera's window.
    void raiseRequested();

  private:
    void listen();
    void answerRequest();

    QString folder_;
    QString request_; // the file a second start puts beside the lock to ask for the window
    QString poke_;    // where a second start tells that it has put its request there
    std::unique_ptr<QLockFile> lock_;
#ifdef _WIN32
    QFileSystemWatcher watcher_;
#else
    // A FIFO: unlike a watch of the folder, it costs nothing to set up or to take down.
    int pokes_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
#endif
};

class SaveLock {
  public:
    explicit SaveLock(const QString& cameraRoot);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // Holds the lock for its lifetime when it could be had within `waitMs` (a program of ours
    // saving this camera holds it for a moment only); without it the save goes on regardless,
    // as the comparison before the rename still guards the file.
    class Hold {
      public:
        Hold(SaveLock& lock, int waitMs);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        SaveLock& lock_;
        bool held_;
    };

  private:
    bool lock(int waitMs);
    void unlock();

#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};
