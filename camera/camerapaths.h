// Where the camera is: the program is started from "vantorelle.app" at the root of the
// camera's volume, and the camera's settings file and media folder lie beside that bundle.
// Every path to the camera's file is made here.
#pragma once

#include <QString>

#include <string>

// The path the program was started from (its executable, absolute). Set once by main.
extern std::string open_path;
// The full path of the camera's settings file. Built once at start-up from open_path.
extern std::string configfile_path;

inline constexpr char kBundleMarker[] = "/vantorelle.app";
inline constexpr char kConfigFileName[] = "/ActionConfig";
inline constexpr char kMediaFolderName[] = "/DCIM";

// The folder holding the bundle: `startPath` cut at the first "/vantorelle.app" that is a
// whole folder name; a path without one is returned whole.
std::string volumeRootOf(const std::string& startPath);

// The settings file that belongs to a program started from `startPath`.
std::string configPathFor(const std::string& startPath);

// The settings file of the camera whose volume is mounted at `root`, as a path and as the
// bytes the system's file calls take.
QString configFileOf(const QString& root);
std::string configPathOf(const QString& root);

// A path as the settings library and the system's file calls take it (UTF-8 on Windows, the
// file system's encoding elsewhere), and back.
std::string systemPath(const QString& path);
QString fromSystemPath(const std::string& path);

// The folder of the camera whose settings file is `configPath`.
QString cameraRootOf(const std::string& configPath);

// `text` (a path, a volume's label, the firmware version: whatever came from a card or the mount
// table) as it may be shown on a terminal or in a window: control characters and the marks
// that turn the direction of text are written as escapes ("\n", "\t", "\033", "\u202E"), as
// `ls` shows such names, so that no name can move the cursor, retitle a terminal or pass for
// two lines.
QString printable(const QString& text);
