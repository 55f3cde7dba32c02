// The program's command line: --help, --version, --volume PATH, --all and the commands that
// read and change cameras' settings without a window. It is read before any window exists, so
// that help, the version, the commands and usage errors need no display.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The texts of the command line and the commands: in the user's language once
// installTranslations() has run.
class Commands {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

// Loads the program's translation for the system's language into `translator`; false where
// that language is English or has none.
class QTranslator;
bool loadTranslation(QTranslator& translator);
// Loads it and installs it, for the window and the commands. Needs the application object.
void installTranslations();

struct CommandLine {
    // True: print `output` (standard output) or `error` (standard error) and end with `status`.
    bool exit = false;
    int status = 0;
    QString output;
    QString error;
    // The camera's folder given with --volume; empty when the program looks for cameras itself.
    QString volume;
    // The command: "list", "get", "set", "apply" or "sync-clock"; empty opens the window.
    QString command;
    QStringList commandArguments;
    // The cameras' folders a command was given with --volume, each checked to be a camera.
    QStringList volumes;
    bool allCameras = false; // --all
    bool json = false;       // --json: list and get print JSON
};

inline constexpr int kUsageError = 2;

// The commands: how many arguments each takes, and whether it may be given several cameras
// (--volume more than once, or --all) or prints for scripts (--json) instead. list finds the
// cameras itself and takes neither --volume nor --all.
struct CommandShape {
    const char* name;
    int leastArguments;
    int mostArguments; // -1: any number
    bool severalCameras;
};
inline constexpr CommandShape kCommands[] = {
    {"list", 0, 0, false}, {"get", 0, 0, false},       {"set", 1, -1, true},
    {"apply", 1, 1, true}, {"sync-clock", 0, 0, true},
};

// Reads `arguments` (the program's name first). The options the toolkit itself understands
// (-platform, -style and the like) are accepted and left to it.
CommandLine readCommandLine(const QStringList& arguments);
// The same from main's arguments.
CommandLine readCommandLine(int argc, char* argv[]);
// True when the command line asks for no window.
inline bool needsNoWindow(const CommandLine& command) {
    return command.exit || !command.command.isEmpty();
}
