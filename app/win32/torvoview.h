// The Windows program's view of the open game: a child window filling the
// frame between toolbar and status bar, wired to CViewController, which
// decides what it does; here are the Win32 calls it asks for.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <memory>
#include <string>

#include "app/core/picture/piecebitmaps.h"
#include "app/core/view/wheelscroll.h"
#include "app/core/view/viewcontroller.h"
#include "app/core/view/viewplatform.h"
#include "app/win32/kit/basewindow.h"
#include "app/win32/kit/busycursor.h"
#include "app/win32/kit/verticalscroll.h"

class CBoardAccessible;
class CGameDocument;
class CGdiBoard;
class IViewFrame;

class CTorvoView : public CBaseWindow, public IViewPlatform {
public:
    static constexpr const wchar_t* kClassName = L"TorvoView";

    // The view shows the document's game, attached to it from the start; both are the frame's.
    CTorvoView(IViewFrame& frame, CGameDocument& document);
    ~CTorvoView() override;

    static bool RegisterClass(HINSTANCE instance);
    bool Create(HWND parent);
    CViewController& Controller() { return m_controller; }

    // IViewPlatform
    void Repaint(bool eraseBackground) override;
    void SetScrolledSize(int width, int height) override;
    void ShowMessage(const char* text, const char* caption) override;
    bool AskYesNo(const char* text, const char* caption) override;
    bool MessageBoxShowing() override;
    void WaitCursor(int step) override;
    std::string ChooseLegalMove(CGameFacade* facade) override;
    std::string TypeMove() override;
    void EditSettings(CSettingsDlgLogic& settings) override;
    bool OpenAddress(const char* address) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnPaint();
    void OnClick(WPARAM flags, int x, int y);
    void OnVScroll(int request);
    void OnWheel(int rotation);
    bool OnKeyDown(WPARAM key);
    LRESULT OnGetObject(WPARAM flags, LPARAM objectId);
    // The board's accessible object lets go of the window and the board.
    void DropAccessible();

    IViewFrame& m_frame;
    CPieceBitmaps m_bitmaps;
    std::unique_ptr<CGdiBoard> m_board;  // null when the bitmaps failed
    std::string m_missing;               // and what the user is told then
    CViewController m_controller{*this};
    CBusyCursor m_busy;
    CVerticalScroll m_scroll{CViewController::kScrollLine};  // over the notation
    CWheelScroll m_wheel;
    CBoardAccessible* m_accessible = nullptr;  // one reference; made at the first WM_GETOBJECT
};
