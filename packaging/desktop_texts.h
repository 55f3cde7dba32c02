// The texts of the menu entry and of the software centres' metainfo, here so that they are
// translated in the program's own files. Nothing includes this file: packaging/CMakeLists.txt
// takes each text's translations from those files when it writes the two.
#pragma once

#include <QtGlobal>

[[maybe_unused]] static const char* const kDesktopTexts[] = {
    QT_TRANSLATE_NOOP("Desktop", "Camera Settings"),
    QT_TRANSLATE_NOOP("Desktop",
                      "Set up a USB action camera: photo, video, clock and power settings"),
    QT_TRANSLATE_NOOP("Desktop", "camera;action camera;SD card;photo;video;time-lapse;"),
    QT_TRANSLATE_NOOP("Desktop", "Set up a USB action camera from the computer"),
};
