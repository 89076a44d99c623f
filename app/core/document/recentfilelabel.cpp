#include "app/core/document/recentfilelabel.h"

#include <vector>

#include "app/core/base/mainframetexts.h"
#include "rules/utf8text.h"

namespace {

// Windows paths may come with either separator; one with a backslash uses it.
char SeparatorOf(const std::string& path) { return path.find('\\') != std::string::npos ? '\\' : '/'; }

// What stays in front of the ellipsis: "/" or a drive such as "C:\".
std::string RootOf(const std::string& path, char separator) {
    if (path[0] == separator) return std::string(1, separator);
    if (path.size() > 2 && path[1] == ':' && path[2] == separator) return path.substr(0, 3);
    return std::string();
}

int Chars(const std::string& utf8) { return static_cast<int>(utf8text::CharCount(utf8)); }

}  // namespace

std::string CRecentFileLabel::Abbreviate(const std::string& path, int maxChars) {
    if (Chars(path) <= maxChars) return path;
    const char kSeparator = SeparatorOf(path);
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t slash; (slash = path.find(kSeparator, start)) != std::string::npos; start = slash + 1)
        parts.push_back(path.substr(start, slash - start));
    parts.push_back(path.substr(start));
    const std::string root = RootOf(path, kSeparator);
    // The longest tail of folders that still fits behind the ellipsis.
    std::string best = parts.back();
    std::string tail = parts.back();
    for (size_t i = parts.size() - 1; i-- > 1;) {
        tail = parts[i] + kSeparator + tail;
        const std::string candidate = root + kEllipsis + kSeparator + tail;
        if (Chars(candidate) > maxChars) break;
        best = candidate;
    }
    if (best == parts.back()) {
        const std::string shortest = root + kEllipsis + kSeparator + parts.back();
        if (parts.size() > 2 && Chars(shortest) <= maxChars) best = shortest;
    }
    return best;
}

std::string CRecentFileLabel::MenuText(int number, const std::string& path) {
    return "&" + std::to_string(number) + " " + Abbreviate(path, CMainFrameTexts::kRecentFileNameChars);
}
