// Pictures of the application, looked up by file name in its resources.
#pragma once

#include <QPixmap>
#include <QString>

// The picture `name` (for example "left.png") from the application's images, cached. On a
// high-density screen the "@2x" version is used where there is one. A name the resources do
// not hold gives a null pixmap.
QPixmap imageNamed(const QString& name);

// The picture file at `path`, read in the format its name's suffix gives ("png", "bmp"); a null
// pixmap when it cannot be read so. Qt left to guess the format from the content would first
// load the plugin of every picture format it knows (JPEG, GIF, ICO and the libraries they use).
QPixmap pictureFile(const QString& path);
