// Click to durable file. The controller runs on a camera volume exactly as the program starts it,
// and the PAL and NTSC buttons are clicked in turn. A click's file is safely on disk when the
// save's last step, the flush of the folder, has returned; the settings library's file-call table
// is wrapped to note that moment. The floor writes the same bytes the same safe way (temporary
// file in the same folder, fsync, rename over, fsync of the folder) with no program around it,
// in a sibling folder on the same file system. Click and floor alternate, and so does which of
// them goes first. One report line per round, in nanoseconds:
// A second floor does what the safe save protocol does besides writing: it reads and compares the
// file before and after writing the temporary file (writeDurably with what it last saw).
//   click <click to durable> handled <click to handler returned> floor <write> safe <safe write>
//   click_bench <volume> <floor folder> <safe floor folder> <rounds>
#include "applook.h"
#include "bench_support.h"
#include "blackscroller.h"
#include "camerapaths.h"
#include "commandline.h"
#include "config_io.h"
#include "tavik_camappdelegate.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int kWarmUpRounds = 4;

bench::Nanoseconds durableAt = 0;

void syncFolderAndNote(const char* folder) {
    config_io::systemOps().syncFolder(folder);
    durableAt = bench::now();
}

std::string contentOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The durable write; given what the file last held (`seen`), the floor of the safe save
// protocol too: the file is read and compared before the temporary file is written and again
// before the rename, and `seen` then holds the new bytes.
bool writeDurably(const std::string& folder, const std::string& bytes,
                  std::string* seen = nullptr) {
    const std::string path = folder + "/ActionConfig";
    const std::string temporary = folder + "/.ActionConfig.tmp";
    const auto unchanged = [&] { return seen == nullptr || contentOf(path) == *seen; };
    if (!unchanged()) {
        return false;
    }
    const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0) {
        return false;
    }
    bool saved = write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                 fsync(file) == 0;
    saved = close(file) == 0 && saved;
    saved = saved && unchanged() && rename(temporary.c_str(), path.c_str()) == 0;
    const int directory = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    saved = saved && directory >= 0 && fsync(directory) == 0;
    if (directory >= 0) {
        close(directory);
    }
    if (seen != nullptr) {
        *seen = bytes;
    }
    return saved;
}

// Lets the window paint what the last click changed, outside the timed part.
void settle(int milliseconds) {
    QElapsedTimer elapsed;
    elapsed.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, milliseconds);
    } while (elapsed.elapsed() < milliseconds);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: click_bench <volume> <floor folder> <safe floor folder> <rounds>\n");
        return 2;
    }
    const QString volume = QDir(QFile::decodeName(argv[1])).absolutePath();
    const std::string floorFolder = argv[2];
    const std::string safeFolder = argv[3];
    const int rounds = std::atoi(argv[4]);

    // As main does it.
    QApplication::setQuitOnLastWindowClosed(false);
    applyApplicationLook();
    installTranslations();
    open_path =
        QFile::encodeName(volume + QStringLiteral("/vantorelle.app/vantorelle")).toStdString();
    Tavik_CamAppDelegate program;
    if (!program.applicationDidFinishLaunching()) {
        std::fprintf(stderr, "click_bench: no camera settings at %s\n", argv[1]);
        return 1;
    }
    settle(300);

    config_io::Ops observed = config_io::systemOps();
    observed.syncFolder = syncFolderAndNote;
    const config_io::ScopedOps observe(observed);

    QWidget* window = program.window();
    const std::array<BlackScroller*, 2> buttons{
        window->findChild<BlackScroller*>(QStringLiteral("buttonPAL")),
        window->findChild<BlackScroller*>(QStringLiteral("buttonNTSC"))};
    std::array<std::string, 2> savedBy;
    struct Click {
        bench::Nanoseconds durable;
        bench::Nanoseconds handled;
    };
    const auto click = [&](int round) {
        durableAt = 0;
        const bench::Nanoseconds start = bench::now();
        buttons[static_cast<std::size_t>(round % 2)]->click();
        const bench::Nanoseconds handled = bench::now();
        return Click{durableAt - start, handled - start};
    };
    const auto writeFloor = [&](int round) {
        const bench::Nanoseconds start = bench::now();
        if (!writeDurably(floorFolder, savedBy[static_cast<std::size_t>(round % 2)])) {
            std::perror("click_bench: floor write");
            std::exit(1);
        }
        return bench::now() - start;
    };

    std::string safeSeen;
    const auto writeSafeFloor = [&](int round) {
        const bench::Nanoseconds start = bench::now();
        if (!writeDurably(safeFolder, savedBy[static_cast<std::size_t>(round % 2)], &safeSeen)) {
            std::perror("click_bench: safe floor write");
            std::exit(1);
        }
        return bench::now() - start;
    };

    for (int round = 0; round < kWarmUpRounds; ++round) {
        click(round);
        savedBy[static_cast<std::size_t>(round % 2)] = contentOf(configfile_path);
        settle(5);
    }
    if (savedBy[0] == savedBy[1]) {
        std::fprintf(stderr, "click_bench: PAL and NTSC clicks wrote the same file\n");
        return 1;
    }
    safeSeen = contentOf(safeFolder + "/ActionConfig");
    for (int round = 0; round < rounds; ++round) {
        Click clicked{};
        bench::Nanoseconds floorTime = 0;
        bench::Nanoseconds safeTime = 0;
        // Each of the three goes first, second and last in turn.
        switch ((round / 2) % 3) {
        case 0:
            clicked = click(round);
            floorTime = writeFloor(round);
            safeTime = writeSafeFloor(round);
            break;
        case 1:
            safeTime = writeSafeFloor(round);
            clicked = click(round);
            floorTime = writeFloor(round);
            break;
        default:
            floorTime = writeFloor(round);
            safeTime = writeSafeFloor(round);
            clicked = click(round);
            break;
        }
        // Each click must have saved the file, and the floor must have written the same bytes.
        const std::string saved = contentOf(configfile_path);
        if (clicked.durable <= 0 || saved != savedBy[static_cast<std::size_t>(round % 2)] ||
            contentOf(floorFolder + "/ActionConfig") != saved) {
            std::fprintf(stderr, "click_bench: round %d did not save the expected bytes\n", round);
            return 1;
        }
        if (!bench::report("click " + std::to_string(clicked.durable) + " handled " +
                           std::to_string(clicked.handled) + " floor " + std::to_string(floorTime) +
                           " safe " + std::to_string(safeTime))) {
            return 1;
        }
        settle(5);
    }
    return 0;
}
