// The application's look: Qt's Fusion style with a dark palette that suits the window's
// charcoal and teal, so that toolkit controls (date pickers, the interval list, alerts) match
// the image buttons.
#pragma once

void applyApplicationLook();
