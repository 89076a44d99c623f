// Whether a lock key such as Scroll Lock is on, as the status bar shows it.
// Where the system's keyboard map locks the key, the system's state counts;
// the usual X keyboard map gives Scroll Lock no state at all, and there the
// presses this program sees toggle it.
#pragma once

class CLockKeyState {
public:
    // The key going down and up; downs while it is held are repeats.
    void OnKeyDown();
    void OnKeyUp() { m_down = false; }
    // The state to show, given the system's reading. Once the system has
    // reported the key on, its map locks the key and it is trusted from then.
    bool IsOn(bool systemOn);

private:
    bool m_toggled = false;
    bool m_down = false;
    bool m_systemLocks = false;
};
