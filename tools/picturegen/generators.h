// The three families of pictures picturegen can write.

#pragma once

class QDir;

namespace picturegen {

// Button pieces, header icons and logo, each at 1x and 2x.
bool writeUiPictures(const QDir& dir);

// Demo photos for the DCIM folder of a sample camera volume.
bool writeSamplePhotos(const QDir& dir);

// The application icon in several sizes.
bool writeAppIcon(const QDir& dir);

} // namespace picturegen
