#include "app/win32/boardaccessible.h"

#include "app/core/access/boardaccess.h"
#include "app/core/access/boardspeech.h"
#include "app/core/access/notationreader.h"
#include "app/core/picture/boardgeometry.h"
#include "app/win32/kit/accessibleprops.h"
#include "app/win32/kit/widetext.h"

namespace {

constexpr LONG kNoChild = -1;
constexpr LONG kLastCell = CBoardAccessible::kFirstCell + CBoardAccess::kCells - 1;

HRESULT Text(const std::wstring& text, BSTR* out) {
    if (!out) return E_INVALIDARG;
    *out = text.empty() ? nullptr : SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (text.empty()) return S_FALSE;
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Number(LONG value, VARIANT* out) {
    if (!out) return E_INVALIDARG;
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

}  // namespace

CBoardAccessible::CBoardAccessible(HWND hwnd, CBoardAccess& access)
    : m_hwnd(hwnd), m_access(&access), m_notationShown(access.NotationShown()) {
    CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&m_window));
    for (int cell = 0; cell < CBoardAccess::kCells; ++cell) m_names[cell] = CWideText::Wide(access.CellName(cell));
    MarkLive();
}

CBoardAccessible::~CBoardAccessible() {
    if (m_window) m_window->Release();
}

namespace {

bool IsLiveText(LONG id) { return id >= CBoardAccessible::kFirstLiveText && id < CBoardAccessible::kNotationText; }

}  // namespace

void CBoardAccessible::MarkLive() {
    // Without the service (Wine) the events alone carry the messages.
    for (LONG id = kFirstLiveText; id < kNotationText; ++id)
        if (!CAccessibleProps::SetLive(m_hwnd, id, CAccessibleProps::kAssertive)) return;
}

void CBoardAccessible::Disconnect() {
    if (m_window) m_window->Release();
    m_window = nullptr;
    m_access = nullptr;
    m_hwnd = nullptr;
}

HRESULT CBoardAccessible::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CBoardAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }

ULONG CBoardAccessible::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT CBoardAccessible::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}
HRESULT CBoardAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}
HRESULT CBoardAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT CBoardAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

LONG CBoardAccessible::ChildOf(const VARIANT& child) {
    if (child.vt != VT_I4) return kNoChild;
    const LONG id = child.lVal;
    return id >= CHILDID_SELF && id <= kLastChild ? id : kNoChild;
}

HRESULT CBoardAccessible::get_accParent(IDispatch** parent) {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    return m_window ? m_window->get_accParent(parent) : S_FALSE;
}

HRESULT CBoardAccessible::get_accChildCount(LONG* count) {
    if (!count) return E_POINTER;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    *count = kLastChild;
    return S_OK;
}

HRESULT CBoardAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    // The cells and the live texts are simple elements of this object.
    const LONG id = ChildOf(child);
    return id == kNoChild || id == CHILDID_SELF ? E_INVALIDARG : S_FALSE;
}

HRESULT CBoardAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    const LONG id = ChildOf(child);
    if (id == kNoChild) return E_INVALIDARG;
    if (id == CHILDID_SELF) return Text(CWideText::Wide(m_access->BoardName()), name);
    if (IsLiveText(id)) return Text(m_spoken[id - kFirstLiveText], name);
    if (id == kNotationText) return Text(CWideText::Wide(CBoardSpeech::kNotationName), name);
    return Text(CWideText::Wide(m_access->CellName(id - kFirstCell)), name);
}

HRESULT CBoardAccessible::get_accValue(VARIANT child, BSTR* value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    // The notation's lines, while it is shown; nothing has a value besides.
    if (ChildOf(child) != kNotationText) return DISP_E_MEMBERNOTFOUND;
    if (!m_notationShown) return S_FALSE;
    std::wstring lines = CWideText::Wide(m_access->Notation().Text());
    return Text(lines, value);
}

HRESULT CBoardAccessible::get_accDescription(VARIANT, BSTR* description) {
    if (description) *description = nullptr;
    return Connected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT CBoardAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_POINTER;
    VariantInit(role);
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    const LONG id = ChildOf(child);
    if (id == kNoChild) return E_INVALIDARG;
    if (id == CHILDID_SELF) return Number(ROLE_SYSTEM_TABLE, role);
    if (id == kNotationText) return Number(ROLE_SYSTEM_TEXT, role);
    return Number(IsLiveText(id) ? ROLE_SYSTEM_STATICTEXT : ROLE_SYSTEM_CELL, role);
}

HRESULT CBoardAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!state) return E_POINTER;
    VariantInit(state);
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    const LONG id = ChildOf(child);
    if (id == kNoChild) return E_INVALIDARG;
    if (id == CHILDID_SELF) return Number(STATE_SYSTEM_FOCUSABLE, state);
    if (IsLiveText(id)) return Number(STATE_SYSTEM_READONLY, state);
    if (id == kNotationText) {
        if (!m_notationShown) return Number(STATE_SYSTEM_READONLY | STATE_SYSTEM_INVISIBLE, state);
        return Number(STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE | (GetFocus() == m_hwnd ? STATE_SYSTEM_FOCUSED : 0),
                      state);
    }
    const int cell = id - kFirstCell;
    LONG flags = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (!m_notationShown && GetFocus() == m_hwnd && m_access->FocusedCell() == cell) flags |= STATE_SYSTEM_FOCUSED;
    if (m_access->CellPicked(cell)) flags |= STATE_SYSTEM_SELECTED;
    return Number(flags, state);
}

HRESULT CBoardAccessible::get_accHelp(VARIANT, BSTR* help) {
    if (help) *help = nullptr;
    return Connected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT CBoardAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return Connected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT CBoardAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    if (shortcut) *shortcut = nullptr;
    return Connected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT CBoardAccessible::get_accFocus(VARIANT* child) {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (GetFocus() != m_hwnd) return S_FALSE;
    return Number(m_notationShown ? kNotationText : kFirstCell + m_access->FocusedCell(), child);
}

HRESULT CBoardAccessible::get_accSelection(VARIANT* children) {
    if (!children) return E_POINTER;
    VariantInit(children);
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    for (int cell = 0; cell < CBoardAccess::kCells; ++cell)
        if (m_access->CellPicked(cell)) return Number(kFirstCell + cell, children);
    return S_FALSE;
}

HRESULT CBoardAccessible::get_accDefaultAction(VARIANT, BSTR* action) {
    if (action) *action = nullptr;
    return Connected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT CBoardAccessible::accSelect(LONG, VARIANT) {
    return Connected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

RECT CBoardAccessible::CellRect(int cell) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int column = cell % CBoardAccess::kColumns;
    const int row = cell / CBoardAccess::kColumns;
    const CBoardGeometry::Rect square = CBoardGeometry::SquareRect(column, row, client.right, client.bottom);
    return {square.left, square.top, square.right, square.bottom};
}

HRESULT CBoardAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    const LONG id = ChildOf(child);
    if (id == kNoChild) return E_INVALIDARG;
    RECT area;
    if (id == CHILDID_SELF || IsLiveText(id) || id == kNotationText)
        GetClientRect(m_hwnd, &area);
    else
        area = CellRect(id - kFirstCell);
    MapWindowPoints(m_hwnd, nullptr, reinterpret_cast<POINT*>(&area), 2);
    *left = area.left;
    *top = area.top;
    *width = area.right - area.left;
    *height = area.bottom - area.top;
    return S_OK;
}

HRESULT CBoardAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    if (!end) return E_POINTER;
    VariantInit(end);
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    const LONG id = ChildOf(start);
    if (id == kNoChild) return E_INVALIDARG;
    if (id == CHILDID_SELF) {
        if (direction == NAVDIR_FIRSTCHILD) return Number(kFirstCell, end);
        if (direction == NAVDIR_LASTCHILD) return Number(kLastChild, end);
        // Beside the window: the system's object knows.
        return m_window ? m_window->accNavigate(direction, start, end) : S_FALSE;
    }
    LONG next = kNoChild;
    const int cell = id - kFirstCell;
    const int column = cell % CBoardAccess::kColumns;
    const bool isCell = id <= kLastCell;
    switch (direction) {
        case NAVDIR_NEXT: next = id < kLastChild ? id + 1 : kNoChild; break;
        case NAVDIR_PREVIOUS: next = id > kFirstCell ? id - 1 : kNoChild; break;
        case NAVDIR_UP: next = isCell && id - CBoardAccess::kColumns >= kFirstCell ? id - CBoardAccess::kColumns : kNoChild; break;
        case NAVDIR_DOWN: next = isCell && id + CBoardAccess::kColumns <= kLastCell ? id + CBoardAccess::kColumns : kNoChild; break;
        case NAVDIR_LEFT: next = isCell && column > 0 ? id - 1 : kNoChild; break;
        case NAVDIR_RIGHT: next = isCell && column < CBoardAccess::kColumns - 1 ? id + 1 : kNoChild; break;
        default: break;
    }
    return next == kNoChild ? S_FALSE : Number(next, end);
}

HRESULT CBoardAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    POINT point = {x, y};
    ScreenToClient(m_hwnd, &point);
    RECT client;
    GetClientRect(m_hwnd, &client);
    int column = 0, row = 0;
    if (!CBoardGeometry::SquareAt(point.x, point.y, client.right, client.bottom, &column, &row)) return S_FALSE;
    return Number(kFirstCell + row * CBoardAccess::kColumns + column, child);
}

HRESULT CBoardAccessible::accDoDefaultAction(VARIANT) {
    return Connected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}
HRESULT CBoardAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT CBoardAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

void CBoardAccessible::Notify(DWORD event, LONG child) const {
    if (m_hwnd) NotifyWinEvent(event, m_hwnd, OBJID_CLIENT, child);
}

void CBoardAccessible::FocusCell(int cell) {
    if (GetFocus() == m_hwnd) Notify(EVENT_OBJECT_FOCUS, kFirstCell + cell);
}

void CBoardAccessible::CellsChanged() {
    if (!Connected()) return;
    Notify(EVENT_OBJECT_NAMECHANGE, CHILDID_SELF);
    // Only the cells whose names changed: a move touches two to four.
    for (int cell = 0; cell < CBoardAccess::kCells; ++cell) {
        std::wstring name = CWideText::Wide(m_access->CellName(cell));
        if (name == m_names[cell]) continue;
        m_names[cell] = std::move(name);
        Notify(EVENT_OBJECT_NAMECHANGE, kFirstCell + cell);
    }
}

void CBoardAccessible::Announce(const std::string& text) {
    const LONG slot = m_spokenCount++ % kLiveTexts;
    m_spoken[slot] = CWideText::Wide(text);
    Notify(EVENT_OBJECT_NAMECHANGE, kFirstLiveText + slot);
    Notify(EVENT_OBJECT_LIVEREGIONCHANGED, kFirstLiveText + slot);
}

void CBoardAccessible::NotationShown(bool shown) {
    m_notationShown = shown;
    if (!Connected()) return;
    // The board's name is the notation's while it is shown.
    Notify(EVENT_OBJECT_NAMECHANGE, CHILDID_SELF);
    Notify(shown ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, kNotationText);
    if (GetFocus() != m_hwnd) return;
    Notify(EVENT_OBJECT_FOCUS, shown ? kNotationText : kFirstCell + m_access->FocusedCell());
}

void CBoardAccessible::NotationLine(int line, bool) {
    // MSAA has no caret for a read-only text: the line is spoken as a message.
    if (Connected() && m_notationShown) Announce(m_access->Notation().Line(line));
}
