#include "camerapaths.h"

std::string open_path;
std::string configfile_path;

std::string volumeRootOf(const std::string& startPath) {
    const std::size_t marker = startPath.find(kBundleMarker);
    return marker == std::string::npos ? startPath : startPath.substr(0, marker);
}

std::string configPathFor(const std::string& startPath) {
    return volumeRootOf(startPath) + kConfigFileName;
}
