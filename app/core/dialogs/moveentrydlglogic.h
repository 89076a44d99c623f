// The move-entry dialog's text: only the OK button hands a move over.
#pragma once

#include <string>

#include "app/core/base/dialoglayout.h"

class CMoveEntryDlgLogic {
public:
    static const DialogLayout kLayout;
    static constexpr int kMaxChars = 9;

    // The edit field is emptied and no move is waiting.
    void Open() { m_moveText.clear(); }
    // Takes the field's first nine characters (UTF-8 text, cut between characters).
    void Ok(const std::string& fieldText);
    // Any other way out, Enter included, leaves no move.
    void Dismiss() { m_moveText.clear(); }

    const std::string& MoveText() const { return m_moveText; }

private:
    std::string m_moveText;
};
