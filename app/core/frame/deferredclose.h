// Holds back a request to close the program while the computer thinks: the
// window must outlive the running search and the handler that started it.
#pragma once

class CDeferredClose {
public:
    // Around every call that may think (computer move, suggestion, and the
    // click or dialog handlers that end in one). Calls nest.
    void EnterThinking() { ++m_depth; }
    // True when the outermost call has returned and a close is waiting.
    bool LeaveThinking();

    // A close request: true when it may be carried out now, that is when
    // nothing thinks and no handler that may think is running. Otherwise it is
    // remembered and the caller switches thinking off so that the search ends.
    bool RequestClose(bool thinking);
    // A waiting close that is being carried out, or was refused after all.
    void Clear() { m_pending = false; }

    bool Pending() const { return m_pending; }
    bool Inside() const { return m_depth > 0; }

private:
    int m_depth = 0;
    bool m_pending = false;
};
