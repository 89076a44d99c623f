// The program's one message pump: the thinking flag, and one pending window
// message let through per search node so that the window stays alive.
#pragma once

class CMessagePump {
public:
    // What the platform gives the pump: dispatching one pending message, if any,
    // with the wait cursor switched off around it.
    class Platform {
    public:
        virtual ~Platform() = default;
        virtual void DispatchOne() = 0;
    };

    // Values of the thinking flag.
    static constexpr int kThinkingOff = 0, kThinkingOn = 1;

    CMessagePump();
    virtual ~CMessagePump();
    CMessagePump(const CMessagePump&) = delete;
    CMessagePump& operator=(const CMessagePump&) = delete;

    void SetThinking(int flag);
    int Thinking() const;
    // Lets one pending message through; true when thinking has been switched off.
    bool PumpOne();

    // Not owned; null means no message is ever waiting (tools and tests).
    void SetPlatform(Platform* platform) { m_platform = platform; }
    Platform* GetPlatform() const { return m_platform; }

private:
    Platform* m_platform = nullptr;
};

// The pump of the whole program.
CMessagePump& TheMessagePump();
