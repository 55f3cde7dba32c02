// The program's log: two categories, quiet unless something goes wrong. Everything else is
// debug or info output that QT_LOGGING_RULES turns on, for example
//   QT_LOGGING_RULES="vantorelle.*.debug=true" vantorelle
#pragma once

#include <QLoggingCategory>

// The settings library's lines: every line of ActionConfig it reads, a file it could not
// open, a save that failed (debug).
Q_DECLARE_LOGGING_CATEGORY(lcConfig)
// The program's own: start-up paths, changes found on the card (debug and info), and what
// went wrong (warnings).
Q_DECLARE_LOGGING_CATEGORY(lcApp)

// Sends the settings library's lines to lcConfig, once per copy of the library: every
// CameraFile, the one user of the library's reading and saving, does it as it is made.
void routeConfigLog();
