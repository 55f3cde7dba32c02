// What a shell may offer next on the command line. The shells' completion scripts ask the program
// ("vantorelle __complete WORD... TYPED"), so that the commands, options, keys and values they
// offer are the program's own, in every shell.
#pragma once

#include <QStringList>

// The hidden command the completion scripts run; it is never shown in the help.
inline constexpr char kCompleteCommand[] = "__complete";

// `words`: the words after the program's name, the last one being what is typed so far (maybe
// empty). Each candidate is a whole word; one that ends with "=" is a key that awaits its value.
// ":folders" and ":files" ask the shell for the names of folders or files.
QStringList completionsFor(const QStringList& words);
