#include "bench_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>

extern char** environ;

namespace bench {

namespace {

constexpr Nanoseconds kPollStep = 100'000;

int remainingMs(Nanoseconds deadline) {
    const Nanoseconds left = deadline - now();
    return left <= 0 ? 0 : static_cast<int>((left + 999'999) / 1'000'000);
}

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

} // namespace

Nanoseconds now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<Nanoseconds>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

void sleepFor(Nanoseconds duration) {
    if (duration <= 0) {
        return;
    }
    timespec t{static_cast<time_t>(duration / 1'000'000'000),
               static_cast<long>(duration % 1'000'000'000)};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

bool report(const std::string& line) {
    const char* fd = std::getenv("BENCH_REPORT_FD");
    if (fd == nullptr) {
        return false;
    }
    const std::string text = line + "\n";
    return write(std::atoi(fd), text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

Child::Child(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnvironment,
             const std::string& logPath) {
    // Everything the child needs is prepared before fork: after it only async-signal-safe calls.
    std::vector<std::string> environment = extraEnvironment;
    environment.push_back("BENCH_REPORT_FD=" + std::to_string(kReportFd));
    const auto isSetAlready = [&environment](const std::string& entry) {
        return std::any_of(environment.begin(), environment.end(), [&entry](const auto& given) {
            return entry.compare(0, given.find('=') + 1, given, 0, given.find('=') + 1) == 0;
        });
    };
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!isSetAlready(*entry)) {
            environment.emplace_back(*entry);
        }
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> args = argv;
    std::vector<char*> argp;
    for (std::string& arg : args) {
        argp.push_back(arg.data());
    }
    argp.push_back(nullptr);

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        fail("pipe");
    }
    const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (log < 0 || devNull < 0) {
        fail("opening " + logPath);
    }

    startedAt_ = now();
    pid_ = fork();
    if (pid_ < 0) {
        fail("fork");
    }
    if (pid_ == 0) {
        // A copy above kReportFd, so that dup2 always makes a new descriptor, and dup2 clears
        // close-on-exec on the one the program keeps.
        const int report = fcntl(pipeFds[1], F_DUPFD_CLOEXEC, kReportFd + 1);
        if (dup2(devNull, STDIN_FILENO) < 0 || dup2(log, STDOUT_FILENO) < 0 ||
            dup2(log, STDERR_FILENO) < 0 || report < 0 || dup2(report, kReportFd) < 0) {
            _exit(126);
        }
        execve(argp[0], argp.data(), envp.data());
        _exit(127);
    }
    running_ = true;
    close(pipeFds[1]);
    close(log);
    close(devNull);
    reportFd_ = pipeFds[0];
    pidFd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
}

Child::~Child() {
    if (running_) {
        kill(pid_, SIGKILL);
        int waitStatus = 0;
        while (waitpid(pid_, &waitStatus, 0) < 0 && errno == EINTR) {
        }
    }
    if (reportFd_ >= 0) {
        close(reportFd_);
    }
    if (pidFd_ >= 0) {
        close(pidFd_);
    }
}

std::optional<std::string> Child::readReport(Nanoseconds timeout) {
    const Nanoseconds deadline = now() + timeout;
    for (;;) {
        const std::size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        pollfd watch{reportFd_, POLLIN, 0};
        const int ready = poll(&watch, 1, remainingMs(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return std::nullopt;
        }
        char buffer[512];
        const ssize_t n = read(reportFd_, buffer, sizeof buffer);
        if (n <= 0) {
            return std::nullopt;
        }
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<Nanoseconds> Child::waitForExit(Nanoseconds timeout) {
    const Nanoseconds deadline = now() + timeout;
    int waitStatus = 0;
    while (running_) {
        if (pidFd_ >= 0) {
            pollfd watch{pidFd_, POLLIN, 0};
            const int ready = poll(&watch, 1, remainingMs(deadline));
            if (ready == 0) {
                return std::nullopt;
            }
            if (ready < 0) {
                continue;
            }
        }
        const Nanoseconds seen = now();
        const pid_t ended = waitpid(pid_, &waitStatus, WNOHANG);
        if (ended == pid_) {
            reap(waitStatus);
            return seen;
        }
        if (now() >= deadline) {
            return std::nullopt;
        }
        if (pidFd_ < 0) {
            sleepFor(kPollStep);
        }
    }
    return std::nullopt;
}

void Child::reap(int waitStatus) {
    running_ = false;
    status_ = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
}

Nanoseconds cpuTime(pid_t pid) {
    Nanoseconds total = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream schedstat(task.path() / "schedstat");
        Nanoseconds runTime = 0;
        if (schedstat >> runTime) {
            total += runTime;
        }
    }
    return total;
}

long statusKiB(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
        }
    }
    return -1;
}

Summary summarize(std::vector<double> samples) {
    Summary s;
    s.count = samples.size();
    if (samples.empty()) {
        return s;
    }
    std::sort(samples.begin(), samples.end());
    const auto quantile = [&samples](double q) {
        const double position = q * static_cast<double>(samples.size() - 1);
        const auto below = static_cast<std::size_t>(std::floor(position));
        const std::size_t above = std::min(below + 1, samples.size() - 1);
        const double fraction = position - static_cast<double>(below);
        return samples[below] + fraction * (samples[above] - samples[below]);
    };
    s.median = quantile(0.5);
    s.q1 = quantile(0.25);
    s.q3 = quantile(0.75);
    s.min = samples.front();
    s.max = samples.back();
    return s;
}

long envNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value > 0 ? value : fallback;
}

} // namespace bench
