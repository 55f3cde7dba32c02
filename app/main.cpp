// The program: the commands and the help need no display; everything else opens a window.
#include "commandline.h"
#include "commands.h"
#include "launcher.h"
#include "logging.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    routeConfigLog();
    QCoreApplication::setApplicationName(QStringLiteral("vantorelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTORELLE_VERSION));
    const CommandLine command = readCommandLine(argc, argv);
    if (needsNoWindow(command)) {
        return runCommandLine(command);
    }
    return runWindow(argc, argv, command.volume);
}
