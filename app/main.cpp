// The program: the commands and the help need no display and load nothing of the window's;
// everything else opens a window, from the window's library.
#include "commandline.h"
#include "commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace {

// The running program's own file, as the system knows it (no application object exists yet).
QString programFile(const char* started) {
#ifdef _WIN32
    (void)started;
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    return QString::fromWCharArray(path, int(length));
#elif defined(__APPLE__)
    char path[4096];
    uint32_t size = sizeof path;
    return _NSGetExecutablePath(path, &size) == 0 ? QFile::decodeName(path)
                                                  : QFile::decodeName(started);
#else
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? QFile::decodeName(started) : QFile::decodeName(path.c_str());
#endif
}

using RunWindow = int (*)(int, char*[], const QString&);

// The window's library: beside the program (on a camera's card, in the build, on Windows and
// in a macOS bundle), else in the program's own folder of libraries, where it is installed.
int openWindow(int argc, char* argv[], const QString& volume) {
    const QDir folder = QFileInfo(programFile(argc > 0 ? argv[0] : "")).absoluteDir();
    const QString name = QStringLiteral(VANTORELLE_WINDOW_LIBRARY);
    QStringList places{
        folder.filePath(name),
        QDir::cleanPath(folder.filePath(QStringLiteral(VANTORELLE_WINDOW_LIBRARY_DIR "/") + name))};
    QString reasons;
    for (const QString& place : std::as_const(places)) {
        if (!QFileInfo::exists(place)) {
            continue;
        }
        QLibrary library(place);
        if (const auto run = reinterpret_cast<RunWindow>(library.resolve("vantorelleRunWindow"))) {
            return run(argc, argv, volume);
        }
        reasons += QStringLiteral("\n  ") + library.errorString();
    }
    std::fprintf(stderr, "vantorelle: the window's library %s cannot be loaded.%s\n",
                 qPrintable(QDir::toNativeSeparators(places.constFirst())), qPrintable(reasons));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
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
    return openWindow(argc, argv, command.volume);
}
