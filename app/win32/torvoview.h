// The Windows program's view of the open game: a child window filling the
// frame between toolbar and status bar; draws the board (or the notation),
// takes clicks and runs the move and thinking commands through the core.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/core/view/moveentrycontrol.h"
#include "app/core/view/paintstatus.h"
#include "app/core/picture/piecebitmaps.h"
#include "app/core/dialogs/settingsdlglogic.h"
#include "app/core/view/thinkingcontrol.h"
#include "app/core/view/thinkingview.h"

class CGdiBoard;
class CMainFrame;
class CTorvoDoc;

class CTorvoView : public IThinkingView, public IMoveEntryView {
public:
    static constexpr const wchar_t* kClassName = L"TorvoView";
    static constexpr int kBoardNotation = 0;
    static constexpr int kUserNotation = -1;
    static constexpr int kPrintNotation = 1;

    CTorvoView(CMainFrame& frame, CTorvoDoc& doc);
    ~CTorvoView() override;

    static bool RegisterClass(HINSTANCE instance);
    bool Create(HWND parent);
    HWND Hwnd() const { return m_hwnd; }

    // A command of the menu, the keys or the toolbar; false when it is not the view's.
    bool OnCommand(int id);
    // The document's game was replaced or reloaded.
    void OnDocumentChanged();
    void OnLegalMoves();
    // The notation shown while printing runs, as the framework's print step does.
    void BeginPrinting();
    void EndPrinting();
    int ShowNotation() const { return m_showNotation; }
    bool Flipped() { return m_moves.Picker().IsFlipped(); }

    // IThinkingView and IMoveEntryView
    CGameFacade* Facade() override;
    CMessagePump* Pump() override;
    uint16_t Level() const override { return m_level; }
    void SetStatusText(const char* text) override;
    void ShowMessage(const char* text, const char* caption) override;
    void ShowBoard() override;
    void Invalidate() override { Repaint(false); }
    void WaitCursor(int step) override;
    long GameNumber() override;
    bool AskYesNo(const char* text, const char* caption) override;
    bool NotationShown() override { return m_showNotation != kBoardNotation; }
    void Repaint(bool eraseBackground) override;
    std::string ChooseLegalMove(CGameFacade* facade) override;
    std::string TypeMove() override;
    void ComputerMove() override { m_thinking.OnComputerMove(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void OnPaint();
    void PaintBoard(HDC dc, const RECT& client);
    void PaintNotation(HDC dc, const RECT& client);
    void OnClick(WPARAM flags, int x, int y);
    void OnVScroll(int request);
    void SetScrollRange(int height, int page);
    void OnSettings();

    CMainFrame& m_frame;
    CTorvoDoc& m_doc;
    HWND m_hwnd = nullptr;
    CPieceBitmaps m_bitmaps;
    std::unique_ptr<CGdiBoard> m_board;  // null when the bitmaps failed
    CPaintStatus m_paintStatus;
    CThinkingControl m_thinking{*this};
    CMoveEntryControl m_moves{*this};
    uint16_t m_level = CSettingsDlgLogic::kDefaultLevel;
    int m_showNotation = kBoardNotation;
    int m_waitCursor = 0;
    int m_scrollY = 0;  // the notation's top line, in pixels
    int m_notationHeight = 0;
};
