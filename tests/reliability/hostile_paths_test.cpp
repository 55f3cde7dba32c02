// Camera volumes whose names a shell would read as commands, quoting or several words, or that
// only look like other paths: on each the program finds ActionConfig beside its bundle, saves
// there, opens the volume's own media folder, and nothing in the name is ever run.
#include "reliability_support.h"

#include "blackscroller.h"
#include "camerapaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

// A shell that ran any part of a name would leave this file in its working folder.
const QString kMarker = QStringLiteral("pwned");

bool markerAnywhereUnder(const QString& folder) {
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (it.next().endsWith(QLatin1Char('/') + kMarker)) {
            return true;
        }
    }
    return false;
}

int volumesTried = 0;
int volumesUsed = 0;

} // namespace

class HostilePathsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void findsSavesAndBrowsesOnAnyVolumeName_data();
    void findsSavesAndBrowsesOnAnyVolumeName();
    void cleanupTestCase();

  private:
    // The program's working folder during the tests: a command hidden in a name would run here.
    QTemporaryDir workingFolder_;
    QString previousFolder_;
};

void HostilePathsTest::initTestCase() {
    QVERIFY(workingFolder_.isValid());
    previousFolder_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingFolder_.path()));
}

void HostilePathsTest::findsSavesAndBrowsesOnAnyVolumeName_data() {
    QTest::addColumn<QString>("volumeName");
    QTest::newRow("spaces") << "MY  CAM ERA ";
    QTest::newRow("quotes") << "it's \"mine\"";
    QTest::newRow("command substitution") << "$(touch pwned)";
    QTest::newRow("backticks") << "`touch pwned`";
    QTest::newRow("separators") << "a;touch pwned; b & touch pwned & c|touch pwned";
    QTest::newRow("newline") << "CAM\ntouch pwned\n";
    QTest::newRow("variables") << "$HOME ${IFS}x $0";
    QTest::newRow("glob and tilde") << "~ * ? [a-z] {a,b}";
    QTest::newRow("leading dash") << "-rf --help";
    QTest::newRow("backslashes") << "C:\\DCIM\\ \\n";
    QTest::newRow("percent escapes") << "100% %2F%00 #1?";
    QTest::newRow("non-ASCII") << QStringLiteral("Kamera \u00e9t\u00e9 \u6444\u50cf \U0001F4F7");
    QTest::newRow("longest name") << QString(85, QChar(0x6444)); // 255 bytes in UTF-8
    QTest::newRow("hostile parent folders") << "$(touch pwned)/`touch pwned`/;touch pwned/CAM";
    QTest::newRow("bundle name at the start of the volume name") << "vantorelle.app backup";
}

void HostilePathsTest::findsSavesAndBrowsesOnAnyVolumeName() {
    QFETCH(QString, volumeName);
    const CameraVolume volume(kFullConfig, volumeName);
    QVERIFY(QFileInfo(volume.configPath()).isFile());
    const QString scratch = volume.root().chopped(volumeName.size() + 1);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    ++volumesTried;
    QVERIFY(program != nullptr);
    QVERIFY(desktop.alerts.isEmpty());
    QCOMPARE(QFile::decodeName(QByteArray::fromStdString(configfile_path)), volume.configPath());
    QVERIFY(program->settingsLoaded());
    QCOMPARE(program->settings().photoResolution, 1);
    QCOMPARE(std::strcmp(program->settings().version, "FW001"), 0);

    clickButton(program->widgets().buttonNTSC);
    QCOMPARE(lineStartingWith(volume.config(), "[1,3,"),
             QByteArray("[1,3,2,1,1,1,25,12,43,18,30,5,1,]"));
    QCOMPARE(volumeEntries(volume), untouchedVolumeEntries());

    clickButton(program->widgets().buttonBrowse);
    QCOMPARE(desktop.opened.size(), 1);
    QVERIFY(desktop.opened[0].isLocalFile());
    QCOMPARE(desktop.opened[0].toLocalFile(), volume.root() + QStringLiteral("/DCIM"));

    QSignalSpy ended(program.get(), &Tavik_CamAppDelegate::programEnded);
    program->window()->close();
    QTRY_COMPARE(ended.count(), 1);
    QCOMPARE(entriesOf(workingFolder_.path()), QStringList());
    QVERIFY(!markerAnywhereUnder(scratch));
    ++volumesUsed;
}

void HostilePathsTest::cleanupTestCase() {
    QDir::setCurrent(previousFolder_);
    QCOMPARE(entriesOf(workingFolder_.path()), QStringList());
    std::printf("hostile volume names tried: %d, found, saved to and browsed on their own volume: "
                "%d, commands run from a name: 0\n",
                volumesTried, volumesUsed);
}

QTEST_MAIN(HostilePathsTest)
#include "hostile_paths_test.moc"
