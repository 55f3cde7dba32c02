// Each step of a save failing with the errors a camera card gives, while the user clicks a
// setting in the real window, and a card that really is read-only or full: the camera's file
// stays byte for byte, no temporary file is left on the card, the window and the settings record
// go back to what the card holds, a notice names the cause, and the next good save removes it.
#include "reliability_support.h"

#include "blackscroller.h"
#include "config_io.h"

#include <QDir>
#include <QLabel>
#include <QTest>

#ifdef __linux__
#include <sys/mount.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

enum class Step { Create, Write, Sync, Close, Rename };

// The one fault the calls below inject, and what they have seen of it.
Step faultyStep = Step::Create;
int faultError = 0;
int faultsHit = 0;
int writeCalls = 0;
int temporaryFile = -1;

int fail() {
    ++faultsHit;
    errno = faultError;
    return -1;
}

const config_io::Ops& faultyCard() {
    static const config_io::Ops ops = [] {
        config_io::Ops o = config_io::systemOps();
        o.createExclusive = [](const char* path, unsigned mode) {
            if (faultyStep == Step::Create) {
                return fail();
            }
            temporaryFile = config_io::systemOps().createExclusive(path, mode);
            return temporaryFile;
        };
        // One byte at a time, failing at the second call: part of the new file is on the card
        // when the error comes.
        o.write = [](int fd, const void* buffer, std::size_t) -> std::ptrdiff_t {
            if (faultyStep == Step::Write && ++writeCalls == 2) {
                return fail();
            }
            return config_io::systemOps().write(fd, buffer, 1);
        };
        o.sync = [](int fd) {
            return faultyStep == Step::Sync ? fail() : config_io::systemOps().sync(fd);
        };
        // Only the new file's closing fails; the presence check before a save closes too.
        o.close = [](int fd) {
            const int result = config_io::systemOps().close(fd);
            return faultyStep == Step::Close && fd == temporaryFile ? fail() : result;
        };
        o.rename = [](const char* from, const char* to) {
            return faultyStep == Step::Rename ? fail() : config_io::systemOps().rename(from, to);
        };
        return o;
    }();
    return ops;
}

// Written loosely by hand: the save that finally succeeds rewrites every line canonically, so
// the file staying as it is proves that no failed save touched it.
const QByteArray kLooseConfig = "[1,1, 1,1,1]\n"
                                "[1,2, 1,1]\n"
                                "[1,3, 1,1,1,1,25,12,43,18,30,5,1]\n"
                                "[2,FW001]\n";

const QByteArray kPhoto = "[1,1,1,1,1,0,0,0,0,0,0,0,0]\n";
const QByteArray kVideo = "[1,2,1,1,0,0,0,0,0,0,0,0,0,]\n";
const QByteArray kGeneral = "[1,3,1,1,1,1,25,12,43,18,30,5,1,]\n";
const QByteArray kFirmware = "[2,FW001,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]\n";

BlackScroller* button(const Tavik_CamAppDelegate& program, const QString& name) {
    return program.window()->findChild<BlackScroller*>(name);
}

bool onlySelected(const Tavik_CamAppDelegate& program, const char* chosen, const char* other) {
    return button(program, QLatin1String(chosen))->ifSelect() &&
           !button(program, QLatin1String(other))->ifSelect();
}

const QLabel* saveNotice(const Tavik_CamAppDelegate& program) {
    return program.window()->findChild<QLabel*>(QStringLiteral("saveNotice"));
}

// One setting of each kind of page, reset all and the format request: how to reach it, the click
// whose save fails, how the window and the record show the value the card still holds, a later
// click on the same line and the file it writes.
struct Choice {
    const char* name;
    const char* page;
    void (*prepare)(const Ui::VantorelleWindow& ui);
    const char* click;
    bool (*showsStored)(const Tavik_CamAppDelegate& program);
    const char* nextClick;
    QByteArray expected;
};

const Choice kChoices[] = {
    {"photo resolution", "buttonPhotoUI", nullptr, "button3MP",
     [](const Tavik_CamAppDelegate& p) {
         return p.settings().photoResolution == 1 && onlySelected(p, "button16MP", "button3MP");
     },
     // Another line next: the refused change must not ride along with it.
     "buttonNTSC", kPhoto + kVideo + "[1,3,2,1,1,1,25,12,43,18,30,5,1,]\n" + kFirmware},
    {"full HD resolution", "buttonVideoUI", nullptr, "button960P",
     [](const Tavik_CamAppDelegate& p) {
         return p.settings().FHDResolution == 1 && onlySelected(p, "button1080P", "button960P");
     },
     "button720P30", kPhoto + "[1,2,1,2,0,0,0,0,0,0,0,0,0,]\n" + kGeneral + kFirmware},
    {"TV system", nullptr, nullptr, "buttonNTSC",
     [](const Tavik_CamAppDelegate& p) {
         return p.settings().tvType == 1 && onlySelected(p, "buttonPAL", "buttonNTSC");
     },
     "button60HZ", kPhoto + kVideo + "[1,3,1,1,1,2,25,12,43,18,30,5,1,]\n" + kFirmware},
    {"camera clock", "buttonAutoDateSet",
     [](const Ui::VantorelleWindow& ui) {
         ui.date->setDate(QDate(2030, 5, 6));
         ui.timePicker->setTime(QTime(7, 8, 9));
     },
     "buttonAutoDateOK",
     [](const Tavik_CamAppDelegate& p) {
         const tagSetting& s = p.settings();
         return s.year == 2013 && s.month == 12 && s.date == 25 && s.hour == 18 && s.minute == 30 &&
                s.second == 5 && p.widgets().date->date() == QDate(2013, 12, 25) &&
                p.widgets().timePicker->time() == QTime(18, 30, 5);
     },
     "buttonNTSC", kPhoto + kVideo + "[1,3,2,1,1,1,25,12,43,18,30,5,1,]\n" + kFirmware},
    {"reset all", nullptr, nullptr, "buttonAutoResetAll",
     [](const Tavik_CamAppDelegate& p) {
         return p.settings().photoResolution == 1 && p.settings().autoRot == 1 &&
                onlySelected(p, "buttonPAL", "buttonNTSC") &&
                onlySelected(p, "buttonAutoRotOff", "buttonAutoRotOn");
     },
     "buttonAutoResetAll",
     "[1,1,2,1,1,0,0,0,0,0,0,0,0]\n[1,2,1,1,0,0,0,0,0,0,0,0,0,]\n"
     "[1,3,2,2,1,1,25,12,43,18,30,5,2,]\n" +
         kFirmware},
    {"format request", nullptr, nullptr, "buttonAutoFormatOK",
     [](const Tavik_CamAppDelegate& p) { return !p.widgets().buttonCancelFormat->isVisible(); },
     "buttonAutoFormatOK",
     kPhoto + kVideo + kGeneral + kFirmware + "[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n"},
};

// What the notice says first for the error a save failed with.
QString causeOf(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("The card is full.");
    case EROFS:
        return QStringLiteral("The card is write-protected.");
    default:
        return QStringLiteral("The card could not be written.");
    }
}

int savesFailed = 0;

} // namespace

class WindowSaveFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void aFailedSaveShowsTheStoredValueAndWhy_data();
    void aFailedSaveShowsTheStoredValueAndWhy();
    void aReadOnlyOrFullCardRefusesTheSave_data();
    void aReadOnlyOrFullCardRefusesTheSave();
    void cleanupTestCase();
};

void WindowSaveFaultsTest::aFailedSaveShowsTheStoredValueAndWhy_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("error");
    const struct {
        Step step;
        const char* name;
    } steps[] = {{Step::Create, "create"},
                 {Step::Write, "write"},
                 {Step::Sync, "sync"},
                 {Step::Close, "close"},
                 {Step::Rename, "rename"}};
    const struct {
        int error;
        const char* name;
    } errors[] = {{ENOSPC, "ENOSPC"}, {EROFS, "EROFS"}, {EIO, "EIO"}, {ENOENT, "ENOENT"}};
    for (int c = 0; c < static_cast<int>(std::size(kChoices)); ++c) {
        for (const auto& step : steps) {
            for (const auto& error : errors) {
                QTest::addRow("%s, %s fails with %s", kChoices[c].name, step.name, error.name)
                    << c << static_cast<int>(step.step) << error.error;
            }
        }
    }
}

void WindowSaveFaultsTest::aFailedSaveShowsTheStoredValueAndWhy() {
    QFETCH(int, choice);
    QFETCH(int, step);
    QFETCH(int, error);
    const Choice& c = kChoices[choice];
    const CameraVolume volume(kLooseConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);
    if (c.page != nullptr) {
        clickButton(button(*program, QLatin1String(c.page)));
    }
    if (c.prepare != nullptr) {
        c.prepare(program->widgets());
    }

    faultyStep = static_cast<Step>(step);
    faultError = error;
    faultsHit = 0;
    writeCalls = 0;
    temporaryFile = -1;
    {
        const config_io::ScopedOps card(faultyCard());
        clickButton(button(*program, QLatin1String(c.click)));
    }
    QCOMPARE(faultsHit, 1);
    QCOMPARE(volume.config(), kLooseConfig);
    QCOMPARE(volumeEntries(volume), untouchedVolumeEntries());
    QVERIFY(c.showsStored(*program));
    QVERIFY(saveNotice(*program)->isVisible());
    QVERIFY2(saveNotice(*program)->text().startsWith(causeOf(error)),
             qPrintable(saveNotice(*program)->text()));
    QVERIFY(program->window()->isVisible());
    ++savesFailed;

    clickButton(button(*program, QLatin1String(c.nextClick)));
    QCOMPARE(volume.config(), c.expected);
    QCOMPARE(volumeEntries(volume), untouchedVolumeEntries());
    QVERIFY(!saveNotice(*program)->isVisible());
}

void WindowSaveFaultsTest::aReadOnlyOrFullCardRefusesTheSave_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("remounted read-only") << true;
    QTest::newRow("full") << false;
}

// A real card: a small tmpfs mounted as the camera's volume, then made read-only or filled
// while the window is open.
void WindowSaveFaultsTest::aReadOnlyOrFullCardRefusesTheSave() {
#ifdef __linux__
    QFETCH(bool, readOnly);
    const CameraVolume volume(QByteArray{});
    const QByteArray root = QFile::encodeName(volume.root());
    const char* options = "size=64k";
    if (::mount("tmpfs", root.constData(), "tmpfs", 0, options) != 0) {
        QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs as the card (%1); needs root")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)))));
    }
    const struct Unmount {
        const QByteArray& path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{root};
    QVERIFY(QDir(volume.root()).mkpath(QStringLiteral("vantorelle.app")));
    volume.setConfig(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);

    const QString filler = volume.root() + QStringLiteral("/filler");
    if (readOnly) {
        QCOMPARE(::mount("tmpfs", root.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, options), 0);
    } else {
        QFile fill(filler);
        QVERIFY(fill.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }
    clickButton(program->widgets().buttonNTSC);
    QCOMPARE(volume.config(), kFullConfig);
    QCOMPARE(program->settings().tvType, 1);
    QVERIFY(program->widgets().buttonPAL->ifSelect() && !program->widgets().buttonNTSC->ifSelect());
    QVERIFY(saveNotice(*program)->isVisible());
    QVERIFY2(saveNotice(*program)->text().startsWith(causeOf(readOnly ? EROFS : ENOSPC)),
             qPrintable(saveNotice(*program)->text()));

    if (readOnly) {
        QCOMPARE(::mount("tmpfs", root.constData(), "tmpfs", MS_REMOUNT, options), 0);
    } else {
        QVERIFY(QFile::remove(filler));
    }
    clickButton(program->widgets().buttonNTSC);
    QCOMPARE(lineStartingWith(volume.config(), "[1,3,"),
             QByteArray("[1,3,2,1,1,1,25,12,43,18,30,5,1,]"));
    QVERIFY(!saveNotice(*program)->isVisible());
#else
    QSKIP("mounting a card is tried on Linux only");
#endif
}

void WindowSaveFaultsTest::cleanupTestCase() {
    std::printf("save faults injected through the window: %d (5 steps x 4 errors x %d actions), "
                "old file intact, no temporary file, the stored value shown with its cause and "
                "the notice gone after the next good save\n",
                savesFailed, static_cast<int>(std::size(kChoices)));
}

QTEST_MAIN(WindowSaveFaultsTest)
#include "window_save_faults_test.moc"
