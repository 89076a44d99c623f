#include "game/gamerecord.h"

#include "game/notationwalk.h"
#include "game/pgntext.h"

namespace {

constexpr char kTextGap = ' ';
constexpr const char* kFileUnfinished = "*";
constexpr const char* kClipboardUnfinished = " * ";

}  // namespace

namespace {

// The file and clipboard layouts differ only in blanks: the clipboard's lines
// all end in one.
class CRecordSink : public CNotationWalk::ILineSink {
public:
    CRecordSink(bool clipboard, std::string* out) : m_clipboard(clipboard), m_out(out) {}
    void TagLine(const char* line) override {
        m_out->append(line);
        if (m_clipboard) m_out->push_back(kTextGap);
        m_out->append(CGameRecord::kLineEnd);
    }
    void Gap() override { m_out->append(CGameRecord::kLineEnd); }
    void MoveLine(const std::string& line, bool last) override {
        m_out->append(line);
        if (m_clipboard || last) m_out->push_back(kTextGap);
        m_out->append(CGameRecord::kLineEnd);
    }

private:
    bool m_clipboard;
    std::string* m_out;
};

}  // namespace

void CGameRecord::Append(CGameFacade* facade, Form form, std::string* out) {
    const bool clipboard = form == Form::kClipboard;
    CRecordSink sink(clipboard, out);
    CNotationWalk::Walk(facade, clipboard ? kClipboardUnfinished : kFileUnfinished, sink);
}

void CGameRecord::AppendLines(CPgnText* text, std::string* out) {
    text->Rewind();
    std::string_view line;
    while (text->NextLine(&line)) {
        out->append(line);
        out->push_back(kTextGap);
        out->append(kLineEnd);
    }
}
