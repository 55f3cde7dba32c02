// The floor of the start-up, idle and memory figures: a Qt Widgets program that shows an empty
// window of vantorelle's size and keeps one 1-second timer running, and does nothing else.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(554, 446);
    window.setWindowTitle(QStringLiteral("bare window"));
    QTimer tick;
    // The timer only wakes the program once a second, as a clock on the window would.
    QObject::connect(&tick, &QTimer::timeout, &window, [] {});
    tick.start(1000);
    window.show();
    return QApplication::exec();
}
