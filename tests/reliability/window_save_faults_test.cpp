// Each step of a save failing with the errors a camera card gives, while the user clicks a
// setting in the real window: the camera's file stays byte for byte, no temporary file is left
// on the card, the window and the settings record keep the choice, and the next save that
// succeeds writes it.
#include "reliability_support.h"

#include "blackscroller.h"
#include "config_io.h"

#include <QTest>

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

// One setting of each kind of page: how to reach it, the click whose save fails, how the
// window and the record show that choice, a later click on the same line and the file it
// writes.
struct Choice {
    const char* name;
    const char* page;
    void (*prepare)(const Ui::VantorelleWindow& ui);
    const char* click;
    bool (*kept)(const Tavik_CamAppDelegate& program);
    const char* nextClick;
    QByteArray expected;
};

const Choice kChoices[] = {
    {"photo resolution", "buttonPhotoUI", nullptr, "button3MP",
     [](const Tavik_CamAppDelegate& p) {
         return p.settings().photoResolution == 3 && onlySelected(p, "button3MP", "button16MP");
     },
     "buttonTimeLapse", "[1,1,3,3,1,0,0,0,0,0,0,0,0]\n" + kVideo + kGeneral + kFirmware},
    {"full HD resolution", "buttonVideoUI", nullptr, "button960P",
     [](const Tavik_CamAppDelegate& p) {
         return p.settings().FHDResolution == 2 && onlySelected(p, "button960P", "button1080P");
     },
     "button720P30", kPhoto + "[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n" + kGeneral + kFirmware},
    {"TV system", nullptr, nullptr, "buttonNTSC",
     [](const Tavik_CamAppDelegate& p) {
         return p.settings().tvType == 2 && onlySelected(p, "buttonNTSC", "buttonPAL");
     },
     "button60HZ", kPhoto + kVideo + "[1,3,2,1,1,2,25,12,43,18,30,5,1,]\n" + kFirmware},
    {"camera clock", "buttonAutoDateSet",
     [](const Ui::VantorelleWindow& ui) {
         ui.date->setDate(QDate(2030, 5, 6));
         ui.timePicker->setTime(QTime(7, 8, 9));
     },
     "buttonAutoDateOK",
     [](const Tavik_CamAppDelegate& p) {
         const tagSetting& s = p.settings();
         return s.year == 2030 && s.month == 5 && s.date == 6 && s.hour == 7 && s.minute == 8 &&
                s.second == 9 && p.widgets().date->date() == QDate(2030, 5, 6);
     },
     "buttonNTSC", kPhoto + kVideo + "[1,3,2,1,1,1,6,5,60,7,8,9,1,]\n" + kFirmware},
};

int savesFailed = 0;

} // namespace

class WindowSaveFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void aFailedSaveKeepsTheFileAndTheChoice_data();
    void aFailedSaveKeepsTheFileAndTheChoice();
    void cleanupTestCase();
};

void WindowSaveFaultsTest::aFailedSaveKeepsTheFileAndTheChoice_data() {
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

void WindowSaveFaultsTest::aFailedSaveKeepsTheFileAndTheChoice() {
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
    QVERIFY(c.kept(*program));
    QVERIFY(program->window()->isVisible());
    ++savesFailed;

    clickButton(button(*program, QLatin1String(c.nextClick)));
    QCOMPARE(volume.config(), c.expected);
    QCOMPARE(volumeEntries(volume), untouchedVolumeEntries());
}

void WindowSaveFaultsTest::cleanupTestCase() {
    std::printf("save faults injected through the window: %d (5 steps x 4 errors x %d settings), "
                "old file intact, no temporary file and the choice written by the next save "
                "after each\n",
                savesFailed, static_cast<int>(std::size(kChoices)));
}

QTEST_MAIN(WindowSaveFaultsTest)
#include "window_save_faults_test.moc"
