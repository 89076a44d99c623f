// The board as MSAA sees it: a table of 64 cells (child ids 1 to 64, the
// screen squares row by row) and, from child 65 on, the live texts that
// carry what the board has to say, taken in turn: a client reads a text
// after its event, by when the next message (the computer's reply to the
// player's move) may have come. Last, the notation's read-only text, whose
// value is its lines: it has the focus while the view shows the notation.
// Made when a screen reader first asks for the window's object; a client may
// hold it longer than the window lives, so once cut off every call fails
// instead of reaching the gone window.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <string>

#include "app/core/access/accessplatform.h"

class CBoardAccess;

class CBoardAccessible : public IAccessible, public IAccessPlatform {
public:
    static constexpr LONG kFirstCell = 1;
    static constexpr LONG kFirstLiveText = 65;  // after the 64 cells
    static constexpr LONG kLiveTexts = 8;
    static constexpr LONG kNotationText = kFirstLiveText + kLiveTexts;
    static constexpr LONG kLastChild = kNotationText;

    // With one reference, the caller's.
    CBoardAccessible(HWND hwnd, CBoardAccess& access);
    // The window is going: every later call fails.
    void Disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: no type information; clients call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

    // IAccessPlatform
    void FocusCell(int cell) override;
    void CellsChanged() override;
    void Announce(const std::string& text) override;
    void NotationShown(bool shown) override;
    void NotationLine(int line, bool jumped) override;

private:
    ~CBoardAccessible() override;
    // The child id asked for: CHILDID_SELF, a cell's or a live text's; -1
    // for none of them.
    static LONG ChildOf(const VARIANT& child);
    bool Connected() const { return m_hwnd != nullptr; }
    RECT CellRect(int cell) const;  // in client coordinates
    void Notify(DWORD event, LONG child) const;
    void MarkLive();

    LONG m_references = 1;
    HWND m_hwnd;
    CBoardAccess* m_access;
    IAccessible* m_window = nullptr;  // the system's object of the window itself
    std::wstring m_spoken[kLiveTexts];  // the live texts' names: the last messages
    LONG m_spokenCount = 0;
    bool m_notationShown = false;
    std::wstring m_names[64];         // the cells' names as last told
};
