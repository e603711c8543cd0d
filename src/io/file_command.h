#pragma once
// The file commands stop the recalculation timer for their dialog and work and start it again at
// the end, however the work ends, so a failed command never leaves the calculator frozen.

#include "core/calculator.h"

namespace qv {

class TimerPause {
public:
    explicit TimerPause(Calculator& calc) : calc_(calc) { stopTimer(calc_); }
    ~TimerPause() { startTimer(calc_); }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;

private:
    Calculator& calc_;
};

} // namespace qv
