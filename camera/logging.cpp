#include "logging.h"

#include "action_config.h"

#include <cerrno>
#include <mutex>

Q_LOGGING_CATEGORY(lcConfig, "vantorelle.config", QtWarningMsg)
Q_LOGGING_CATEGORY(lcApp, "vantorelle.app", QtWarningMsg)

namespace {

void logConfigLine(std::string_view line) {
    // A failed save leaves its cause in errno for the window to name; logging keeps it.
    const int cause = errno;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    qCDebug(lcConfig).noquote() << QString::fromLocal8Bit(line.data(),
                                                          static_cast<qsizetype>(line.size()));
    errno = cause;
}

} // namespace

void routeConfigLog() {
    static std::once_flag routed;
    std::call_once(routed, [] { setConfigLogSink(logConfigLine); });
}
