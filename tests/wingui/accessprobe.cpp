// What a screen reader learns from the Windows program, through MSAA alone:
//   torvo_accessprobe board          the board's role, name, 64 cells, live texts and
//                                    the notation's text with its value
//   torvo_accessprobe watch SECONDS  the focus, the live text and the boxes
//                                    shown, one line an event, until the time is up
// Lines are UTF-8, each flushed as written, so that a test can follow them.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const wchar_t* kFrameClass = L"TorvoFrame";
constexpr const wchar_t* kViewClass = L"TorvoView";
constexpr const wchar_t* kDialogClass = L"#32770";
constexpr LONG kCells = 64;
constexpr DWORD kFindMilliseconds = 20000;

std::string Utf8(const wchar_t* wide, int length = -1) {
    if (!wide) return "";
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide, length, &text[0], size, nullptr, nullptr);
    if (length < 0 && !text.empty()) text.pop_back();
    return text;
}

void Line(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

VARIANT Child(LONG id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::string NameOf(IAccessible* object, LONG id) {
    BSTR name = nullptr;
    if (object->get_accName(Child(id), &name) != S_OK || !name) return "";
    std::string text = Utf8(name, static_cast<int>(SysStringLen(name)));
    SysFreeString(name);
    // One line each: a message box's text may run over several.
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// A value's lines joined by " | ", on one line.
std::string ValueOf(IAccessible* object, LONG id) {
    BSTR value = nullptr;
    if (object->get_accValue(Child(id), &value) != S_OK || !value) return "";
    std::string text = Utf8(value, static_cast<int>(SysStringLen(value)));
    SysFreeString(value);
    std::string joined;
    for (char c : text) joined += c == '\n' ? std::string(" | ") : std::string(1, c);
    return joined;
}

LONG NumberOf(HRESULT result, const VARIANT& value) { return SUCCEEDED(result) && value.vt == VT_I4 ? value.lVal : -1; }

LONG RoleOf(IAccessible* object, LONG id) {
    VARIANT role;
    VariantInit(&role);
    return NumberOf(object->get_accRole(Child(id), &role), role);
}

LONG StateOf(IAccessible* object, LONG id) {
    VARIANT state;
    VariantInit(&state);
    return NumberOf(object->get_accState(Child(id), &state), state);
}

// The roles a player meets, by a short name; others by number.
std::string RoleName(LONG role) {
    switch (role) {
        case ROLE_SYSTEM_TABLE: return "table";
        case ROLE_SYSTEM_CELL: return "cell";
        case ROLE_SYSTEM_STATICTEXT: return "text";
        case ROLE_SYSTEM_TEXT: return "edit";
        case ROLE_SYSTEM_LIST: return "list";
        case ROLE_SYSTEM_LISTITEM: return "listitem";
        case ROLE_SYSTEM_PUSHBUTTON: return "button";
        case ROLE_SYSTEM_RADIOBUTTON: return "radio";
        case ROLE_SYSTEM_CHECKBUTTON: return "checkbox";
        case ROLE_SYSTEM_GROUPING: return "group";
        case ROLE_SYSTEM_DIALOG: return "dialog";
        case ROLE_SYSTEM_WINDOW: return "window";
        case ROLE_SYSTEM_CLIENT: return "client";
        case ROLE_SYSTEM_GRAPHIC: return "graphic";
        default: return "role" + std::to_string(role);
    }
}

std::string States(LONG state) {
    std::string text;
    if (state & STATE_SYSTEM_FOCUSED) text += " focused";
    if (state & STATE_SYSTEM_SELECTED) text += " selected";
    if (state & STATE_SYSTEM_CHECKED) text += " checked";
    if (state & STATE_SYSTEM_READONLY) text += " readonly";
    return text;
}

HWND FindBoard() {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND frame = FindWindowW(kFrameClass, nullptr);
        HWND view = frame ? FindWindowExW(frame, nullptr, kViewClass, nullptr) : nullptr;
        if (view || GetTickCount() - start > kFindMilliseconds) return view;
        Sleep(100);
    }
}

int ReadBoard() {
    HWND view = FindBoard();
    if (!view) {
        Line("error: no board window");
        return 1;
    }
    IAccessible* board = nullptr;
    if (FAILED(AccessibleObjectFromWindow(view, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&board))) ||
        !board) {
        Line("error: no accessible object");
        return 1;
    }
    LONG count = 0;
    board->get_accChildCount(&count);
    Line("board " + RoleName(RoleOf(board, CHILDID_SELF)) + ": " + NameOf(board, CHILDID_SELF) + " (" +
         std::to_string(count) + " children)");
    for (LONG id = 1; id <= kCells; ++id)
        Line("cell " + std::to_string(id) + " " + RoleName(RoleOf(board, id)) + States(StateOf(board, id)) + ": " +
             NameOf(board, id));
    // After the cells, the live texts, then the notation's text.
    for (LONG id = kCells + 1; id <= count; ++id) {
        const LONG role = RoleOf(board, id);
        if (role == ROLE_SYSTEM_TEXT)
            Line("notation " + std::to_string(id) + " " + RoleName(role) + States(StateOf(board, id)) + ": " +
                 NameOf(board, id) + " = " + ValueOf(board, id));
        else
            Line("live " + std::to_string(id) + " " + RoleName(role) + ": " + NameOf(board, id));
    }
    board->Release();
    return 0;
}

// A dialog as read out when it appears: its caption, then each control's
// role and name, as MSAA gives them.
void ReadDialog(HWND dialog) {
    wchar_t caption[256] = L"";
    GetWindowTextW(dialog, caption, 256);
    Line("dialog: " + Utf8(caption));
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&object))) ||
            !object)
            continue;
        Line("  " + RoleName(RoleOf(object, CHILDID_SELF)) + ": " + NameOf(object, CHILDID_SELF));
        object->Release();
    }
}

bool IsDialog(HWND hwnd) {
    wchar_t name[32] = L"";
    GetClassNameW(hwnd, name, 32);
    return std::wcscmp(name, kDialogClass) == 0;
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if ((event == EVENT_OBJECT_SHOW && object == OBJID_WINDOW && hwnd && IsDialog(hwnd)) ||
        event == EVENT_SYSTEM_DIALOGSTART) {
        ReadDialog(hwnd);
        return;
    }
    const char* kind = event == EVENT_OBJECT_FOCUS                ? "focus"
                       : event == EVENT_OBJECT_LIVEREGIONCHANGED ? "live"
                       : event == EVENT_SYSTEM_ALERT             ? "alert"
                                                                  : nullptr;
    if (!kind) return;
    // Wine tells neither the show nor the alert of a box: a dialog is read
    // as the focus enters it, as a screen reader does.
    static HWND s_dialog = nullptr;
    HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    if (event == EVENT_OBJECT_FOCUS && root && root != s_dialog && IsDialog(root)) ReadDialog(root);
    if (event == EVENT_OBJECT_FOCUS) s_dialog = root && IsDialog(root) ? root : nullptr;
    IAccessible* target = nullptr;
    VARIANT id;
    VariantInit(&id);
    if (FAILED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(object), static_cast<DWORD>(child), &target,
                                         &id)) ||
        !target)
        return;
    const LONG which = id.vt == VT_I4 ? id.lVal : CHILDID_SELF;
    Line(std::string(kind) + " " + RoleName(RoleOf(target, which)) + ": " + NameOf(target, which));
    target->Release();
}

int Watch(DWORD seconds) {
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, &OnEvent, 0, 0,
                                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (!hook) {
        Line("error: no event hook");
        return 1;
    }
    Line("watching");
    const UINT_PTR timer = SetTimer(nullptr, 0, seconds * 1000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == timer) break;
        DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Lines end in \n alone, as the tests on the other side read them.
    _setmode(_fileno(stdout), _O_BINARY);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int code = 2;
    if (argc >= 2 && std::strcmp(argv[1], "board") == 0)
        code = ReadBoard();
    else if (argc >= 3 && std::strcmp(argv[1], "watch") == 0)
        code = Watch(static_cast<DWORD>(std::atoi(argv[2])));
    else
        std::fprintf(stderr, "usage: torvo_accessprobe board | watch SECONDS\n");
    CoUninitialize();
    return code;
}
