#include "app/win32/kit/dialogtemplate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/dialogs/legalmovesdlglogic.h"
#include "app/core/dialogs/moveentrydlglogic.h"
#include "app/core/dialogs/settingsdlglogic.h"
#include "app/win32/kit/widetext.h"
#include "dialogdriver.h"

namespace {

const DialogLayout* const kLayouts[] = {
    &CSettingsDlgLogic::kLayout,
    &CMoveEntryDlgLogic::kLayout,
    &CLegalMovesDlgLogic::kLayout,
    &CMainFrameTexts::kAboutLayout,
};

// What a resource script would write for each kind of row.
struct KindExpectation {
    ControlKind kind;
    WORD classAtom;
    const wchar_t* className;
    DWORD typeMask;  // the bits that pick the control's type
    DWORD type;
    DWORD styles;  // further bits that must be set
    DWORD absent = 0;  // and bits that must not
};

const KindExpectation kKinds[] = {
    {ControlKind::kCheckBox, 0x0080, L"button", BS_TYPEMASK, BS_CHECKBOX, WS_TABSTOP},
    {ControlKind::kPushButton, 0x0080, L"button", BS_TYPEMASK, BS_PUSHBUTTON, WS_TABSTOP},
    {ControlKind::kDefaultPushButton, 0x0080, L"button", BS_TYPEMASK, BS_DEFPUSHBUTTON, WS_TABSTOP},
    {ControlKind::kRadioButton, 0x0080, L"button", BS_TYPEMASK, BS_AUTORADIOBUTTON, 0},
    {ControlKind::kGroupBox, 0x0080, L"button", BS_TYPEMASK, BS_GROUPBOX, 0},
    {ControlKind::kEdit, 0x0081, L"edit", ES_MULTILINE, 0, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP},
    {ControlKind::kListBox, 0x0083, L"listbox", LBS_MULTIPLESEL | LBS_EXTENDEDSEL, 0,
     LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
    {ControlKind::kPicture, 0x0082, L"static", SS_TYPEMASK, SS_BITMAP, 0},
    {ControlKind::kIcon, 0x0082, L"static", SS_TYPEMASK, SS_ICON, 0},
    {ControlKind::kText, 0x0082, L"static", SS_TYPEMASK, SS_LEFT, 0, SS_NOPREFIX},
    {ControlKind::kTextNoPrefix, 0x0082, L"static", SS_TYPEMASK, SS_LEFT, SS_NOPREFIX},
};

const KindExpectation& Expected(ControlKind kind) {
    for (const KindExpectation& expectation : kKinds)
        if (expectation.kind == kind) return expectation;
    ADD_FAILURE() << "no expectation for kind " << static_cast<int>(kind);
    return kKinds[0];
}

struct ItemRead {
    size_t offset;
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    WORD classMarker;
    WORD classAtom;
    std::wstring title;
    WORD extraBytes;
};

struct TemplateRead {
    DWORD style;
    WORD count;
    short cx, cy;
    WORD menu;
    WORD windowClass;
    std::wstring caption;
    WORD points;
    std::wstring font;
    std::vector<ItemRead> items;
    size_t end;
};

// Reads the template back the way the system does, byte by byte.
class Reader {
public:
    explicit Reader(const CDialogTemplate& t) : m_base(reinterpret_cast<const BYTE*>(t.Get())) {}

    WORD Word() {
        WORD value;
        std::memcpy(&value, m_base + m_pos, sizeof value);
        m_pos += sizeof value;
        return value;
    }
    DWORD Dword() {
        const WORD low = Word();
        return MAKELONG(low, Word());
    }
    short Short() { return static_cast<short>(Word()); }
    std::wstring Text() {
        std::wstring text;
        for (WORD c = Word(); c != 0; c = Word()) text.push_back(static_cast<wchar_t>(c));
        return text;
    }
    void AlignToDword() { m_pos = (m_pos + 3) & ~static_cast<size_t>(3); }
    size_t Pos() const { return m_pos; }

private:
    const BYTE* m_base;
    size_t m_pos = 0;
};

TemplateRead ReadBack(const CDialogTemplate& t) {
    Reader in(t);
    TemplateRead read = {};
    read.style = in.Dword();
    in.Dword();  // extended style
    read.count = in.Word();
    in.Short();
    in.Short();
    read.cx = in.Short();
    read.cy = in.Short();
    read.menu = in.Word();
    read.windowClass = in.Word();
    read.caption = in.Text();
    read.points = in.Word();
    read.font = in.Text();
    for (int i = 0; i < read.count; ++i) {
        in.AlignToDword();
        ItemRead item = {};
        item.offset = in.Pos();
        item.style = in.Dword();
        in.Dword();
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = in.Word();
        item.classMarker = in.Word();
        item.classAtom = in.Word();
        item.title = in.Text();
        item.extraBytes = in.Word();
        read.items.push_back(item);
    }
    read.end = in.Pos();
    return read;
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

bool ShowsAPicture(ControlKind kind) { return kind == ControlKind::kPicture || kind == ControlKind::kIcon; }

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

TEST(DialogTemplate, HeaderHasTheFontTheCaptionTheSizeAndOneItemARow) {
    for (const DialogLayout* layout : kLayouts) {
        SCOPED_TRACE(layout->caption);
        const CDialogTemplate built(*layout);
        const TemplateRead read = ReadBack(built);
        EXPECT_TRUE(read.style & DS_SETFONT);
        EXPECT_EQ(read.style & (WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_POPUP),
                  static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_POPUP));
        // Hidden until DoModal shows it, so that tests can drive it unseen.
        EXPECT_FALSE(read.style & WS_VISIBLE);
        EXPECT_EQ(read.points, 8);
        EXPECT_EQ(read.font, L"MS Sans Serif");
        EXPECT_EQ(read.caption, CWideText::Wide(layout->caption));
        EXPECT_EQ(read.cx, layout->width);
        EXPECT_EQ(read.cy, layout->height);
        EXPECT_EQ(read.menu, 0);
        EXPECT_EQ(read.windowClass, 0);
        EXPECT_EQ(read.count, layout->count);
        EXPECT_EQ(read.end, built.SizeInBytes());
    }
}

TEST(DialogTemplate, EachItemIsItsTableRowDwordAlignedWithItsKindsClassAndStyle) {
    for (const DialogLayout* layout : kLayouts) {
        const CDialogTemplate built(*layout);
        const TemplateRead read = ReadBack(built);
        ASSERT_EQ(read.items.size(), static_cast<size_t>(layout->count)) << layout->caption;
        for (int i = 0; i < layout->count; ++i) {
            SCOPED_TRACE(std::string(layout->caption) + " row " + std::to_string(i));
            const DialogControl& row = layout->controls[i];
            const ItemRead& item = read.items[static_cast<size_t>(i)];
            const KindExpectation& kind = Expected(row.kind);
            EXPECT_EQ(item.offset % 4, 0u);
            EXPECT_EQ(item.id, static_cast<WORD>(row.id));
            EXPECT_EQ(item.x, row.left);
            EXPECT_EQ(item.y, row.top);
            EXPECT_EQ(item.cx, row.width);
            EXPECT_EQ(item.cy, row.height);
            EXPECT_EQ(item.classMarker, 0xFFFF);
            EXPECT_EQ(item.classAtom, kind.classAtom);
            EXPECT_EQ(item.style & kind.typeMask, kind.type);
            EXPECT_EQ(item.style & kind.styles, kind.styles);
            EXPECT_EQ(item.style & kind.absent, 0u);
            EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
            EXPECT_EQ(item.title, ShowsAPicture(row.kind) ? L"" : CWideText::Wide(row.text));
            EXPECT_EQ(item.extraBytes, 0);
        }
    }
}

TEST(DialogTemplate, TheLevelButtonsAreOneGroupThatTabReachesAtItsFirst) {
    const DialogLayout& layout = CSettingsDlgLogic::kLayout;
    const TemplateRead read = ReadBack(CDialogTemplate(layout));
    for (int i = 0; i < layout.count; ++i) {
        const int id = layout.controls[i].id;
        const DWORD style = read.items[static_cast<size_t>(i)].style;
        if (!CSettingsDlgLogic::IsLevel(id)) {
            // Nothing else joins the levels' group.
            EXPECT_TRUE(style & WS_GROUP) << id;
            continue;
        }
        const bool first = id == CSettingsDlgLogic::kFirstLevel;
        EXPECT_EQ((style & WS_GROUP) != 0, first) << id;
        EXPECT_EQ((style & WS_TABSTOP) != 0, first) << id;
    }
}

TEST(DialogTemplate, TheSystemMakesTheControlsInRowOrderWhereTheTableSays) {
    for (const DialogLayout* layout : kLayouts) {
        SCOPED_TRACE(layout->caption);
        const CDialogTemplate built(*layout);
        HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), built.Get(), nullptr, PlainDialog, 0);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialogdriver::Text(dialog), CWideText::Wide(layout->caption));

        RECT client;
        GetClientRect(dialog, &client);
        RECT size = {0, 0, layout->width, layout->height};
        MapDialogRect(dialog, &size);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

        LOGFONTW font = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(font.lfHeight, -MulDiv(DialogLayout::kFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72));
        ReleaseDC(nullptr, screen);

        const std::vector<HWND> children = dialogdriver::Children(dialog);
        ASSERT_EQ(children.size(), static_cast<size_t>(layout->count));
        for (int i = 0; i < layout->count; ++i) {
            SCOPED_TRACE(i);
            const DialogControl& row = layout->controls[i];
            HWND control = children[static_cast<size_t>(i)];
            wchar_t className[32] = {};
            GetClassNameW(control, className, 32);
            EXPECT_EQ(Lower(className), Expected(row.kind).className);
            EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(row.id));
            if (!ShowsAPicture(row.kind)) {
                EXPECT_EQ(dialogdriver::Text(control), CWideText::Wide(row.text));
            }

            // Place and size are each turned into pixels, as the system does.
            RECT place = {row.left, row.top, row.width, row.height};
            MapDialogRect(dialog, &place);
            RECT actual;
            GetWindowRect(control, &actual);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_EQ(actual.left, place.left);
            EXPECT_EQ(actual.top, place.top);
            // A picture or an icon takes its own size.
            if (ShowsAPicture(row.kind)) continue;
            EXPECT_EQ(actual.right - actual.left, place.right);
            EXPECT_EQ(actual.bottom - actual.top, place.bottom);
        }
        DestroyWindow(dialog);
    }
}
