// Runs every vantorelle benchmark against its floor in one go and prints the figures as a
// Markdown table. bench/run.sh prepares the scratch folder and the display and starts it:
//   bench_driver <scratch>
// <scratch>/volume holds what `cmake --install` put on a camera volume, <scratch>/stripped the
// same installed with --strip. The other benchmark programs lie beside this one.
#include "bench_support.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using bench::Nanoseconds;
using bench::Summary;

namespace {

constexpr Nanoseconds kSecond = 1'000'000'000;
constexpr Nanoseconds kMillisecond = 1'000'000;

// A camera's settings file with a line of every kind.
constexpr char kSampleConfig[] = "[1,1,2,1,2,0,0,0,0,0,0,0,0]\n"
                                 "[1,2,1,1,0,0,0,0,0,0,0,0,0,]\n"
                                 "[1,3,2,2,1,1,6,12,56,9,30,0,2,]\n"
                                 "[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n"
                                 "[2,FW001,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]\n";

struct Setup {
    fs::path scratch;
    fs::path volume;
    fs::path program;  // the installed program
    fs::path bare;     // bare_window
    fs::path probe;    // libframe_probe.so
    fs::path click;    // click_bench
    fs::path getFloor; // get_floor
    std::string log;   // where the programs' own output goes
};

struct Row {
    std::string figure;
    std::string runs;
    std::string product;
    std::string floor;
    std::string ratio;
    std::string goal;
    std::optional<bool> met; // none for a figure that is reported only
};

void progress(const std::string& text) {
    std::cerr << "bench: " << text << std::endl;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string spread(const Summary& s, int decimals, const std::string& unit) {
    return fixed(s.median, decimals) + " " + unit + " (" + fixed(s.min, decimals) + "–" +
           fixed(s.max, decimals) + ", IQR " + fixed(s.q1, decimals) + "–" + fixed(s.q3, decimals) +
           ")";
}

void writeSampleConfig(const Setup& setup) {
    std::ofstream(setup.volume / "ActionConfig", std::ios::binary | std::ios::trunc)
        << kSampleConfig;
}

// A program started with the frame probe; `quit` asks it to quit once its frame is painted.
std::unique_ptr<bench::Child> startWithProbe(const Setup& setup, const fs::path& program,
                                             bool quit) {
    std::vector<std::string> environment{"LD_PRELOAD=" + setup.probe.string()};
    if (quit) {
        environment.emplace_back("BENCH_QUIT_AFTER_FRAME=1");
    }
    return std::make_unique<bench::Child>(std::vector<std::string>{program.string()}, environment,
                                          setup.log);
}

struct FirstFrame {
    Nanoseconds at = 0;
    long peakKiB = 0;
    std::string qtVersion;
};

FirstFrame awaitFirstFrame(bench::Child& child, const Setup& setup) {
    const auto line = child.readReport(30 * kSecond);
    if (!line) {
        throw std::runtime_error("no painted frame within 30 s; see " + setup.log);
    }
    std::istringstream fields(*line);
    std::string frameWord;
    std::string hwmWord;
    std::string qtWord;
    FirstFrame frame;
    fields >> frameWord >> frame.at >> hwmWord >> frame.peakKiB >> qtWord >> frame.qtVersion;
    if (frameWord != "frame" || frame.peakKiB <= 0) {
        throw std::runtime_error("unexpected report: " + *line);
    }
    return frame;
}

void expectCleanExit(bench::Child& child, const std::string& what, const Setup& setup) {
    if (!child.waitForExit(30 * kSecond) || child.exitStatus() != 0) {
        throw std::runtime_error(what + " did not end cleanly; see " + setup.log);
    }
}

// Calls `start(which, recorded)` for two programs taking turns (`which` 0 and 1, the one going
// first changing every round), `runs` recorded rounds after one unrecorded round.
template <typename Start> void takeTurns(long runs, const Start& start) {
    for (long round = -1; round < runs; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            start(round % 2 == 0 ? turn : 1 - turn, round >= 0);
        }
    }
}

struct StartUp {
    Row startUp;
    Row memory;
    std::string qtVersion;
};

// Start-up to the first painted frame and the peak resident memory by then, product and bare
// window started alternately as fresh processes, after one unrecorded start of each.
StartUp measureStartUp(const Setup& setup) {
    const long runs = bench::envNumber("BENCH_RUNS", 15);
    progress("start-up and memory: " + std::to_string(runs) + " starts of each program");
    std::vector<double> startMs[2];
    std::vector<double> peakMiB[2];
    const fs::path programs[2] = {setup.program, setup.bare};
    std::string qtVersion;
    takeTurns(runs, [&](int which, bool recorded) {
        auto child = startWithProbe(setup, programs[which], true);
        const FirstFrame frame = awaitFirstFrame(*child, setup);
        qtVersion = frame.qtVersion;
        expectCleanExit(*child, programs[which].filename().string(), setup);
        if (recorded) {
            startMs[which].push_back(static_cast<double>(frame.at - child->startedAt()) /
                                     kMillisecond);
            peakMiB[which].push_back(static_cast<double>(frame.peakKiB) / 1024.0);
        }
    });
    const std::string n = std::to_string(runs) + " + " + std::to_string(runs);
    const Summary start[2] = {bench::summarize(startMs[0]), bench::summarize(startMs[1])};
    const double startRatio = start[0].median / start[1].median;
    const Row startUp{"Start-up to first painted frame",
                      n,
                      spread(start[0], 1, "ms"),
                      spread(start[1], 1, "ms"),
                      fixed(startRatio, 2) + "×",
                      "≤ 1.25×",
                      startRatio <= 1.25};
    const Summary peak[2] = {bench::summarize(peakMiB[0]), bench::summarize(peakMiB[1])};
    const double peakRatio = peak[0].median / peak[1].median;
    const Row memory{"Peak resident memory (VmHWM) at first frame",
                     n,
                     spread(peak[0], 1, "MiB"),
                     spread(peak[1], 1, "MiB"),
                     fixed(peakRatio, 2) + "×",
                     "≤ 1.3×",
                     peakRatio <= 1.3};
    return {startUp, memory, qtVersion};
}

struct Clicks {
    Row durable;
    Row againstWrite;
    Row handled;
};

// Click to durable file, in click_bench, against the floor of the safe save protocol and against
// the bare durable write; and click to the end of the click's handler, which runs on after the
// save.
Clicks measureClicks(const Setup& setup) {
    const long rounds = bench::envNumber("BENCH_CLICKS", 200);
    progress("click to durable file: " + std::to_string(rounds) + " clicks and floor writes");
    const fs::path floorFolder = setup.scratch / "floor";
    const fs::path safeFolder = setup.scratch / "safe-floor";
    fs::create_directories(floorFolder);
    fs::create_directories(safeFolder);
    bench::Child child({setup.click.string(), setup.volume.string(), floorFolder.string(),
                        safeFolder.string(), std::to_string(rounds)},
                       {}, setup.log);
    std::vector<double> clickMs;
    std::vector<double> handledMs;
    std::vector<double> floorMs;
    std::vector<double> safeMs;
    while (const auto line = child.readReport(60 * kSecond)) {
        std::istringstream fields(*line);
        std::string word;
        Nanoseconds times[4] = {};
        for (Nanoseconds& time : times) {
            fields >> word >> time;
        }
        clickMs.push_back(static_cast<double>(times[0]) / kMillisecond);
        handledMs.push_back(static_cast<double>(times[1]) / kMillisecond);
        floorMs.push_back(static_cast<double>(times[2]) / kMillisecond);
        safeMs.push_back(static_cast<double>(times[3]) / kMillisecond);
    }
    expectCleanExit(child, "click_bench", setup);
    if (static_cast<long>(clickMs.size()) != rounds) {
        throw std::runtime_error("click_bench reported " + std::to_string(clickMs.size()) +
                                 " rounds");
    }
    const Summary click = bench::summarize(clickMs);
    const Summary handled = bench::summarize(handledMs);
    const Summary floor = bench::summarize(floorMs);
    const Summary safe = bench::summarize(safeMs);
    const std::string n = std::to_string(rounds) + " + " + std::to_string(rounds);
    const double ratio = click.median / safe.median;
    const double writeRatio = click.median / floor.median;
    const double handledRatio = handled.median / safe.median;
    return {{"Click to durable file (floor: the safe protocol)", n, spread(click, 2, "ms"),
             spread(safe, 2, "ms"), fixed(ratio, 2) + "×", "≤ 1.1×", ratio <= 1.1},
            {"Click to durable file (floor: the bare durable write)", n, spread(click, 2, "ms"),
             spread(floor, 2, "ms"), fixed(writeRatio, 2) + "×", "reported only", std::nullopt},
            {"Click to its handler's end (after the save)", n, spread(handled, 2, "ms"),
             spread(safe, 2, "ms"), fixed(handledRatio, 2) + "×", "reported only", std::nullopt}};
}

// A camera's card mounted as a desktop mounts one, for the installed program to find among the
// mounted volumes: a tmpfs in a mount namespace of the bench's own, which its programs share.
// Empty where mounting is not allowed (it needs root).
fs::path mountCard(const Setup& setup) {
    const fs::path card = setup.scratch / "media" / "CAMERA";
    fs::create_directories(card);
    if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("vantorelle-bench", card.c_str(), "tmpfs", 0, "size=1m") != 0) {
        return {};
    }
    std::ofstream(card / "ActionConfig", std::ios::binary) << kSampleConfig;
    return card;
}

struct Installed {
    Row startUp;
    Row waitingIdle;
};

// The installed program (a copy of the card's, where no card is beside it) started with one
// camera mounted, to that camera's first painted frame, against the card start; and the
// processor time of its waiting window while no camera is connected.
Installed measureInstalled(const Setup& setup) {
    const fs::path card = mountCard(setup);
    if (card.empty()) {
        progress("installed start: mounting a card is not allowed here (needs root); left out");
        return {{"Installed start to the camera's first frame", "—", "not measured (needs root)",
                 "—", "—", "≤ 1.3× the card start", std::nullopt},
                {"Waiting window, idle processor time", "—", "not measured (needs root)", "—", "—",
                 "no tick", std::nullopt}};
    }
    const fs::path installed = setup.scratch / "installed" / "vantorelle";
    fs::create_directories(installed.parent_path());
    fs::copy_file(setup.program, installed, fs::copy_options::overwrite_existing);
    // With the window's library beside it, where the build and the card keep it.
    fs::copy_file(setup.program.parent_path() / "vantorelle-window.so",
                  installed.parent_path() / "vantorelle-window.so",
                  fs::copy_options::overwrite_existing);
    const long runs = bench::envNumber("BENCH_RUNS", 15);
    progress("installed start: " + std::to_string(runs) + " starts of each kind");
    std::vector<double> startMs[2];
    const fs::path programs[2] = {installed, setup.program};
    takeTurns(runs, [&](int which, bool recorded) {
        auto child = startWithProbe(setup, programs[which], true);
        const FirstFrame frame = awaitFirstFrame(*child, setup);
        expectCleanExit(*child, which == 0 ? "the installed program" : "the card's", setup);
        if (recorded) {
            startMs[which].push_back(static_cast<double>(frame.at - child->startedAt()) /
                                     kMillisecond);
        }
    });
    const Summary start[2] = {bench::summarize(startMs[0]), bench::summarize(startMs[1])};
    const double ratio = start[0].median / start[1].median;

    progress("waiting window: 10 s with no camera connected");
    fs::remove(card / "ActionConfig");
    bench::Child waiting({installed.string()}, {}, setup.log);
    bench::sleepFor(2 * kSecond);
    const Nanoseconds before = bench::cpuTime(waiting.pid());
    bench::sleepFor(10 * kSecond);
    const double percent =
        static_cast<double>(bench::cpuTime(waiting.pid()) - before) / (10.0 * kSecond) * 100.0;
    std::ofstream(card / "ActionConfig", std::ios::binary) << kSampleConfig;
    const std::string n = std::to_string(runs) + " + " + std::to_string(runs);
    return {{"Installed start to the camera's first frame (floor: the card start)", n,
             spread(start[0], 1, "ms"), spread(start[1], 1, "ms"), fixed(ratio, 2) + "×", "≤ 1.3×",
             ratio <= 1.3},
            {"Waiting window, idle processor time over 10 s", "1",
             fixed(percent, 4) + " % of a core", "—", "—", "reported only (no timer ticks)",
             std::nullopt}};
}

// `vantorelle get --volume C` against a minimal Qt Core program that opens the camera's file,
// reads it and prints it, started alternately as fresh processes until they end.
Row measureGet(const Setup& setup) {
    const long runs = bench::envNumber("BENCH_GET_RUNS", 100);
    progress("get: " + std::to_string(runs) + " runs of each program");
    const std::vector<std::string> commands[2] = {
        {setup.program.string(), "get", "--volume", setup.volume.string()},
        {setup.getFloor.string(), setup.volume.string()}};
    std::vector<double> ms[2];
    takeTurns(runs, [&](int which, bool recorded) {
        bench::Child child(commands[which], {}, setup.log);
        const auto ended = child.waitForExit(10 * kSecond);
        if (!ended || child.exitStatus() != 0) {
            throw std::runtime_error(commands[which][0] + " did not end cleanly");
        }
        if (recorded) {
            ms[which].push_back(static_cast<double>(*ended - child.startedAt()) / kMillisecond);
        }
    });
    const Summary get = bench::summarize(ms[0]);
    const Summary floor = bench::summarize(ms[1]);
    const double ratio = get.median / floor.median;
    return {"`get --volume C`, start to end (floor: a minimal Qt Core reader)",
            std::to_string(runs) + " + " + std::to_string(runs),
            spread(get, 2, "ms"),
            spread(floor, 2, "ms"),
            fixed(ratio, 2) + "×",
            "≤ 1.5×",
            ratio <= 1.5};
}

// Processor time of the running program and of the bare window, side by side, with no input.
Row measureIdle(const Setup& setup) {
    const long seconds = bench::envNumber("BENCH_IDLE_SECONDS", 30);
    const long runs = bench::envNumber("BENCH_IDLE_RUNS", 3);
    progress("idle cost: " + std::to_string(runs) + " runs of " + std::to_string(seconds) +
             " s, both programs side by side");
    std::vector<double> percent[2];
    for (long run = 0; run < runs; ++run) {
        writeSampleConfig(setup);
        std::unique_ptr<bench::Child> children[2] = {startWithProbe(setup, setup.program, false),
                                                     startWithProbe(setup, setup.bare, false)};
        for (auto& child : children) {
            awaitFirstFrame(*child, setup);
        }
        bench::sleepFor(kSecond);
        Nanoseconds before[2];
        for (int i = 0; i < 2; ++i) {
            before[i] = bench::cpuTime(children[i]->pid());
        }
        const Nanoseconds start = bench::now();
        bench::sleepFor(seconds * kSecond);
        const Nanoseconds wall = bench::now() - start;
        for (int i = 0; i < 2; ++i) {
            const Nanoseconds used = bench::cpuTime(children[i]->pid()) - before[i];
            if (children[i]->waitForExit(0)) {
                throw std::runtime_error("a program ended while idle; see " + setup.log);
            }
            percent[i].push_back(100.0 * static_cast<double>(used) / static_cast<double>(wall));
        }
    }
    const Summary product = bench::summarize(percent[0]);
    const Summary bare = bench::summarize(percent[1]);
    const double ratio = product.median / bare.median;
    return {"Idle processor time over " + std::to_string(seconds) + " s",
            std::to_string(runs) + " + " + std::to_string(runs),
            spread(product, 3, "% of a core"),
            spread(bare, 3, "% of a core"),
            fixed(ratio, 2) + "×",
            "≤ 0.10 % of a core",
            product.median <= 0.10};
}

// ActionConfig removed from under the running program, at a random moment after its first frame,
// until the process has ended.
Row measureUnplug(const Setup& setup) {
    const long trials = bench::envNumber("BENCH_UNPLUG_TRIALS", 40);
    progress("unplug detection: " + std::to_string(trials) + " trials");
    std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<Nanoseconds> delay(50 * kMillisecond, 250 * kMillisecond);
    std::vector<double> exitMs;
    for (long trial = 0; trial < trials; ++trial) {
        writeSampleConfig(setup);
        auto child = startWithProbe(setup, setup.program, false);
        awaitFirstFrame(*child, setup);
        bench::sleepFor(delay(random));
        const Nanoseconds removed = bench::now();
        fs::remove(setup.volume / "ActionConfig");
        const auto ended = child->waitForExit(5 * kSecond);
        if (!ended || child->exitStatus() != 0) {
            throw std::runtime_error("the program did not end within 5 s of the unplug");
        }
        exitMs.push_back(static_cast<double>(*ended - removed) / kMillisecond);
    }
    writeSampleConfig(setup);
    const Summary exit = bench::summarize(exitMs);
    return {"Unplug detection (file removed → process ended)",
            std::to_string(trials),
            spread(exit, 1, "ms"),
            "—",
            "—",
            "median ≤ 10 ms, max ≤ 50 ms",
            exit.median <= 10 && exit.max <= 50};
}

std::uintmax_t installedBytes(const fs::path& folder) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            total += entry.file_size();
        }
    }
    return total;
}

std::string mebibytes(std::uintmax_t bytes) {
    return fixed(static_cast<double>(bytes) / (1024.0 * 1024.0), 2) + " MiB";
}

struct Footprint {
    Row row;
    std::vector<std::string> parts; // Markdown table lines
};

// The bytes `cmake --install` puts on a volume, file by file (`size -A` tells the sections of
// the program).
Footprint measureFootprint(const Setup& setup) {
    progress("footprint on the card");
    const std::uintmax_t total = installedBytes(setup.volume);
    const std::uintmax_t stripped = installedBytes(setup.scratch / "stripped");
    const Row row{"Footprint on the card (`cmake --install`)",
                  "1",
                  std::to_string(total) + " bytes (" + mebibytes(total) + ")",
                  "—",
                  "—",
                  "reported only; with `--strip`: " + std::to_string(stripped) + " bytes (" +
                      mebibytes(stripped) + ")",
                  std::nullopt};
    std::vector<std::pair<std::uintmax_t, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(setup.volume)) {
        if (entry.is_regular_file()) {
            files.emplace_back(entry.file_size(),
                               fs::relative(entry.path(), setup.volume).string());
        }
    }
    std::sort(files.rbegin(), files.rend());
    std::vector<std::string> lines{"| Installed file | Bytes |", "|---|---:|"};
    for (const auto& [size, file] : files) {
        lines.push_back("| `" + file + "` | " + std::to_string(size) + " |");
    }
    return {row, lines};
}

std::string firstLineStarting(const std::string& path, const std::string& prefix) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind(prefix, 0) == 0) {
            const std::size_t colon = line.find(':');
            return line.substr(colon == std::string::npos ? 0 : colon + 2);
        }
    }
    return "unknown";
}

// The 1, 5 and 15 minute load averages: other work on the machine shows in them.
std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one;
    std::string five;
    std::string fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// The type of the file system holding `path`: the mount point that is its longest prefix.
std::string fileSystemOf(const fs::path& path) {
    std::ifstream mounts("/proc/self/mounts");
    const std::string where = fs::canonical(path).string();
    std::string device;
    std::string point;
    std::string type;
    std::string rest;
    std::size_t best = 0;
    std::string found = "unknown";
    while (mounts >> device >> point >> type && std::getline(mounts, rest)) {
        const bool contains =
            where.rfind(point, 0) == 0 &&
            (point == "/" || where.size() == point.size() || where[point.size()] == '/');
        if (contains && point.size() >= best) {
            best = point.size();
            found = type + " (" + point + ")";
        }
    }
    return found;
}

void printReport(const Setup& setup, const std::string& qtVersion, const std::string& loadAtStart,
                 const std::vector<Row>& rows, const std::vector<std::string>& footprintParts) {
    utsname system{};
    uname(&system);
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::cout << "Machine: " << firstLineStarting("/proc/cpuinfo", "model name") << ", "
              << sysconf(_SC_NPROCESSORS_ONLN) << " cores, Linux " << system.release << "; Qt "
              << qtVersion << "; GCC " << __VERSION__ << "\n"
              << "Display: " << (platform != nullptr ? platform : "default platform") << " on "
              << (display != nullptr ? display : "no DISPLAY") << "; scratch volume on "
              << fileSystemOf(setup.scratch) << "\n"
              << "Load average (1, 5, 15 min): " << loadAtStart << " at the start, "
              << loadAverage() << " at the end\n\n";
    std::cout << "| Figure | Runs | vantorelle: median (min–max, IQR) | Floor: median (min–max, "
                 "IQR) | Ratio | Goal | Met |\n"
              << "|---|---|---|---|---|---|---|\n";
    for (const Row& row : rows) {
        std::cout << "| " << row.figure << " | " << row.runs << " | " << row.product << " | "
                  << row.floor << " | " << row.ratio << " | " << row.goal << " | "
                  << (!row.met   ? "—"
                      : *row.met ? "yes"
                                 : "**no**")
                  << " |\n";
    }
    std::cout << "\n";
    for (const std::string& line : footprintParts) {
        std::cout << line << "\n";
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: bench_driver <scratch folder>\n";
        return 2;
    }
    try {
        Setup setup;
        setup.scratch = fs::absolute(argv[1]);
        setup.volume = setup.scratch / "volume";
        setup.program = setup.volume / "vantorelle.app" / "vantorelle";
        const fs::path tools = fs::read_symlink("/proc/self/exe").parent_path();
        setup.bare = tools / "bare_window";
        setup.probe = tools / "libframe_probe.so";
        setup.click = tools / "click_bench";
        setup.getFloor = tools / "get_floor";
        setup.log = (setup.scratch / "programs.log").string();

        const std::string loadAtStart = loadAverage();
        // Measured first, while the volume holds only what the install put there.
        const Footprint footprint = measureFootprint(setup);
        writeSampleConfig(setup);
        const StartUp startUp = measureStartUp(setup);
        const Clicks clicks = measureClicks(setup);
        const Row idle = measureIdle(setup);
        const Row unplug = measureUnplug(setup);
        const Row get = measureGet(setup);
        const Installed installed = measureInstalled(setup);
        printReport(setup, startUp.qtVersion, loadAtStart,
                    {startUp.startUp, installed.startUp, clicks.durable, clicks.againstWrite,
                     clicks.handled, idle, installed.waitingIdle, startUp.memory, unplug, get,
                     footprint.row},
                    footprint.parts);
    } catch (const std::exception& error) {
        std::cerr << "bench: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
