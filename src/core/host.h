#pragma once
// What the calculator needs from whoever shows it: a way to tell the user something, and a timer
// to start and stop. The Qt window shows a message box and drives a QTimer; tests record both.

#include <string_view>

namespace qv {

class Host {
public:
    virtual ~Host() = default;
    // A warning box with one OK button; returns when the user has closed it.
    virtual void warning(std::string_view text) = 0;
    // The same box with a second line that says what the message is about (which field or
    // which line of which file). A host that shows only one line keeps the message itself.
    virtual void warningWithDetail(std::string_view text, std::string_view /*detail*/) { warning(text); }
    // The recalculation timer was started or stopped.
    virtual void timerChanged(bool /*running*/) {}

protected:
    Host() = default;
    Host(const Host&) = default;
    Host& operator=(const Host&) = default;
};

} // namespace qv
