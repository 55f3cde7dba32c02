// Diagnostic lines of the settings library (see setConfigLogSink in action_config.h).
#pragma once

#include <string_view>

void configLog(std::string_view line);
