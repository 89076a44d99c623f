// What the thinking driver needs of whoever asks it to think: the game and
// the pump, and a word at each step so that the user can be told.
#pragma once

class CGameFacade;
class CMessagePump;

class IThinkingHost {
public:
    virtual ~IThinkingHost() = default;

    // The current game; asked afresh after every pump, since a command
    // handled meanwhile may have replaced it.
    virtual CGameFacade* Facade() = 0;
    virtual CMessagePump* Pump() = 0;
    // Thinking starts; the first iteration follows at once.
    virtual void ThinkingBegins() = 0;
    // Iteration number `iteration` after the first (1, 2, ...) starts.
    virtual void IterationBegins(int iteration) = 0;
    // Thinking is over, with a move or given up.
    virtual void ThinkingEnds() = 0;
};
