// The window as a library of its own, which the program loads only when it opens a window: the
// commands, the help and the version need none of what the window brings (Qt Gui and Widgets,
// fonts, the display's libraries), and start without loading it.
#include "launcher.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int vantorelleRunWindow(int argc, char* argv[], const QString& volume) {
    return runWindow(argc, argv, volume);
}
