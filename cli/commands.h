// The commands that read and change cameras' settings from a terminal or a script: list, get,
// set, apply and sync-clock. They need no display and never open a window.
#pragma once

#include "commandline.h"

#include <cstdio>

// Runs `command.command` and returns the program's exit status: 0 when every camera is done,
// 1 when a camera could not be read or changed (one line each on `err` says which and why),
// 2 for a usage error, and then nothing was written. `in` is read by "apply -".
int runCommand(const CommandLine& command, std::FILE* in, std::FILE* out, std::FILE* err);

// What the program does when the command line asks for no window: prints the help, the version
// or a usage error, or runs the command, on the console it was started from. Its exit status.
int runCommandLine(const CommandLine& command);
