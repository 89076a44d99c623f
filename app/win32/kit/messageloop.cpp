#include "app/win32/kit/messageloop.h"

#include <utility>

int CMessageLoop::Run(const std::function<void()>& idle) {
    MSG message;
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && idle) idle();
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (message.message == kRunTask && message.hwnd == m_window && !m_tasks.empty()) {
            const std::function<void()> task = std::move(m_tasks.front());
            m_tasks.pop_front();
            task();
            continue;
        }
        if (m_keys && TranslateAcceleratorW(m_window, m_keys, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void CMessageLoop::PostTask(std::function<void()> task) {
    m_tasks.push_back(std::move(task));
    PostMessageW(m_window, kRunTask, 0, 0);
}
