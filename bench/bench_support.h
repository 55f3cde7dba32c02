// What the benchmark programs share: the clock, child processes, what /proc tells about them,
// and the summary of a series of samples.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bench {

using Nanoseconds = std::int64_t;

// CLOCK_MONOTONIC, the same clock in every process of the machine.
Nanoseconds now();
void sleepFor(Nanoseconds duration);

// The descriptor Child gives its child for report lines; the child finds its number in
// BENCH_REPORT_FD.
inline constexpr int kReportFd = 3;
// Writes one line (a line feed is added) to the descriptor named by BENCH_REPORT_FD; false when
// there is none or it could not.
bool report(const std::string& line);

// A child process with the launcher's environment plus `extraEnvironment` (NAME=value entries,
// which replace the launcher's own), standard input from /dev/null, its output appended to a log
// file and a report pipe at kReportFd. Ended (SIGKILL) and reaped by the destructor if still
// running.
class Child {
  public:
    Child(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnvironment,
          const std::string& logPath);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }
    // When the launcher forked the child.
    Nanoseconds startedAt() const { return startedAt_; }

    // The next line the child reports, without its line feed; nothing when the child closed its
    // end or `timeout` passed first.
    std::optional<std::string> readReport(Nanoseconds timeout);

    // Waits for the child to end and reaps it. Returns the moment its end was noticed, or
    // nothing after `timeout`. The child's end is noticed through a pidfd where the kernel
    // has them, else by polling every 100 microseconds.
    std::optional<Nanoseconds> waitForExit(Nanoseconds timeout);
    // The exit status of an ended child: its exit code, or 128 + the signal that ended it.
    int exitStatus() const { return status_; }

  private:
    void reap(int waitStatus);

    pid_t pid_ = -1;
    int reportFd_ = -1;
    int pidFd_ = -1;
    Nanoseconds startedAt_ = 0;
    bool running_ = false;
    int status_ = -1;
    std::string pending_;
};

// Processor time used so far by every thread of a running process, from the scheduler's
// per-thread run-time (/proc/<pid>/task/*/schedstat), in nanoseconds.
Nanoseconds cpuTime(pid_t pid);

// A field of /proc/<pid>/status given in kB (VmHWM, VmRSS); -1 when absent.
long statusKiB(pid_t pid, const std::string& field);

// Median, quartiles (linear interpolation) and range of a series.
struct Summary {
    double median = 0;
    double q1 = 0;
    double q3 = 0;
    double min = 0;
    double max = 0;
    std::size_t count = 0;
};
Summary summarize(std::vector<double> samples);

// An environment variable read as a positive number, or `fallback`.
long envNumber(const char* name, long fallback);

} // namespace bench
