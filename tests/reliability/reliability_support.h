// Shared pieces of the reliability tests: what a camera volume's folder holds, the shape every
// ActionConfig the program writes must have, and the lines of a saved file.
#pragma once

#include "app_test_support.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every entry of `folder`, hidden ones (a left-over temporary file) included, sorted by
// name.
QStringList entriesOf(const QString& folder);

// The entries of the volume's root folder.
QStringList volumeEntries(const CameraVolume& volume);

// What a volume holds when no save has left anything behind.
QStringList untouchedVolumeEntries();

// Empty when `bytes` is a file the program may hand to the camera: every line a bracketed
// record "[...]" of at most 99 characters with no carriage return or NUL in it, ended by a
// line feed, and at most 100 lines. Otherwise what is wrong, for the failure message.
QString shapeProblem(const QByteArray& bytes);

// The first line of `file` that starts with `prefix` ("[1,3," for the general line), without
// its line feed; empty when there is none.
QByteArray lineStartingWith(const QByteArray& file, const QByteArray& prefix);
