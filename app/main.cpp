#include "applook.h"
#include "camerapaths.h"
#include "tavik_camappdelegate.h"

#include <QApplication>
#include <QDir>
#include <QFile>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program ends after the end-of-program steps that follow the window's closing.
    QApplication::setQuitOnLastWindowClosed(false);
    applyApplicationLook();
    installTranslations();

    const QString started = argc > 0 ? QFile::decodeName(argv[0]) : QString();
    const QString executable =
        QDir::isAbsolutePath(started) ? started : QCoreApplication::applicationFilePath();
    open_path = QFile::encodeName(QDir::fromNativeSeparators(executable)).toStdString();

    Tavik_CamAppDelegate delegate;
    QObject::connect(&delegate, &Tavik_CamAppDelegate::programEnded, &app, &QCoreApplication::quit);
    if (!delegate.applicationDidFinishLaunching()) {
        return 1;
    }
    return QApplication::exec();
}
