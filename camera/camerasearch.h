// Finding the connected cameras when the program is not started from a camera's card: a camera
// is a mounted volume whose root holds ActionConfig as a readable regular file.
#pragma once

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QSocketNotifier;

// Where cameras may be: the root folders of the mounted volumes, and news when they change.
class VolumeSource : public QObject {
    Q_OBJECT

  public:
    explicit VolumeSource(QObject* parent = nullptr);
    // Lists the roots; it may run on any thread, and may wait on a volume that does not answer.
    virtual std::function<QStringList()> lookup() const = 0;
    // Watches the folders of those of `roots` where a camera's card may be: a file coming or
    // going there (ActionConfig copied back onto a card that stayed mounted) is news too.
    void watch(const QStringList& roots);

  signals:
    // Volumes, or the files at their roots, may have come or gone: look again.
    void changed();

  private:
    QFileSystemWatcher watcher_;
};

// Tells when a volume is mounted or unmounted. On Linux the kernel reports every change of the
// mount table through /proc/self/mountinfo, so waiting costs no wake-ups at all; elsewhere the
// volumes are looked at once a second.
class MountWatch : public QObject {
    Q_OBJECT

  public:
    explicit MountWatch(QObject* parent = nullptr);
    ~MountWatch() override;

  signals:
    void changed();

  private:
    int mountTable_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_;
};

// The volumes the system has mounted.
class MountedVolumes : public VolumeSource {
    Q_OBJECT

  public:
    explicit MountedVolumes(QObject* parent = nullptr);
    std::function<QStringList()> lookup() const override;

  private:
    MountWatch watch_;
};

// A fixed list of folders: the one named on the command line, or a test's.
class GivenVolumes : public VolumeSource {
    Q_OBJECT

  public:
    explicit GivenVolumes(QStringList roots, QObject* parent = nullptr);
    std::function<QStringList()> lookup() const override;
    // Replaces the list and tells that it changed.
    void setRoots(const QStringList& roots);

  private:
    QStringList roots_;
    MountWatch watch_;
};

// The root folders of the volumes the system has mounted now.
QStringList mountedVolumeRoots();

// True when `root` holds ActionConfig as a readable regular file.
bool isCameraRoot(const QString& root);

// The roots among `roots` that are cameras, each once, in the order given.
QStringList findCameras(const QStringList& roots);

// What the chooser shows of a camera; unknown parts are empty or -1.
struct CameraDetails {
    QString root;
    QString name; // the volume's label, else the folder's name
    QString firmware;
    qint64 bytesFree = -1;
    QString label{}; // the volume's label; empty without one
    qint64 bytesTotal = -1;
    bool formatRequest = false; // the file asks the camera to format its card
    bool openElsewhere = false; // another start of the program has its window open
};

// Reads the firmware version from the camera's file and the free space of its volume.
CameraDetails describeCamera(const QString& root);

// How the camera at `root` is named to the user: its volume's label, else its folder's name.
// `label` gets the label alone (empty without one).
QString cameraName(const QString& root, QString* label = nullptr);

// One search: the roots looked at and the cameras among them, described.
struct CameraSearch {
    QStringList roots;
    QList<CameraDetails> cameras;
};
CameraSearch searchCameras(const std::function<QStringList()>& lookup);
