#pragma once
// Esc closes the dialog, but an Esc that did something else (cancelled a load, cleared the filter,
// closed a menu or a box) holds the Esc keys right after it back, so that pressing Esc twice, or
// holding it, does not close the window as well.

#include <wx/defs.h>
#include <wx/modalhook.h>

#include <chrono>

namespace quorvel::ui {

class EscapeGuard : public wxModalDialogHook {
public:
    using Clock = std::chrono::steady_clock;

    // An Esc did something else than closing, or was held back itself: the next half second is guarded.
    void Hold(Clock::time_point now = Clock::now()) { m_until = now + kGuard; }
    bool Holds(Clock::time_point now = Clock::now()) const { return now < m_until; }
    // Another key came between: the next Esc is a new one.
    void Release() { m_until = {}; }

protected:
    // Once registered, every modal box and chooser of the program guards the moment it closes, which
    // may have been with Esc.
    int Enter(wxDialog*) override { return wxID_NONE; }
    void Exit(wxDialog*) override { Hold(); }

private:
    static constexpr std::chrono::milliseconds kGuard{500};
    Clock::time_point m_until{};
};

} // namespace quorvel::ui
