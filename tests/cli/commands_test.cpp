// The commands, run in the test's own process as main runs them, without a display: what they
// print, their status, and what each camera's file holds afterwards. Every test with several
// cameras starts them from values that differ from each other and from the one set.
#include "camera_volume.h"
#include "camerapaths.h"
#include "commandline.h"
#include "commands.h"
#include "faulty_card.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTest>

#include <cstdio>
#include <thread>
#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

bool canMount = false;

struct Run {
    int status = -1;
    QString out;
    QString err;
    bool operator==(const Run&) const = default;
};

QString readBack(std::FILE* file) {
    QFile read;
    read.open(file, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    read.seek(0);
    return QString::fromLocal8Bit(read.readAll());
}

// The command with standard input `in` (a file holding `input` when none is given) and
// standard output `out` (a file read back when none is given).
Run run(const QStringList& arguments, const QByteArray& input = {}, std::FILE* in = nullptr,
        std::FILE* out = nullptr) {
    const CommandLine command = readCommandLine(QStringList{"vantorelle"} + arguments);
    if (command.exit) {
        return {command.status, command.output, command.error};
    }
    std::FILE* inFile = in != nullptr ? in : std::tmpfile();
    std::FILE* outFile = out != nullptr ? out : std::tmpfile();
    std::FILE* err = std::tmpfile();
    if (in == nullptr) {
        std::fwrite(input.constData(), 1, std::size_t(input.size()), inFile);
        std::rewind(inFile);
    }
    const int status = runCommand(command, inFile, outFile, err);
    if (in == nullptr) {
        std::fclose(inFile);
    }
    return {status, out == nullptr ? readBack(outFile) : QString(), readBack(err)};
}

// `get`'s lines without the camera's own clock and firmware.
QString settingsOnly(const QString& get) {
    QStringList lines = get.split(QLatin1Char('\n'));
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("camera.")); });
    return lines.join(QLatin1Char('\n'));
}

QByteArray withLight(const QByteArray& config, const char* general, const char* changed) {
    return QByteArray(config).replace(general, changed);
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void getIntoApplyCopiesAProfile();
    void aCameraThatCannotTakeTheChangeFailsAlone_data();
    void aCameraThatCannotTakeTheChangeFailsAlone();
    void twoCommandsOnOneCameraKeepBothChanges();
    void aProfileIsReadToTheEndOfAPipe();
    void outputThatCannotBeWrittenFails();
    void namesFromTheCardAreEscaped();
    void usageErrorsWriteNothing_data();
    void usageErrorsWriteNothing();
    void connectedCamerasAreFoundListedAndChangedTogether();
    void reasonsAreSaidInTheUsersLanguage();
};

void CommandsTest::getIntoApplyCopiesAProfile() {
    const CameraVolume a(kFullConfig, QStringLiteral("A"));
    const CameraVolume b(kOtherConfig, QStringLiteral("B"));
    const Run get = run({"get", "--volume", a.root()});
    QCOMPARE(get.status, 0);
    QCOMPARE(get.out, QStringLiteral("photo.resolution=16MP\nphoto.mode=single\nphoto.interval=5\n"
                                     "video.fhd=1080P\nvideo.hd=720P60\ntv.system=PAL\n"
                                     "light.frequency=50Hz\nauto.power-off=1min\n"
                                     "auto.rotation=off\ncamera.clock=2013-12-25 18:30:05\n"
                                     "camera.firmware=FW001\n"));
    // The same keys and values as one JSON object, for scripts.
    const QJsonObject json =
        QJsonDocument::fromJson(run({"get", "--json", "--volume", a.root()}).out.toUtf8()).object();
    QStringList fromJson;
    for (auto it = json.begin(); it != json.end(); ++it) {
        fromJson << it.key() + '=' + it.value().toString();
    }
    QStringList lines = get.out.split('\n', Qt::SkipEmptyParts);
    lines.sort();
    QCOMPARE(fromJson, lines);
    const Run apply = run({"apply", "-", "--volume", b.root()}, get.out.toLocal8Bit());
    QCOMPARE(apply.status, 0);
    const QString copied = run({"get", "--volume", b.root()}).out;
    QCOMPARE(settingsOnly(copied), settingsOnly(get.out));
    // B keeps its own clock, firmware and format request.
    QVERIFY(copied.contains(QLatin1String("camera.clock=2020-06-01 10:11:12")));
    QVERIFY(copied.contains(QLatin1String("camera.firmware=FW002")));
    QVERIFY(b.config().contains("[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n"));
}

void CommandsTest::aCameraThatCannotTakeTheChangeFailsAlone_data() {
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("error");
    QTest::newRow("no video line")
        << QByteArray(kFullConfig).replace("[1,2,1,1,0,0,0,0,0,0,0,0,0,]\n", "") << false
        << "its ActionConfig has no video line, so video.fhd=960P cannot be set.";
    QTest::newRow("read-only file")
        << kFullConfig << true << "its ActionConfig is write-protected.";
}

void CommandsTest::aCameraThatCannotTakeTheChangeFailsAlone() {
    QFETCH(QByteArray, config);
    QFETCH(bool, readOnly);
    QFETCH(QString, error);
    const CameraVolume a(kOtherConfig, QStringLiteral("A"));
    const CameraVolume c(config, QStringLiteral("C"));
    QFile file(c.configPath());
    if (readOnly) {
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
    const Run set =
        run({"set", "video.fhd=960P", "tv.system=PAL", "--volume", a.root(), "--volume", c.root()});
    QCOMPARE(set.status, 1);
    QCOMPARE(set.err,
             QStringLiteral("vantorelle: %1: %2\n").arg(QDir::toNativeSeparators(c.root()), error));
    QCOMPARE(c.config(), config);
    QCOMPARE(c.entries(), QStringList({"ActionConfig", "DCIM", "vantorelle.app"}));
    QVERIFY(a.config().contains("[1,3,1,3,"));
}

// Two commands change one camera at the same moment, the first one's flush slow as on a slow
// card: both changes are on the card after both have ended.
void CommandsTest::twoCommandsOnOneCameraKeepBothChanges() {
    const CameraVolume camera(kFullConfig);
    Run first;
    Run second;
    {
        std::thread other;
        const FaultyCard card(
            {Call::Sync, 0, 1, [&] {
                 other = std::thread([&] {
                     second = run({"set", "tv.system=NTSC", "--volume", camera.root()});
                 });
                 std::this_thread::sleep_for(std::chrono::milliseconds(300));
             }});
        first = run({"set", "video.fhd=960P", "--volume", camera.root()});
        other.join();
    }
    QCOMPARE(first.status, 0);
    QCOMPARE(second.status, 0);
    QCOMPARE(camera.config(), kPhoto + "[1,2,2,1,0,0,0,0,0,0,0,0,0,]\n" +
                                  "[1,3,2,1,1,1,25,12,43,18,30,5,1,]\n" + kFirmware);
}

// A pipe hands a profile over as its writer writes it, here with a pause between two lines.
void CommandsTest::aProfileIsReadToTheEndOfAPipe() {
    const CameraVolume camera(kFullConfig);
    int ends[2];
#ifdef _WIN32
    QCOMPARE(::_pipe(ends, 4096, _O_BINARY), 0);
#else
    QCOMPARE(::pipe(ends), 0);
#endif
    std::thread writer([&] {
        (void)!::write(ends[1], "video.fhd=960P\n", 15);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        (void)!::write(ends[1], "tv.system=NTSC\n", 15);
        ::close(ends[1]);
    });
    std::FILE* in = ::fdopen(ends[0], "r");
    const Run apply = run({"apply", "-", "--volume", camera.root()}, {}, in);
    writer.join();
    std::fclose(in);
    QVERIFY2(apply.status == 0, qPrintable(apply.err));
    QCOMPARE(camera.config(), kPhoto + "[1,2,2,1,0,0,0,0,0,0,0,0,0,]\n" +
                                  "[1,3,2,1,1,1,25,12,43,18,30,5,1,]\n" + kFirmware);
}

void CommandsTest::outputThatCannotBeWrittenFails() {
    const CameraVolume camera(kFullConfig);
    std::FILE* full = std::fopen("/dev/full", "w");
    if (full == nullptr) {
        QSKIP("this system has no /dev/full");
    }
    const Run get = run({"get", "--volume", camera.root()}, {}, nullptr, full);
    std::fclose(full);
    QCOMPARE(get.status, 1);
    QCOMPARE(get.err, QStringLiteral("vantorelle: standard output could not be written: No space "
                                     "left on device.\n"));
}

// A folder named with a terminal's escape sequences and a line break, and a firmware version
// that turns the direction of text: printed escaped, in settings and in messages alike.
void CommandsTest::namesFromTheCardAreEscaped() {
#ifdef _WIN32
    QSKIP("Windows does not let a folder's name hold control characters");
#endif
    const CameraVolume camera(QByteArray(kFullConfig).replace("FW001", "\xc2\x9b\xe2\x80\xae"),
                              QStringLiteral("A\x1b]0;owned\x07\nB"));
    const QString shown =
        camera.root().section(QLatin1Char('/'), 0, -2) + QStringLiteral("/A\\033]0;owned\\007\\nB");
    QVERIFY(
        run({"get", "--volume", camera.root()}).out.endsWith("camera.firmware=\\u009B\\u202E\n"));
    const Run set =
        run({"set", "video.fhd=960P", "--volume", camera.root(), "--volume", "/\x1b[2J"});
    QCOMPARE(set.err, QStringLiteral("vantorelle: /\\033[2J is no camera: it holds no readable "
                                     "ActionConfig.\n"));
    camera.setConfig(kGeneral);
    QCOMPARE(run({"set", "video.fhd=960P", "--volume", camera.root()}).err,
             QStringLiteral("vantorelle: %1: its ActionConfig has no video line, so "
                            "video.fhd=960P cannot be set.\n")
                 .arg(shown));
}

void CommandsTest::usageErrorsWriteNothing_data() {
    QTest::addColumn<QStringList>("arguments"); // both camera folders are added after a command
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("error"); // part of the error output
    const auto row = [](const char* name, const QStringList& arguments, const QString& error,
                        const QByteArray& input = {}) {
        QTest::newRow(name) << arguments << input << error;
    };
    row("unknown option", {"--bogus"}, "vantorelle: Unknown option 'bogus'.");
    row("window of two", {"--volume", "/", "--volume", "/tmp"},
        "The window shows one camera: give --volume once.");
    row("volume without value", {"--volume"}, "Missing value after '--volume'.");
    row("volume without camera", {"--volume", "/nonexistent"},
        "vantorelle: " + QDir::toNativeSeparators("/nonexistent") +
            " is no camera: it holds no readable ActionConfig.\n");
    row("unknown key", {"set", "tv.system=NTSC", "tv.sistem=PAL"}, "tv.sistem: no such setting");
    row("burst with VGA", {"set", "photo.mode=burst", "photo.resolution=VGA"},
        "burst shoots at 5MP only");
    row("bad profile line", {"apply", "-"},
        "standard input: line 2: photo.mode=panorama: the value is one of",
        "tv.system=NTSC\nphoto.mode=panorama\n");
    row("empty profile", {"apply", "-"}, "standard input holds no settings", "\n");
    row("unreadable profile", {"apply", "/nonexistent/profile"},
        "/nonexistent/profile cannot be read");
    row("unknown command", {"reset"}, "Unknown command: reset");
    row("missing argument", {"apply"}, "Wrong number of arguments for apply");
    row("argument too many", {"sync-clock", "now"}, "Wrong number of arguments for sync-clock");
    row("list of one", {"list", "A"}, "Wrong number of arguments for list");
    row("list of some", {"list", "--all"}, "list looks for the cameras itself");
    row("get of two", {"get", "--all"}, "get takes one");
    row("JSON of a change", {"set", "--json", "tv.system=NTSC"}, "--json goes with list or get");
}

void CommandsTest::usageErrorsWriteNothing() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, error);
    const CameraVolume a(kFullConfig, QStringLiteral("A"));
    const CameraVolume b(kOtherConfig, QStringLiteral("B"));
    if (!arguments.first().startsWith(QLatin1Char('-')) &&
        !arguments.contains(QLatin1String("--all"))) {
        arguments << "--volume" << a.root() << "--volume" << b.root();
    }
    const Run command = run(arguments, input);
    QCOMPARE(command.status, 2);
    QVERIFY2(command.err.contains(error), qPrintable(command.err));
    QCOMPARE(command.out, QString());
    QCOMPARE(a.config(), kFullConfig);
    QCOMPARE(b.config(), kOtherConfig);
}

// Two cards mounted as a desktop mounts them, found without being named.
void CommandsTest::connectedCamerasAreFoundListedAndChangedTogether() {
    if (!canMount) {
        QSKIP("mounting is not permitted here: the --all and list tests need two mounted cards");
    }
    const CameraVolume a(kFullConfig, QStringLiteral("A"));
    // Mounted where a line break would make a second entry of list.
    const CameraVolume b(kOtherConfig, QStringLiteral("B\n/tmp/X\tFW003\t1 KiB"));
    const auto unmount = qScopeGuard([&] {
        for (const CameraVolume* camera : {&a, &b}) {
            unmountCard(camera->root());
        }
    });
    const Run none = run({"list"});
    if (!none.out.isEmpty()) {
        QSKIP("another camera is connected to this computer: --all would change it too");
    }
    QCOMPARE(none, (Run{1, {}, "vantorelle: No camera is connected.\n"}));
    for (const CameraVolume* camera : {&a, &b}) {
        QVERIFY(mountCard(camera->root(), camera->config()));
    }
    const Run list = run({"list"});
    QCOMPARE(list.status, 0);
    const QStringList rows = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (rows.size() != 2) {
        QSKIP("another camera is connected to this computer: --all would change it too");
    }
    QVERIFY2(rows[0].startsWith(a.root() + QStringLiteral("\tFW001\t")), qPrintable(list.out));
    QVERIFY2(rows[1].startsWith(printable(b.root()) + QStringLiteral("\tFW002\t")),
             qPrintable(list.out));
    QVERIFY2(rows[1].endsWith(QLatin1String(" KiB")), qPrintable(list.out)); // free of 1 MiB
    const QJsonArray json = QJsonDocument::fromJson(run({"list", "--json"}).out.toUtf8()).array();
    QCOMPARE(json.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QJsonObject camera = json[i].toObject();
        QCOMPARE(camera["folder"].toString(), (i == 0 ? a : b).root());
        QCOMPARE(camera["firmware"].toString(), i == 0 ? "FW001" : "FW002");
        QCOMPARE(camera["formatRequest"].toBool(), i == 1); // kOtherConfig holds one
        QCOMPARE(camera["bytesTotal"].toInteger(), 1 << 20);
    }

    const Run ambiguous = run({"get"});
    QCOMPARE(ambiguous.status, 2);
    QCOMPARE(ambiguous.out, QString());
    // get takes one camera: its hint offers nothing else.
    QVERIFY2(ambiguous.err.startsWith("vantorelle: 2 cameras are connected; name one with "
                                      "--volume:\n"),
             qPrintable(ambiguous.err));
    QVERIFY2(ambiguous.err.endsWith(list.out), qPrintable(ambiguous.err));

    QCOMPARE(run({"set", "light.frequency=60Hz", "--all"}).status, 0);
    QCOMPARE(a.config(), withLight(kFullConfig, "[1,3,1,1,1,1,", "[1,3,1,1,1,2,"));
    QCOMPARE(b.config(), withLight(kOtherConfig, "[1,3,2,3,1,3,", "[1,3,2,3,1,2,"));

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QCOMPARE(run({"sync-clock", "--all"}).status, 0);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    for (const CameraVolume* camera : {&a, &b}) {
        const QString get = run({"get", "--volume", camera->root()}).out;
        const QDateTime stored = QDateTime::fromString(
            get.section(QLatin1String("camera.clock="), 1).left(19), "yyyy-MM-dd HH:mm:ss");
        QVERIFY2(stored >= before && stored <= after, qPrintable(stored.toString()));
    }
}

// The settings library's reasons come in English; every one of them reaches a German user in
// German, around the words the user typed.
void CommandsTest::reasonsAreSaidInTheUsersLanguage() {
    const CameraVolume camera(kFullConfig);
    const auto reasons = [&] {
        QStringList said;
        for (const char* wrong :
             {"tv.system", "tv.sistem=PAL", "tv.system=SECAM", "camera.firmware=X",
              "camera.clock=today", "camera.clock=2020-02-30 10:00:00",
              "camera.clock=2040-01-01 10:00:00"}) {
            said << run({"set", wrong, "--volume", camera.root()}).err;
        }
        return said << run({"set", "photo.mode=burst", "photo.resolution=VGA"}).err
                    << run({"apply", "-", "--volume", camera.root()}, QByteArray("\0\n", 2)).err
                    << run({"apply", "-", "--volume", camera.root()},
                           "tv.system=PAL\ntv.system=PAL")
                           .err;
    };
    const QStringList english = reasons();
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    installTranslations();
    QLocale::setDefault(previous);
    const QStringList german = reasons();
    for (qsizetype i = 0; i < german.size(); ++i) {
        QVERIFY2(german[i] != english[i], qPrintable(german[i]));
    }
    QVERIFY2(german[1].startsWith("vantorelle: tv.sistem: "), qPrintable(german[1]));
    QCOMPARE(camera.config(), kFullConfig);
}

int main(int argc, char* argv[]) {
    canMount = enterOwnMountNamespace();
    QCoreApplication app(argc, argv);
    CommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "commands_test.moc"
