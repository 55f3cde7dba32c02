// The application's look: Qt's Fusion style, with arrows of its own, and a dark palette that
// suits the window's charcoal and teal, so that toolkit controls (date pickers, the interval
// list, alerts) match the image buttons.
#pragma once

void applyApplicationLook();

class QPalette;
// The window's charcoal with the slightly lighter header band along its top.
QPalette headerBandPalette(const QPalette& base);
