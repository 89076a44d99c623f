#include "app/core/dialogs/legalmovesdlglogic.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "app/core/base/commandids.h"
#include "game/gamefacade.h"

namespace {

constexpr DialogControl kLegalMovesControls[] = {
    {dlg::kIdStatic, ControlKind::kGroupBox, "Gültige Züge", 15, 18, 96, 191},
    {dlg::kLegalMovesOk, ControlKind::kPushButton, dlg::kOkText, 127, 20, 43, 17},
    {dlg::kIdCancel, ControlKind::kPushButton, dlg::kCancelText, 269, 22, 59, 17},
    {dlg::kLegalMovesList, ControlKind::kListBox, "", 24, 36, 75, 162},
    {dlg::kIdStatic, ControlKind::kGroupBox, "Koordinatensystem", 127, 68, 205, 140},
    {dlg::kIdStatic, ControlKind::kPicture, CLegalMovesDlgLogic::kCoordinatePicture, 143, 81, 0, 0},
};

}  // namespace

const DialogLayout CLegalMovesDlgLogic::kLayout = {
    "Mögliche Züge", 345, 222, kLegalMovesControls, static_cast<int>(sizeof kLegalMovesControls / sizeof kLegalMovesControls[0])};

CLegalMovesDlgLogic::CLegalMovesDlgLogic(CGameFacade* facade) : m_facade(facade), m_gameOver(0) {
    m_moveText[0] = '\0';
}

void CLegalMovesDlgLogic::Open() {
    m_entries.clear();
    const int count = m_facade->LegalMoveCount();
    for (int i = 0; i < count; ++i) m_entries.emplace_back(m_facade->LegalMoveText(i));
    m_moveText[0] = '\0';
    m_gameOver = 0;
    if (m_entries.empty()) {
        m_entries.emplace_back(kGameOverLine);
        m_entries.emplace_back(kMateOrStalemateLine);
        m_gameOver = 1;
    }
    // The list keeps its entries sorted, ignoring case as a list box does.
    std::sort(m_entries.begin(), m_entries.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    });
}

void CLegalMovesDlgLogic::Ok(int selected) {
    if (selected >= 0 && selected < static_cast<int>(m_entries.size()))
        std::snprintf(m_moveText, sizeof m_moveText, "%s", m_entries[static_cast<size_t>(selected)].c_str());
    if (m_gameOver == 1) m_moveText[0] = '\0';
}
