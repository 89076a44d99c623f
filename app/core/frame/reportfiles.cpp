#include "app/core/frame/reportfiles.h"

#include <cstdio>
#include <utility>

#include "app/core/document/systemfile.h"

namespace {

constexpr const char* kOn = " on";
constexpr const char* kOff = " off";
constexpr int kLineSize = 160;
constexpr const char* kFreshSuffix = ".new";

std::string RectText(const CReportFiles::Rect& rect) {
    char text[kLineSize];
    std::snprintf(text, sizeof text, "%d %d %d %d", rect.x, rect.y, rect.width, rect.height);
    return text;
}

}  // namespace

CReportFiles::CReportFiles(std::string statusLog, std::string canvasFile, std::string panesFile, std::string speechLog)
    : m_statusLog(std::move(statusLog)),
      m_canvasFile(std::move(canvasFile)),
      m_panesFile(std::move(panesFile)),
      m_speechLog(std::move(speechLog)) {}

const CReportFiles& CReportFiles::Program() {
    static const CReportFiles files(CSystemFile::Environment(kStatusLogVariable),
                                    CSystemFile::Environment(kCanvasVariable),
                                    CSystemFile::Environment(kPanesVariable),
                                    CSystemFile::Environment(kSpeechLogVariable));
    return files;
}

void CReportFiles::Status(const std::string& text) const { Write(m_statusLog, "ab", text + "\n"); }

void CReportFiles::Indicator(const char* name, bool on) const {
    Status(std::string(kIndicatorPrefix) + " " + name + (on ? kOn : kOff));
}

void CReportFiles::Canvas(const Rect& screen) const { Replace(m_canvasFile, RectText(screen) + "\n"); }

void CReportFiles::Panes(const std::vector<Pane>& panes) const {
    std::string text;
    for (const Pane& pane : panes) text += pane.text + " " + RectText(pane.room) + " " + std::to_string(pane.textWidth) + "\n";
    Replace(m_panesFile, text);
}

void CReportFiles::Spoken(const char* kind, const std::string& text) const {
    Write(m_speechLog, "ab", std::string(kind) + ": " + text + "\n");
}

void CReportFiles::Write(const std::string& file, const char* mode, const std::string& text) {
    if (file.empty()) return;
    if (const CSystemFile::Ptr out = CSystemFile::Open(file, mode)) std::fwrite(text.data(), 1, text.size(), out.get());
}

// Whole or not at all: the tests read these files while the program
// rewrites them, and a file truncated for rewriting reads as empty.
void CReportFiles::Replace(const std::string& file, const std::string& text) {
    if (file.empty()) return;
    const std::string fresh = file + kFreshSuffix;
    {
        const CSystemFile::Ptr out = CSystemFile::Open(fresh, "wb");
        if (!out || std::fwrite(text.data(), 1, text.size(), out.get()) != text.size()) return;
    }
    CSystemFile::RenameOver(fresh, file);
}
