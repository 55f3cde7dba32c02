// Whatever a card holds as ActionConfig, the whole program copes: it starts, or reports the
// missing camera when the file cannot be opened; it writes nothing before the user clicks; and
// one click writes either a well-formed file that a later start loads and saves back unchanged,
// or nothing at all when the file could not be loaded or the card refuses the write.
//
// The tests run as root in CI, where permission bits deny nothing: a file without read or
// write permission is simulated by the card's file calls refusing with EACCES (open for
// reading, creating the new file for writing).
#include "reliability_support.h"

#include "blackscroller.h"
#include "config_io.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <cstdio>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What stands at the place of ActionConfig.
enum Shape {
    RegularFile,
    FolderNamed, // a folder named ActionConfig
    Unreadable,  // opening for reading is refused
    Unwritable,  // creating the new file is refused
    FailingRead, // opens, but reading fails with an I/O error
};

Shape currentShape = RegularFile;
int savesDone = 0;

int refuse(int error) {
    errno = error;
    return -1;
}

// The card's file calls: every completed save counted, and the refusals of the shape in use.
const config_io::Ops& card() {
    static const config_io::Ops ops = [] {
        config_io::Ops o = config_io::systemOps();
        o.openRead = [](const char* path) {
            return currentShape == Unreadable ? refuse(EACCES)
                                              : config_io::systemOps().openRead(path);
        };
        o.createExclusive = [](const char* path, unsigned mode) {
            return currentShape == Unwritable ? refuse(EACCES)
                                              : config_io::systemOps().createExclusive(path, mode);
        };
        o.read = [](int fd, void* buffer, std::size_t size) -> std::ptrdiff_t {
            return currentShape == FailingRead ? refuse(EIO)
                                               : config_io::systemOps().read(fd, buffer, size);
        };
        o.rename = [](const char* from, const char* to) {
            const int result = config_io::systemOps().rename(from, to);
            savesDone += result == 0 ? 1 : 0;
            return result;
        };
        return o;
    }();
    return ops;
}

QByteArray randomBytes(int size, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(byte(random));
    }
    return bytes;
}

QByteArray repeatedTo(const QByteArray& pattern, qsizetype size) {
    QByteArray bytes;
    bytes.reserve(size);
    while (bytes.size() < size) {
        bytes += pattern;
    }
    bytes.truncate(size);
    return bytes;
}

QByteArray utf16WithByteOrderMark(const QByteArray& text) {
    QByteArray bytes = "\xff\xfe";
    for (const char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

QByteArray withNulEvery(QByteArray bytes, int step) {
    for (qsizetype i = step - 1; i < bytes.size(); i += step) {
        bytes[i] = '\0';
    }
    return bytes;
}

QByteArray hugeNumbers() {
    const QByteArray nines(300, '9');
    const QByteArray zeros(400, '0');
    return "[1,1," + nines + ",1,1,0,0,0,0,0,0,0,0]\n" + "[1,2,-" + nines + "," + nines + "]\n" +
           "[1,3," + zeros + "2,1,1,1,25,12,43,18,30,5,1,]\n" + "[1,3,0000000000000000000000002," +
           "1,1,1,25,12,43,18,30,5,1,]\n" + "[2," + nines + ",ActionCamera.bin]\n";
}

QByteArray manyLines(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        switch (i % 4) {
        case 0:
            bytes += "[1,1," + QByteArray::number(i % 4 + 1) + ",1,1,0,0,0,0,0,0,0,0]\n";
            break;
        case 1:
            bytes += "[1,2,1,1,0,0,0,0,0,0,0,0,0,]\n";
            break;
        case 2:
            bytes += "[1,3,1,1,1,1,25,12,43,18,30,5,1,]\n";
            break;
        default:
            bytes += "[2,FW" + QByteArray::number(i % 1000) + ",ActionCamera.bin,0,0,0,0,0,0,]\n";
            break;
        }
    }
    return bytes;
}

QByteArray longLines(int count, int length) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        QByteArray line = "[1,3,1,1,1,1,25,12,43,18,30,5,1,";
        while (line.size() < length - 1) {
            line += "0,";
        }
        line.truncate(length - 1);
        bytes += line + "]\n";
    }
    return bytes;
}

int filesTried = 0;
int started = 0;
int reportedMissing = 0;
int unchangedUntilClick = 0;
int clicksWroteWellFormed = 0;
int stableOnReload = 0;
int clicksWroteNothing = 0;

} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void startsThenOneClickWritesAWellFormedFileOrNothing_data();
    void startsThenOneClickWritesAWellFormedFileOrNothing();
    void aFifoPutInPlaceOfTheFileEndsTheProgram();
    void cleanupTestCase();
};

void HostileFilesTest::startsThenOneClickWritesAWellFormedFileOrNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("shape");
    QByteArray crOnly = kFullConfig;
    crOnly.replace('\n', '\r');
    QTest::newRow("the camera's own file") << kFullConfig << int{RegularFile};
    QTest::newRow("empty") << QByteArray() << int{RegularFile};
    QTest::newRow("one byte") << QByteArray("1") << int{RegularFile};
    QTest::newRow("only an opening bracket") << QByteArray("[") << int{RegularFile};
    QTest::newRow("binary junk") << randomBytes(4096, 20240309) << int{RegularFile};
    QTest::newRow("NUL bytes only") << QByteArray(512, '\0') << int{RegularFile};
    QTest::newRow("NUL bytes inside the lines") << withNulEvery(kFullConfig, 9) << int{RegularFile};
    QTest::newRow("10 MB") << repeatedTo(kFullConfig, 10 * 1024 * 1024) << int{RegularFile};
    QTest::newRow("line feeds only") << QByteArray(20000, '\n') << int{RegularFile};
    QTest::newRow("CR-only line ends") << crOnly << int{RegularFile};
    QTest::newRow("byte-order mark") << "\xef\xbb\xbf" + kFullConfig << int{RegularFile};
    QTest::newRow("UTF-16 with byte-order mark")
        << utf16WithByteOrderMark(kFullConfig) << int{RegularFile};
    QTest::newRow("numbers with hundreds of digits") << hugeNumbers() << int{RegularFile};
    QTest::newRow("every line twice") << kFullConfig + kFullConfig << int{RegularFile};
    QTest::newRow("500 lines") << manyLines(500) << int{RegularFile};
    QTest::newRow("200-character lines") << longLines(30, 200) << int{RegularFile};
    QTest::newRow("folder named ActionConfig") << QByteArray() << int{FolderNamed};
    QTest::newRow("no read permission") << kFullConfig << int{Unreadable};
    QTest::newRow("no write permission") << kFullConfig << int{Unwritable};
    QTest::newRow("read error part-way") << kFullConfig << int{FailingRead};
}

void HostileFilesTest::startsThenOneClickWritesAWellFormedFileOrNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, shape);
    const CameraVolume volume(bytes);
    if (shape == FolderNamed) {
        QVERIFY(volume.removeConfig());
        QVERIFY(QDir().mkdir(volume.configPath()));
    }
    currentShape = static_cast<Shape>(shape);
    savesDone = 0;
    const config_io::ScopedOps cardCalls(card());
    FakeDesktop desktop;
    auto program = startProgram(volume.startPath(), desktop);
    ++filesTried;

    if (shape == FolderNamed || shape == Unreadable) {
        QVERIFY(program == nullptr);
        QCOMPARE(desktop.alerts.size(), 1);
        QCOMPARE(desktop.alerts[0].informativeText,
                 QStringLiteral("Connection failed.  Please connect your camera."));
        QCOMPARE(savesDone, 0);
        QCOMPARE(volumeEntries(volume), untouchedVolumeEntries());
        QVERIFY(QFileInfo(volume.configPath()).isDir() || volume.config() == bytes);
        ++reportedMissing;
        return;
    }
    QVERIFY(program != nullptr);
    ++started;
    QVERIFY(desktop.alerts.isEmpty());
    QCOMPARE(program->settingsLoaded(), shape != FailingRead);

    // The presence watch looks at the file a few times; nothing is written before a click.
    const QSignalSpy ended(program.get(), &Tavik_CamAppDelegate::programEnded);
    QTest::qWait(150);
    QCOMPARE(ended.count(), 0);
    QCOMPARE(savesDone, 0);
    QCOMPARE(volume.config(), bytes);
    QCOMPARE(volumeEntries(volume), untouchedVolumeEntries());
    ++unchangedUntilClick;

    const auto& ui = program->widgets();
    const bool wasNtsc = program->settings().tvType == 2;
    BlackScroller* const choice = wasNtsc ? ui.buttonPAL : ui.buttonNTSC;
    BlackScroller* const other = wasNtsc ? ui.buttonNTSC : ui.buttonPAL;
    clickButton(choice);
    // A click the card refuses leaves the stored value shown.
    QCOMPARE(choice->ifSelect(), shape == RegularFile);
    QCOMPARE(other->ifSelect(), shape != RegularFile);
    QCOMPARE(volumeEntries(volume), untouchedVolumeEntries());
    if (shape != RegularFile) {
        QCOMPARE(savesDone, 0);
        QCOMPARE(volume.config(), bytes);
        ++clicksWroteNothing;
        return;
    }
    QCOMPARE(savesDone, 1);
    const QByteArray written = volume.config();
    const QString problem = shapeProblem(written);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    // A later start loads what was written; the other choice and back writes it again as it is.
    const QString choiceName = choice->objectName();
    const QString otherName = other->objectName();
    program.reset();
    const auto again = startProgram(volume.startPath(), desktop);
    QVERIFY(again != nullptr);
    clickButton(again->window()->findChild<BlackScroller*>(otherName));
    clickButton(again->window()->findChild<BlackScroller*>(choiceName));
    QCOMPARE(savesDone, 3);
    const QByteArray rewritten = volume.config();
    ++clicksWroteWellFormed;
    stableOnReload += rewritten == written ? 1 : 0;
    // These files hold a kind more than once. A click rewrites only the first line of its
    // kind; the copies after it are made equal to it at the next start, so the second round
    // differs from the first there and nowhere else.
    const QStringList repeatKinds{QStringLiteral("10 MB"), QStringLiteral("every line twice"),
                                  QStringLiteral("500 lines")};
    if (!repeatKinds.contains(QLatin1String(QTest::currentDataTag()))) {
        QCOMPARE(rewritten, written);
    }
}

void HostileFilesTest::aFifoPutInPlaceOfTheFileEndsTheProgram() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);
    const QSignalSpy ended(program.get(), &Tavik_CamAppDelegate::programEnded);
    // Renamed over the file, so that the file is never missing for the presence watch.
    const QByteArray fifo = QFile::encodeName(volume.root() + QStringLiteral("/fifo"));
    QCOMPARE(::mkfifo(fifo.constData(), 0644), 0);
    QCOMPARE(std::rename(fifo.constData(), QFile::encodeName(volume.configPath()).constData()), 0);
    // A presence check that waited for a writer would freeze the window for good: the alarm
    // ends the test instead.
    ::alarm(10);
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 2000);
    ::alarm(0);
    std::printf("FIFO in place of ActionConfig: program ended after %lld ms\n", clock.elapsed());
    QVERIFY(desktop.alerts.isEmpty());
}

void HostileFilesTest::cleanupTestCase() {
    std::printf("hostile files tried: %d (%d started, %d reported as no camera), crashes: 0, "
                "files unchanged until a click: %d of %d, clicks that wrote a well-formed file: "
                "%d (%d of them written back unchanged after a reload), clicks that wrote "
                "nothing: %d\n",
                filesTried, started, reportedMissing, unchangedUntilClick, started,
                clicksWroteWellFormed, stableOnReload, clicksWroteNothing);
}

QTEST_MAIN(HostileFilesTest)
#include "hostile_files_test.moc"
