// A camera's volume for the tests of every layer: a scratch folder or a mounted card holding
// ActionConfig, the files of cameras with every kind of line, and the program run as a process.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

// A camera volume: <scratch>/<volumeName>/ActionConfig, DCIM and the program in vantorelle.app.
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
    // The names in the volume's root folder, hidden ones (a left-over temporary file) too.
    QStringList entries() const;

  private:
    QTemporaryDir scratch_;
    QString volumeName_;
};

// The program's executable (or a copy of it, `program`) started with `arguments`, without any
// display; its runtime folder (where its camera locks live) is `runtimeFolder` when given.
QProcess* startVantorelle(const QStringList& arguments, QObject* parent,
                          const QString& runtimeFolder = {}, const QString& program = {});

// Puts the test process into a mount namespace of its own, where the cards it mounts are
// invisible to the machine and vanish with the test, also when it is killed. True when it may
// mount there. Called first by main.
bool enterOwnMountNamespace();

// A camera's card: a fresh tmpfs holding `config` as its ActionConfig, moved onto `mountPoint`
// in one step, as a desktop mounts a card that is plugged in. False where mounting is not
// permitted.
bool mountCard(const QString& mountPoint, const QByteArray& config);
// Unmounts what is mounted at `mountPoint`, lazily or as a desktop does (a busy card stays).
bool unmountCard(const QString& mountPoint, bool lazily = true);

// The file of a camera with every kind of line, and its lines.
extern const QByteArray kPhoto, kVideo, kGeneral, kFirmware, kFullConfig;
// A second camera that differs from kFullConfig in every setting and holds a format request.
extern const QByteArray kOtherConfig;
// kFullConfig written loosely by hand: any save rewrites every line canonically, so the file
// staying as it is proves that nothing was written.
extern const QByteArray kLooseConfig;
