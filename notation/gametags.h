// The PGN tag lines of the open game, ready-made and in insertion order.
#pragma once

#include <string>
#include <vector>

class CGameTags {
public:
    static constexpr int kLineSize = 100;

    CGameTags() : m_cursor(0) {}
    virtual ~CGameTags() = default;

    void Add(const char* name, const char* value);
    // Replaces every line sharing the new line's first five characters.
    void Set(const char* name, const char* value);
    const char* First();
    const char* Next();
    void SetDefaults();

private:
    std::vector<std::string> m_lines;
    int m_cursor;
};
