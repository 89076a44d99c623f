#include "app/wx/boardaccessible.h"

#include <wx/window.h>

#include <gtk/gtk-a11y.h>
#include <gtk/gtk.h>

#include "app/core/access/boardaccess.h"
#include "app/core/access/notationreader.h"
#include "app/core/picture/boardgeometry.h"

namespace {

constexpr int kCells = CBoardAccess::kCells;
constexpr int kColumns = CBoardAccess::kColumns;
// The table's children: the cells, the notation's text, then the messages.
constexpr int kNotationIndex = kCells;
constexpr int kFirstNote = kNotationIndex + 1;
// Where the board's widget keeps its owner, and the widget class's own
// get_accessible, called for every other widget of the class.
constexpr const char* kOwnerKey = "torvo-board-accessible";
constexpr const char* kOriginalKey = "torvo-original-get-accessible";
// Messages shown before the newest stay a while: the screen reader asks
// for a message's name after its event, by then others may have come.
constexpr guint kKeptNotes = 8;

}  // namespace

// The GObject types: the table, a subclass of GTK's container accessible so
// that it sits in the window's tree and follows the widget's focus, and its
// items, the 64 cells and the messages, and the notation's text.
extern "C" {

typedef struct {
    GtkContainerAccessible parent;
    CBoardAccessible* owner;
    AtkObject* cells[kCells];
    AtkObject* notation;
    GPtrArray* notes;
    gchar* name;
} TorvoBoardTable;
typedef struct {
    GtkContainerAccessibleClass parent;
} TorvoBoardTableClass;

typedef struct {
    AtkObject parent;
    TorvoBoardTable* table;  // not owned: the table owns its items
    int index;               // the cell's, or -1 for a message
    gboolean shown;
    gchar* name;
} TorvoBoardItem;
typedef struct {
    AtkObjectClass parent;
} TorvoBoardItemClass;

typedef struct {
    AtkObject parent;
    TorvoBoardTable* table;  // not owned: the table owns it
    gchar* text;             // the last text asked for
} TorvoNotationText;
typedef struct {
    AtkObjectClass parent;
} TorvoNotationTextClass;

static void torvo_board_item_component_init(AtkComponentIface* iface);
static void torvo_notation_text_text_init(AtkTextIface* iface);
// No AtkTable: with it, Orca reads the whole rank at each step up or down
// and the player cannot tell which of the eight squares the cursor is on.
G_DEFINE_TYPE(TorvoBoardTable, torvo_board_table, GTK_TYPE_CONTAINER_ACCESSIBLE)
G_DEFINE_TYPE_WITH_CODE(TorvoBoardItem, torvo_board_item, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, torvo_board_item_component_init))
G_DEFINE_TYPE_WITH_CODE(TorvoNotationText, torvo_notation_text, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, torvo_board_item_component_init)
                            G_IMPLEMENT_INTERFACE(ATK_TYPE_TEXT, torvo_notation_text_text_init))

}  // extern "C"

namespace {

TorvoBoardTable* TableOf(gpointer object) {
    return G_TYPE_CHECK_INSTANCE_CAST(object, torvo_board_table_get_type(), TorvoBoardTable);
}
TorvoBoardItem* ItemOf(gpointer object) {
    return G_TYPE_CHECK_INSTANCE_CAST(object, torvo_board_item_get_type(), TorvoBoardItem);
}
TorvoNotationText* NotationOf(gpointer object) {
    return G_TYPE_CHECK_INSTANCE_CAST(object, torvo_notation_text_get_type(), TorvoNotationText);
}
bool IsNotation(gpointer object) { return G_TYPE_CHECK_INSTANCE_TYPE(object, torvo_notation_text_get_type()); }

// ATK's strings are the object's: kept until the next ask.
const gchar* KeepName(gchar** slot, const std::string& text) {
    g_free(*slot);
    *slot = g_strdup(text.c_str());
    return *slot;
}

AtkObject* NewItem(TorvoBoardTable* table, int index, AtkRole role) {
    auto* item = ItemOf(g_object_new(torvo_board_item_get_type(), nullptr));
    item->table = table;
    item->index = index;
    ATK_OBJECT(item)->role = role;
    return ATK_OBJECT(item);
}

}  // namespace

extern "C" {

// The table.

static void torvo_board_table_init(TorvoBoardTable* table) {
    table->notes = g_ptr_array_new_with_free_func(g_object_unref);
    for (int cell = 0; cell < kCells; ++cell) table->cells[cell] = NewItem(table, cell, ATK_ROLE_TABLE_CELL);
    auto* notation = NotationOf(g_object_new(torvo_notation_text_get_type(), nullptr));
    notation->table = table;
    ATK_OBJECT(notation)->role = ATK_ROLE_TEXT;
    table->notation = ATK_OBJECT(notation);
}

static void torvo_board_table_initialize(AtkObject* object, gpointer data) {
    ATK_OBJECT_CLASS(torvo_board_table_parent_class)->initialize(object, data);
    object->role = ATK_ROLE_TABLE;
}

static void torvo_board_table_finalize(GObject* object) {
    TorvoBoardTable* table = TableOf(object);
    // The screen reader may hold items longer than the table.
    for (AtkObject* cell : table->cells) {
        ItemOf(cell)->table = nullptr;
        g_object_unref(cell);
    }
    NotationOf(table->notation)->table = nullptr;
    g_object_unref(table->notation);
    for (guint i = 0; i < table->notes->len; ++i) ItemOf(g_ptr_array_index(table->notes, i))->table = nullptr;
    g_ptr_array_unref(table->notes);
    g_free(table->name);
    G_OBJECT_CLASS(torvo_board_table_parent_class)->finalize(object);
}

static const gchar* torvo_board_table_get_name(AtkObject* object) {
    TorvoBoardTable* table = TableOf(object);
    return table->owner ? KeepName(&table->name, table->owner->BoardName()) : nullptr;
}

static gint torvo_board_table_get_n_children(AtkObject* object) {
    return kFirstNote + static_cast<gint>(TableOf(object)->notes->len);
}

static AtkObject* torvo_board_table_ref_child(AtkObject* object, gint index) {
    TorvoBoardTable* table = TableOf(object);
    if (index >= 0 && index < kCells) return ATK_OBJECT(g_object_ref(table->cells[index]));
    if (index == kNotationIndex) return ATK_OBJECT(g_object_ref(table->notation));
    const guint note = static_cast<guint>(index - kFirstNote);
    if (index >= kFirstNote && note < table->notes->len) return ATK_OBJECT(g_object_ref(g_ptr_array_index(table->notes, note)));
    return nullptr;
}

static AtkStateSet* torvo_board_table_ref_state_set(AtkObject* object) {
    AtkStateSet* states = ATK_OBJECT_CLASS(torvo_board_table_parent_class)->ref_state_set(object);
    atk_state_set_add_state(states, ATK_STATE_MANAGES_DESCENDANTS);
    return states;
}

static void torvo_board_table_class_init(TorvoBoardTableClass* klass) {
    G_OBJECT_CLASS(klass)->finalize = torvo_board_table_finalize;
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->initialize = torvo_board_table_initialize;
    atk->get_name = torvo_board_table_get_name;
    atk->get_n_children = torvo_board_table_get_n_children;
    atk->ref_child = torvo_board_table_ref_child;
    atk->ref_state_set = torvo_board_table_ref_state_set;
}

// The items.

static void torvo_board_item_init(TorvoBoardItem* item) { item->index = -1; }

static void torvo_board_item_finalize(GObject* object) {
    g_free(ItemOf(object)->name);
    G_OBJECT_CLASS(torvo_board_item_parent_class)->finalize(object);
}

static CBoardAccessible* OwnerOf(TorvoBoardItem* item) { return item->table ? item->table->owner : nullptr; }

static const gchar* torvo_board_item_get_name(AtkObject* object) {
    TorvoBoardItem* item = ItemOf(object);
    if (item->index < 0) return item->name;
    CBoardAccessible* owner = OwnerOf(item);
    return owner ? KeepName(&item->name, owner->CellName(item->index)) : nullptr;
}

static AtkObject* torvo_board_item_get_parent(AtkObject* object) {
    TorvoBoardItem* item = ItemOf(object);
    return item->table ? ATK_OBJECT(item->table) : nullptr;
}

static gint torvo_board_item_get_index_in_parent(AtkObject* object) {
    TorvoBoardItem* item = ItemOf(object);
    if (item->index >= 0 || !item->table) return item->index;
    for (guint i = 0; i < item->table->notes->len; ++i)
        if (g_ptr_array_index(item->table->notes, i) == item) return kFirstNote + static_cast<gint>(i);
    return -1;
}

static AtkStateSet* torvo_board_item_ref_state_set(AtkObject* object) {
    TorvoBoardItem* item = ItemOf(object);
    AtkStateSet* states = atk_state_set_new();
    CBoardAccessible* owner = OwnerOf(item);
    if (!owner) {
        atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
        return states;
    }
    atk_state_set_add_state(states, ATK_STATE_VISIBLE);
    if (item->index < 0) {
        if (item->shown) atk_state_set_add_state(states, ATK_STATE_SHOWING);
        return states;
    }
    atk_state_set_add_state(states, ATK_STATE_SHOWING);
    atk_state_set_add_state(states, ATK_STATE_FOCUSABLE);
    atk_state_set_add_state(states, ATK_STATE_SELECTABLE);
    if (owner->CellFocused(item->index)) atk_state_set_add_state(states, ATK_STATE_FOCUSED);
    if (owner->CellPicked(item->index)) atk_state_set_add_state(states, ATK_STATE_SELECTED);
    return states;
}

static void torvo_board_item_class_init(TorvoBoardItemClass* klass) {
    G_OBJECT_CLASS(klass)->finalize = torvo_board_item_finalize;
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->get_name = torvo_board_item_get_name;
    atk->get_parent = torvo_board_item_get_parent;
    atk->get_index_in_parent = torvo_board_item_get_index_in_parent;
    atk->ref_state_set = torvo_board_item_ref_state_set;
}

static void torvo_board_item_get_extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height,
                                         AtkCoordType coords) {
    // The notation's text and the messages lie over the whole board.
    const bool notation = IsNotation(component);
    TorvoBoardTable* table = notation ? NotationOf(component)->table : ItemOf(component)->table;
    const int index = notation ? -1 : ItemOf(component)->index;
    *x = *y = *width = *height = 0;
    CBoardAccessible* owner = table ? table->owner : nullptr;
    if (!owner) return;
    if (index >= 0)
        owner->CellExtents(index, x, y, width, height);
    else
        owner->BoardExtents(x, y, width, height);
    if (coords == ATK_XY_SCREEN) return;
    // Relative to the window, or to the board for ATK_XY_PARENT.
    gint originX = 0, originY = 0, unusedWidth = 0, unusedHeight = 0;
    if (coords == ATK_XY_WINDOW) {
        GtkWidget* widget = gtk_accessible_get_widget(GTK_ACCESSIBLE(table));
        GdkWindow* window = widget ? gtk_widget_get_window(gtk_widget_get_toplevel(widget)) : nullptr;
        if (window) gdk_window_get_origin(window, &originX, &originY);
    } else {
        owner->BoardExtents(&originX, &originY, &unusedWidth, &unusedHeight);
    }
    *x -= originX;
    *y -= originY;
}

static void torvo_board_item_component_init(AtkComponentIface* iface) {
    iface->get_extents = torvo_board_item_get_extents;
}

// The notation's text: read-only, its caret the line cursor's line.

static void torvo_notation_text_init(TorvoNotationText*) {}

static void torvo_notation_text_finalize(GObject* object) {
    g_free(NotationOf(object)->text);
    G_OBJECT_CLASS(torvo_notation_text_parent_class)->finalize(object);
}

static const CNotationReader* ReaderOf(gpointer object) {
    TorvoNotationText* notation = NotationOf(object);
    return notation->table && notation->table->owner ? notation->table->owner->Notation() : nullptr;
}

static const gchar* torvo_notation_text_get_name(AtkObject*) { return CBoardSpeech::kNotationName; }

static AtkObject* torvo_notation_text_get_parent(AtkObject* object) {
    TorvoNotationText* notation = NotationOf(object);
    return notation->table ? ATK_OBJECT(notation->table) : nullptr;
}

static gint torvo_notation_text_get_index_in_parent(AtkObject*) { return kNotationIndex; }

static AtkStateSet* torvo_notation_text_ref_state_set(AtkObject* object) {
    AtkStateSet* states = atk_state_set_new();
    TorvoNotationText* notation = NotationOf(object);
    CBoardAccessible* owner = notation->table ? notation->table->owner : nullptr;
    if (!owner) {
        atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
        return states;
    }
    atk_state_set_add_state(states, ATK_STATE_READ_ONLY);
    atk_state_set_add_state(states, ATK_STATE_MULTI_LINE);
    atk_state_set_add_state(states, ATK_STATE_SELECTABLE_TEXT);
    if (!owner->Notation()) return states;
    atk_state_set_add_state(states, ATK_STATE_VISIBLE);
    atk_state_set_add_state(states, ATK_STATE_SHOWING);
    atk_state_set_add_state(states, ATK_STATE_FOCUSABLE);
    if (owner->NotationFocused()) atk_state_set_add_state(states, ATK_STATE_FOCUSED);
    return states;
}

static void torvo_notation_text_class_init(TorvoNotationTextClass* klass) {
    G_OBJECT_CLASS(klass)->finalize = torvo_notation_text_finalize;
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->get_name = torvo_notation_text_get_name;
    atk->get_parent = torvo_notation_text_get_parent;
    atk->get_index_in_parent = torvo_notation_text_get_index_in_parent;
    atk->ref_state_set = torvo_notation_text_ref_state_set;
}

// The characters from start to end (-1: to the end) as a new string.
static gchar* NotationRange(const CNotationReader* reader, gint start, gint end) {
    const std::string text = reader ? reader->Text() : std::string();
    const glong count = g_utf8_strlen(text.c_str(), -1);
    if (end < 0 || end > count) end = static_cast<gint>(count);
    if (start < 0) start = 0;
    if (start >= end) return g_strdup("");
    return g_utf8_substring(text.c_str(), start, end);
}

static gchar* torvo_notation_text_get_text(AtkText* text, gint start, gint end) {
    return NotationRange(ReaderOf(text), start, end);
}

static gint torvo_notation_text_get_character_count(AtkText* text) {
    const CNotationReader* reader = ReaderOf(text);
    return reader ? reader->CharCount() : 0;
}

static gint torvo_notation_text_get_caret_offset(AtkText* text) {
    const CNotationReader* reader = ReaderOf(text);
    return reader ? reader->LineStart(reader->Cursor()) : 0;
}

static gunichar torvo_notation_text_get_character_at_offset(AtkText* text, gint offset) {
    gchar* character = NotationRange(ReaderOf(text), offset, offset + 1);
    const gunichar code = *character ? g_utf8_get_char(character) : 0;
    g_free(character);
    return code;
}

// A character is itself; anything longer is its line, the line end included
// (a reader asks by lines; words and sentences are read as the line).
static gchar* NotationPiece(AtkText* text, gint offset, bool character, gint* start, gint* end) {
    const CNotationReader* reader = ReaderOf(text);
    *start = *end = 0;
    if (!reader || offset < 0 || offset >= reader->CharCount()) return g_strdup("");
    if (character) {
        *start = offset;
        *end = offset + 1;
    } else {
        const int line = reader->LineAt(offset);
        *start = reader->LineStart(line);
        *end = reader->LineStart(line + 1);
    }
    return NotationRange(reader, *start, *end);
}

static gchar* torvo_notation_text_get_string_at_offset(AtkText* text, gint offset, AtkTextGranularity granularity,
                                                       gint* start, gint* end) {
    return NotationPiece(text, offset, granularity == ATK_TEXT_GRANULARITY_CHAR, start, end);
}

static gchar* torvo_notation_text_get_text_at_offset(AtkText* text, gint offset, AtkTextBoundary boundary,
                                                     gint* start, gint* end) {
    return NotationPiece(text, offset, boundary == ATK_TEXT_BOUNDARY_CHAR, start, end);
}

// One run without attributes over the whole text: a reader splits what it
// speaks by the runs, and a run of no length would leave nothing to say.
static AtkAttributeSet* torvo_notation_text_get_run_attributes(AtkText* text, gint, gint* start, gint* end) {
    *start = 0;
    *end = torvo_notation_text_get_character_count(text);
    return nullptr;
}

static void torvo_notation_text_text_init(AtkTextIface* iface) {
    iface->get_run_attributes = torvo_notation_text_get_run_attributes;
    iface->get_text = torvo_notation_text_get_text;
    iface->get_character_count = torvo_notation_text_get_character_count;
    iface->get_caret_offset = torvo_notation_text_get_caret_offset;
    iface->get_character_at_offset = torvo_notation_text_get_character_at_offset;
    iface->get_string_at_offset = torvo_notation_text_get_string_at_offset;
    iface->get_text_at_offset = torvo_notation_text_get_text_at_offset;
}

// The class's get_accessible: the board's widget gets the table, made on
// the first ask; every other widget of the class keeps GTK's own. GTK
// itself makes no accessible before something asks for it, so without a
// screen reader nothing is made.
static AtkObject* torvo_get_accessible(GtkWidget* widget) {
    auto* owner = static_cast<CBoardAccessible*>(g_object_get_data(G_OBJECT(widget), kOwnerKey));
    if (owner) return owner->Table();
    auto original = reinterpret_cast<AtkObject* (*)(GtkWidget*)>(
        g_type_get_qdata(G_TYPE_FROM_INSTANCE(widget), g_quark_from_static_string(kOriginalKey)));
    if (!original) {
        // A subclass of the class that was wrapped: the nearest wrapped class's own.
        for (GType type = G_TYPE_FROM_INSTANCE(widget); type && !original; type = g_type_parent(type))
            original = reinterpret_cast<AtkObject* (*)(GtkWidget*)>(
                g_type_get_qdata(type, g_quark_from_static_string(kOriginalKey)));
    }
    return original ? original(widget) : nullptr;
}

}  // extern "C"

void CBoardAccessible::Attach(GtkWidget* widget, wxWindow* canvas, CBoardAccess* access) {
    m_widget = widget;
    m_canvas = canvas;
    m_access = access;
    if (!widget) return;
    g_object_set_data(G_OBJECT(widget), kOwnerKey, this);
    // The widget's class answers get_accessible for all its widgets; its
    // own answer is kept for the others. Once per class.
    const GType type = G_TYPE_FROM_INSTANCE(widget);
    const GQuark original = g_quark_from_static_string(kOriginalKey);
    GtkWidgetClass* klass = GTK_WIDGET_GET_CLASS(widget);
    if (klass->get_accessible == torvo_get_accessible) return;
    g_type_set_qdata(type, original, reinterpret_cast<gpointer>(klass->get_accessible));
    klass->get_accessible = torvo_get_accessible;
}

AtkObject* CBoardAccessible::Table() {
    if (m_table || !m_widget) return m_table;
    m_table = ATK_OBJECT(g_object_new(torvo_board_table_get_type(), "widget", m_widget, nullptr));
    TableOf(m_table)->owner = this;
    atk_object_initialize(m_table, m_widget);
    m_names.assign(kCells, std::string());
    m_picked.assign(kCells, false);
    for (int cell = 0; cell < kCells; ++cell) {
        m_names[cell] = CellName(cell);
        m_picked[cell] = CellPicked(cell);
    }
    if (m_access) {
        m_focused = m_access->FocusedCell();
        // A notation shown before a screen reader asked is the focus already.
        m_notationShown = m_access->NotationShown();
        m_access->SetPlatform(this);
    }
    return m_table;
}

void CBoardAccessible::OnFocus() {
    m_freshFocus = true;
    if (m_widget) gtk_widget_get_accessible(m_widget);
}

void CBoardAccessible::Detach() {
    if (m_access) m_access->SetPlatform(nullptr);
    m_access = nullptr;
    if (m_widget) g_object_set_data(G_OBJECT(m_widget), kOwnerKey, nullptr);
    if (m_table) {
        // The screen reader may still hold the objects: they answer as gone.
        TableOf(m_table)->owner = nullptr;
        gtk_accessible_set_widget(GTK_ACCESSIBLE(m_table), nullptr);
        atk_object_notify_state_change(m_table, ATK_STATE_DEFUNCT, TRUE);
        g_object_unref(m_table);
        m_table = nullptr;
    }
    m_widget = nullptr;
    m_canvas = nullptr;
}

std::string CBoardAccessible::BoardName() const {
    return m_access ? m_access->BoardName() : std::string();
}

std::string CBoardAccessible::CellName(int cell) const {
    return m_access ? m_access->CellName(cell) : std::string();
}

bool CBoardAccessible::CellPicked(int cell) const { return m_access && m_access->CellPicked(cell); }

bool CBoardAccessible::CellFocused(int cell) const {
    return !m_notationShown && cell == m_focused && m_widget && gtk_widget_has_focus(m_widget);
}

const CNotationReader* CBoardAccessible::Notation() const {
    return m_notationShown && m_access ? &m_access->Notation() : nullptr;
}

bool CBoardAccessible::NotationFocused() const { return m_notationShown && m_widget && gtk_widget_has_focus(m_widget); }

void CBoardAccessible::NotationShown(bool shown) {
    if (!m_table || !m_access) {
        m_notationShown = shown;
        return;
    }
    TorvoBoardTable* table = TableOf(m_table);
    m_notationShown = shown;
    g_object_notify(G_OBJECT(m_table), "accessible-name");
    atk_object_notify_state_change(table->notation, ATK_STATE_SHOWING, shown);
    // The focus goes to the text, or back to the cursor's cell.
    if (m_focused < 0 || m_focused >= kCells) m_focused = m_access->FocusedCell();
    if (shown) {
        atk_object_notify_state_change(table->cells[m_focused], ATK_STATE_FOCUSED, FALSE);
        g_signal_emit_by_name(m_table, "active-descendant-changed", table->notation);
        atk_object_notify_state_change(table->notation, ATK_STATE_FOCUSED, NotationFocused());
        return;
    }
    atk_object_notify_state_change(table->notation, ATK_STATE_FOCUSED, FALSE);
    m_focused = m_access->FocusedCell();
    CellsChanged();
    g_signal_emit_by_name(m_table, "active-descendant-changed", table->cells[m_focused]);
    atk_object_notify_state_change(table->cells[m_focused], ATK_STATE_FOCUSED, CellFocused(m_focused));
}

void CBoardAccessible::NotationLine(int line, bool jumped) {
    const CNotationReader* reader = Notation();
    if (!m_table || !reader) return;
    // A screen reader reads the line the caret went to after Up or Down;
    // after Home or End it reads the character there only, so the line is
    // said as a message.
    g_signal_emit_by_name(TableOf(m_table)->notation, "text-caret-moved", reader->LineStart(line));
    if (jumped) Announce(reader->Line(line));
}

void CBoardAccessible::BoardExtents(int* x, int* y, int* width, int* height) const {
    *x = *y = *width = *height = 0;
    if (!m_canvas) return;
    const wxPoint origin = m_canvas->ClientToScreen(wxPoint(0, 0));
    const wxSize size = m_canvas->GetClientSize();
    *x = origin.x;
    *y = origin.y;
    *width = size.GetWidth();
    *height = size.GetHeight();
}

void CBoardAccessible::CellExtents(int cell, int* x, int* y, int* width, int* height) const {
    int left = 0, top = 0, boardWidth = 0, boardHeight = 0;
    BoardExtents(&left, &top, &boardWidth, &boardHeight);
    // The board fills the canvas; a cell is the square a click in it picks.
    const CBoardGeometry::Rect square =
        CBoardGeometry::SquareRect(cell % kColumns, cell / kColumns, boardWidth, boardHeight);
    *x = left + square.left;
    *y = top + square.top;
    *width = square.right - square.left;
    *height = square.bottom - square.top;
}

void CBoardAccessible::FocusCell(int cell) {
    if (!m_table || cell < 0 || cell >= kCells) return;
    TorvoBoardTable* table = TableOf(m_table);
    const int before = m_focused;
    const bool fresh = m_freshFocus;
    m_focused = cell;
    m_freshFocus = false;
    // The cursor stayed at the board's edge: the square is said again. A
    // screen reader says nothing for the same descendant twice, so it hears
    // the square as a message.
    if (cell == before && !fresh && CellFocused(cell)) {
        Announce(CellName(cell));
        return;
    }
    if (before >= 0 && before != cell)
        atk_object_notify_state_change(table->cells[before], ATK_STATE_FOCUSED, FALSE);
    g_signal_emit_by_name(m_table, "active-descendant-changed", table->cells[cell]);
    atk_object_notify_state_change(table->cells[cell], ATK_STATE_FOCUSED, CellFocused(cell));
}

void CBoardAccessible::CellsChanged() {
    if (!m_table) return;
    TorvoBoardTable* table = TableOf(m_table);
    for (int cell = 0; cell < kCells; ++cell) {
        const std::string name = CellName(cell);
        if (name != m_names[cell]) {
            m_names[cell] = name;
            g_object_notify(G_OBJECT(table->cells[cell]), "accessible-name");
        }
        const bool picked = CellPicked(cell);
        if (picked != m_picked[cell]) {
            m_picked[cell] = picked;
            atk_object_notify_state_change(table->cells[cell], ATK_STATE_SELECTED, picked);
        }
    }
    g_object_notify(G_OBJECT(m_table), "accessible-name");
}

void CBoardAccessible::Announce(const std::string& text) {
    if (!m_table || text.empty()) return;
#if ATK_CHECK_VERSION(2, 50, 0)
    // Screen readers of ATK's age listen for the notification.
    g_signal_emit_by_name(m_table, "notification", text.c_str(), static_cast<gint>(ATK_LIVE_POLITE));
#else
    // Older ones speak a notification as it comes into sight, once: each
    // message is an object of its own, so that its name is still there when
    // the screen reader asks for it.
    TorvoBoardTable* table = TableOf(m_table);
    if (table->notes->len >= kKeptNotes) {
        AtkObject* oldest = ATK_OBJECT(g_ptr_array_index(table->notes, 0));
        g_signal_emit_by_name(m_table, "children-changed::remove", kFirstNote, oldest);
        ItemOf(oldest)->table = nullptr;
        g_ptr_array_remove_index(table->notes, 0);
    }
    AtkObject* note = NewItem(table, -1, ATK_ROLE_NOTIFICATION);
    ItemOf(note)->name = g_strdup(text.c_str());
    g_ptr_array_add(table->notes, note);
    g_signal_emit_by_name(m_table, "children-changed::add", kFirstNote + table->notes->len - 1, note);
    ItemOf(note)->shown = TRUE;
    atk_object_notify_state_change(note, ATK_STATE_SHOWING, TRUE);
#endif
}
