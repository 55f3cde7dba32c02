#include "logging.h"

#include "action_config.h"

#include <cerrno>

Q_LOGGING_CATEGORY(lcConfig, "vantorelle.config", QtWarningMsg)
Q_LOGGING_CATEGORY(lcApp, "vantorelle.app", QtWarningMsg)

void routeConfigLog() {
    setConfigLogSink([](std::string_view line) {
        // A failed save leaves its cause in errno for the window to name; logging keeps it.
        const int cause = errno;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.remove_suffix(1);
        }
        qCDebug(lcConfig).noquote()
            << QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size()));
        errno = cause;
    });
}
