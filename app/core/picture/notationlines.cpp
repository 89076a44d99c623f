#include "app/core/picture/notationlines.h"

#include "game/notationwalk.h"

namespace {

class CLineSink : public CNotationWalk::ILineSink {
public:
    explicit CLineSink(std::vector<CNotationLines::Line>* lines) : m_lines(lines) {}
    void TagLine(const char* line) override { m_lines->push_back({line, false}); }
    void Gap() override { m_gap = true; }
    void MoveLine(const std::string& line, bool) override {
        m_lines->push_back({line, m_gap});
        m_gap = false;
    }

private:
    std::vector<CNotationLines::Line>* m_lines;
    bool m_gap = false;
};

}  // namespace

std::vector<CNotationLines::Line> CNotationLines::Read(CGameFacade& facade) {
    std::vector<Line> lines;
    CLineSink sink(&lines);
    CNotationWalk::Walk(&facade, kUnfinishedText, sink);
    return lines;
}
