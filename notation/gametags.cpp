#include "notation/gametags.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr char kLineFormat[] = "[%s %c%s%c]";
constexpr char kQuote = '"';
// The bracket and the first four letters of the name identify a tag.
constexpr size_t kKeyLength = 5;

constexpr size_t kDateSize = 28;
constexpr char kDateFormat[] = "%Y.%m.%d";

struct DefaultTag {
    const char* name;
    const char* value;  // null: today's date
};

// The seven-tag roster, in its fixed order.
constexpr DefaultTag kDefaultTags[] = {
    {"Event", "Torvo Computer Game"}, {"Site", "?"},  {"Date", nullptr}, {"Round", "-"},
    {"White", "?"},                   {"Black", "?"}, {"Result", "*"}};

// snprintf cuts an over-long value short instead of writing past the line.
void FormatLine(char (&line)[CGameTags::kLineSize], const char* name, const char* value) {
    std::snprintf(line, sizeof line, kLineFormat, name, kQuote, value, kQuote);
}

}  // namespace

void CGameTags::Add(const char* name, const char* value) {
    char line[kLineSize];
    FormatLine(line, name, value);
    m_lines.emplace_back(line);
}

void CGameTags::Set(const char* name, const char* value) {
    char line[kLineSize];
    FormatLine(line, name, value);
    for (std::string& existing : m_lines) {
        if (std::strncmp(existing.c_str(), line, kKeyLength) == 0) existing = line;
    }
}

const char* CGameTags::First() {
    m_cursor = 0;
    return Next();
}

const char* CGameTags::Next() {
    if (m_cursor >= static_cast<int>(m_lines.size())) return nullptr;
    return m_lines[m_cursor++].c_str();
}

void CGameTags::SetDefaults() {
    char date[kDateSize] = "";
    const std::time_t now = std::time(nullptr);
    if (const std::tm* local = std::localtime(&now)) std::strftime(date, sizeof date, kDateFormat, local);
    for (const DefaultTag& tag : kDefaultTags) Add(tag.name, tag.value != nullptr ? tag.value : date);
}
