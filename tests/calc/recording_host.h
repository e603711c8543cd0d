#pragma once
// A Host for tests: records every message and timer change instead of showing anything.

#include "core/host.h"

#include <string>
#include <vector>

namespace qv::test {

class RecordingHost final : public Host {
public:
    void warning(std::string_view text) override { messages.emplace_back(text); }
    void timerChanged(bool running) override { timerStates.push_back(running); }

    std::vector<std::string> messages;
    std::vector<bool> timerStates;
};

} // namespace qv::test
