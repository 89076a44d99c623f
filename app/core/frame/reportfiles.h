// What the window shows, written to files for the end-to-end tests when the
// environment names them: every status-bar message, the indicators' changes
// and the requests to close the window as they come (TORVO_STATUS_LOG), the
// board's screen rectangle (TORVO_CANVAS_FILE) and the indicators' panes
// (TORVO_PANES_FILE), and what the screen reader was given: each focus
// and announcement (TORVO_SPEECH_LOG). Without the variables nothing is written.
#pragma once

#include <string>
#include <vector>

#include "app/core/access/accessplatform.h"

class CReportFiles : public ISpeechLog {
public:
    static constexpr const char* kStatusLogVariable = "TORVO_STATUS_LOG";
    static constexpr const char* kCanvasVariable = "TORVO_CANVAS_FILE";
    static constexpr const char* kPanesVariable = "TORVO_PANES_FILE";
    static constexpr const char* kSpeechLogVariable = "TORVO_SPEECH_LOG";
    // Log lines of the indicator panes: "indicator SCRL on".
    static constexpr const char* kIndicatorPrefix = "indicator";
    // The log line of a request to close the window: the tests tell by it
    // whether the request came while the computer was thinking.
    static constexpr const char* kCloseRequestLine = "close requested";

    // Screen pixels.
    struct Rect {
        int x, y, width, height;
    };
    // An indicator: its text, the room its text may take and the text's width.
    struct Pane {
        std::string text;
        Rect room;
        int textWidth;
    };

    // Empty names write nothing.
    CReportFiles(std::string statusLog, std::string canvasFile, std::string panesFile, std::string speechLog = "");
    // The program's, named by the environment when it is first asked for.
    static const CReportFiles& Program();

    // Appends the text as a line of the status log.
    void Status(const std::string& text) const;
    void Indicator(const char* name, bool on) const;
    void CloseRequest() const { Status(kCloseRequestLine); }
    // Replaces the canvas file's line: "x y width height".
    void Canvas(const Rect& screen) const;
    // Measuring the panes is only worth it when they are asked for.
    bool WantsPanes() const { return !m_panesFile.empty(); }
    // Replaces the panes file, a line a pane: "SCRL 700 680 45 18 33".
    void Panes(const std::vector<Pane>& panes) const;
    // Appends "focus: e4, leer" or "announce: …" to the speech log.
    void Spoken(const char* kind, const std::string& text) const override;

private:
    static void Write(const std::string& file, const char* mode, const std::string& text);
    static void Replace(const std::string& file, const std::string& text);

    std::string m_statusLog;
    std::string m_canvasFile;
    std::string m_panesFile;
    std::string m_speechLog;
};
