// The application's look: Qt's Fusion style, with arrows of its own, and a dark palette that
// suits the window's charcoal and teal, so that toolkit controls (date pickers, the interval
// list, alerts) match the image buttons.
#pragma once

#include <QImage>
#include <QList>

// The window icon's pictures: on any thread, also before the application object exists.
QList<QImage> readApplicationIcon();

// The look of every window, with `icon` as readApplicationIcon reads it.
void applyApplicationLook(const QList<QImage>& icon = readApplicationIcon());

class QPalette;
// The window's charcoal with the slightly lighter header band along its top.
QPalette headerBandPalette(const QPalette& base);
