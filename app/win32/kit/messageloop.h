// A program's main message loop: each message goes through the window's
// keyboard table first; when the queue has run empty, the idle work runs;
// and a task posted to the loop runs in turn with the messages, once the
// ones already waiting have gone through.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <deque>
#include <functional>

class CMessageLoop {
public:
    // The posted tasks reach the loop as messages to `window`.
    static constexpr UINT kRunTask = WM_APP + 1;

    // keys: the window's keyboard table; null for none.
    CMessageLoop(HWND window, HACCEL keys) : m_window(window), m_keys(keys) {}

    // Until WM_QUIT; its exit code.
    int Run(const std::function<void()>& idle);
    void PostTask(std::function<void()> task);

private:
    HWND m_window;
    HACCEL m_keys;
    std::deque<std::function<void()>> m_tasks;
};
