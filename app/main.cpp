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
        // Read again in the user's language, which needs the application object. It is given
        // the program's name alone, which the help shows however the program was started.
        char name[] = "vantorelle";
        char* arguments[] = {name, nullptr};
        int count = 1;
        QCoreApplication application(count, arguments);
        installTranslations();
        return runCommandLine(readCommandLine(argc, argv));
    }
    return runWindow(argc, argv, command.volume);
}
