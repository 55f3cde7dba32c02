// The program's command line: --help, --version and --volume PATH. It is read before any
// window exists, so that help, the version and usage errors need no display.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    // True: print `output` (standard output) or `error` (standard error) and end with `status`.
    bool exit = false;
    int status = 0;
    QString output;
    QString error;
    // The camera's folder given with --volume; empty when the program looks for cameras itself.
    QString volume;
};

inline constexpr int kUsageError = 2;

// Reads `arguments` (the program's name first). The options the toolkit itself understands
// (-platform, -style and the like) are accepted and left to it.
CommandLine readCommandLine(const QStringList& arguments);
