#include "config_log.h"

#include "action_config.h"

#include <cstdio>
#include <utility>

namespace {

ConfigLogSink& sink() {
    static ConfigLogSink current;
    return current;
}

} // namespace

ConfigLogSink setConfigLogSink(ConfigLogSink newSink) {
    return std::exchange(sink(), std::move(newSink));
}

void configLog(std::string_view line) {
    if (sink()) {
        sink()(line);
        return;
    }
    (void)std::fwrite(line.data(), 1, line.size(), stderr);
    if (line.empty() || line.back() != '\n') {
        (void)std::fputc('\n', stderr);
    }
}
