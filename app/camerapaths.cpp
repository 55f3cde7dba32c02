#include "camerapaths.h"

#include <string_view>

std::string open_path;
std::string configfile_path;

std::string volumeRootOf(const std::string& startPath) {
    // The bundle is a whole folder name: "/vantorelle.app backup" is another folder.
    const std::string_view marker(kBundleMarker);
    for (std::size_t at = startPath.find(marker); at != std::string::npos;
         at = startPath.find(marker, at + 1)) {
        const std::size_t end = at + marker.size();
        if (end == startPath.size() || startPath[end] == '/') {
            return startPath.substr(0, at);
        }
    }
    return startPath;
}

std::string configPathFor(const std::string& startPath) {
    return volumeRootOf(startPath) + kConfigFileName;
}
