#include "app/wx/gtkglue.h"

#include <algorithm>

#include <wx/menu.h>
#include <wx/toolbar.h>
#include <wx/window.h>

#include <gtk/gtk-a11y.h>
#include <gtk/gtk.h>

namespace {

struct PointingWatch {
    wxMenu* menu;
    int id;
    std::function<void()> pointed;
    bool over = false;
};

GtkWidget* MenuItemOf(GtkWidget* widget) {
    while (widget && !GTK_IS_MENU_ITEM(widget)) widget = gtk_widget_get_parent(widget);
    return widget;
}

// Runs in the capture phase, before the event reaches the item: an
// insensitive item would swallow it there.
void OnMotion(GtkEventControllerMotion*, double, double, gpointer data) {
    auto* watch = static_cast<PointingWatch*>(data);
    GdkEvent* event = gtk_get_current_event();
    GtkWidget* under = event ? MenuItemOf(gtk_get_event_widget(event)) : nullptr;
    if (event) gdk_event_free(event);
    const wxMenuItem* item = watch->menu->FindItem(watch->id);
    const bool over = item && under && under == item->GetMenuItem();
    if (over && !watch->over) watch->pointed();
    watch->over = over;
}

void OnLeave(GtkEventControllerMotion*, gpointer data) { static_cast<PointingWatch*>(data)->over = false; }

}  // namespace

bool CGtkGlue::ScrollLockOn() {
    GdkDisplay* display = gdk_display_get_default();
    GdkKeymap* keymap = display ? gdk_keymap_get_for_display(display) : nullptr;
    return keymap && gdk_keymap_get_scroll_lock_state(keymap);
}

bool CGtkGlue::HandlingKeyEvent() {
    GdkEvent* event = gtk_get_current_event();
    if (!event) return false;
    const bool key = event->type == GDK_KEY_PRESS || event->type == GDK_KEY_RELEASE;
    gdk_event_free(event);
    return key;
}

void CGtkGlue::WatchPointing(wxMenu* menu, int id, std::function<void()> pointed) {
    GtkWidget* widget = menu->m_menu;
    GtkEventController* controller = gtk_event_controller_motion_new(widget);
    gtk_event_controller_set_propagation_phase(controller, GTK_PHASE_CAPTURE);
    auto* watch = new PointingWatch{menu, id, std::move(pointed)};
    g_signal_connect(controller, "motion", G_CALLBACK(OnMotion), watch);
    g_signal_connect(controller, "leave", G_CALLBACK(OnLeave), watch);
    // Controller and watch go with the menu's widget.
    g_object_set_data_full(G_OBJECT(widget), "torvo-pointing-controller", controller, g_object_unref);
    g_object_set_data_full(G_OBJECT(widget), "torvo-pointing-watch", watch,
                           [](gpointer data) { delete static_cast<PointingWatch*>(data); });
}

void CGtkGlue::KeepScrollBarsInSight(wxWindow* window) {
    // A scrolling window's outer widget is the scrolled window that holds its bars.
    GtkWidget* widget = window ? window->GetHandle() : nullptr;
    if (widget && GTK_IS_SCROLLED_WINDOW(widget))
        gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(widget), FALSE);
}

void CGtkGlue::Realize(wxWindow* window) {
    GtkWidget* widget = window ? window->GetHandle() : nullptr;
    if (widget) gtk_widget_realize(widget);
}

namespace {

void SetRole(wxWindow* window, AtkRole role) {
    GtkWidget* widget = window ? window->GetHandle() : nullptr;
    if (widget) atk_object_set_role(gtk_widget_get_accessible(widget), role);
}

}  // namespace

void CGtkGlue::MarkAlert(wxWindow* window) { SetRole(window, ATK_ROLE_ALERT); }

void CGtkGlue::MarkDialog(wxWindow* window) { SetRole(window, ATK_ROLE_DIALOG); }

namespace {

constexpr const char* kMessageTextKey = "torvo-message-text";
constexpr const char* kOwnRelationsKey = "torvo-own-relations";

bool MarkedText(AtkObject* accessible) {
    GtkWidget* widget = GTK_IS_ACCESSIBLE(accessible) ? gtk_accessible_get_widget(GTK_ACCESSIBLE(accessible)) : nullptr;
    return widget && g_object_get_data(G_OBJECT(widget), kMessageTextKey);
}

// GTK guesses a text before a control to be its label: a box's message and
// a group's title are not. The class's own answer without those guesses.
AtkRelationSet* RelationsWithoutGuesses(AtkObject* accessible) {
    using Relations = AtkRelationSet* (*)(AtkObject*);
    Relations own = nullptr;
    for (GType type = G_TYPE_FROM_INSTANCE(accessible); type && !own; type = g_type_parent(type))
        own = reinterpret_cast<Relations>(g_type_get_qdata(type, g_quark_from_static_string(kOwnRelationsKey)));
    AtkRelationSet* relations = own ? own(accessible) : nullptr;
    if (!relations) return relations;
    const bool text = MarkedText(accessible);
    for (int i = atk_relation_set_get_n_relations(relations) - 1; i >= 0; --i) {
        AtkRelation* relation = atk_relation_set_get_relation(relations, i);
        const AtkRelationType type = atk_relation_get_relation_type(relation);
        GPtrArray* targets = atk_relation_get_target(relation);
        const bool toText = type == ATK_RELATION_LABELLED_BY && targets->len > 0 &&
                            MarkedText(ATK_OBJECT(g_ptr_array_index(targets, 0)));
        if ((text && type == ATK_RELATION_LABEL_FOR) || toText) atk_relation_set_remove(relations, relation);
    }
    return relations;
}

// Once per class: its own answer is kept for the wrapper to call.
void WrapRelations(GType type) {
    auto* klass = static_cast<AtkObjectClass*>(g_type_class_ref(type));
    if (klass->ref_relation_set != RelationsWithoutGuesses) {
        g_type_set_qdata(type, g_quark_from_static_string(kOwnRelationsKey),
                         reinterpret_cast<gpointer>(klass->ref_relation_set));
        klass->ref_relation_set = RelationsWithoutGuesses;
    }
    g_type_class_unref(klass);
}

// The labels outside the buttons; a button's own label stays its label, a
// group box's title is its label widget.
void MarkTexts(GtkWidget* widget, gpointer) {
    if (GTK_IS_LABEL(widget))
        g_object_set_data(G_OBJECT(widget), kMessageTextKey, GINT_TO_POINTER(1));
    else if (GTK_IS_CONTAINER(widget) && !GTK_IS_BUTTON(widget))
        gtk_container_forall(GTK_CONTAINER(widget), MarkTexts, nullptr);
}

// The widget in a control's tree that takes the focus: a list's tree view
// inside its scrolled window, an entry itself.
GtkWidget* FocusWidget(GtkWidget* widget) {
    GtkWidget* found = nullptr;
    if (GTK_IS_CONTAINER(widget)) {
        GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
        for (GList* child = children; child && !found; child = child->next)
            found = FocusWidget(GTK_WIDGET(child->data));
        g_list_free(children);
    }
    return found ? found : gtk_widget_get_can_focus(widget) ? widget : nullptr;
}

}  // namespace

void CGtkGlue::LabelNothing(wxWindow* window) {
    GtkWidget* widget = window ? window->GetHandle() : nullptr;
    if (!widget) return;
    // The classes answer for all their objects; wrapped, they leave out the
    // guesses for the marked texts only. Not two classes of one line: a subclass chaining up to a wrapped class
    // would find its own answer again. A check box is a toggle button; an
    // edit or a list gets its name of its own.
    for (GType type : {GTK_TYPE_LABEL_ACCESSIBLE, GTK_TYPE_TOGGLE_BUTTON_ACCESSIBLE}) WrapRelations(type);
    MarkTexts(widget, nullptr);
}

void CGtkGlue::NameControl(wxWindow* control, const char* name) {
    GtkWidget* widget = control ? FocusWidget(control->GetHandle()) : nullptr;
    if (widget) atk_object_set_name(gtk_widget_get_accessible(widget), name);
}

void CGtkGlue::NameToolsByTips(wxToolBar* bar) {
    GtkToolbar* toolbar = bar ? bar->GTKGetToolbar() : nullptr;
    if (!toolbar) return;
    // wx sets the tooltips elsewhere than on GTK's items; its tools stand in GTK's order.
    const int count = std::min(gtk_toolbar_get_n_items(toolbar), static_cast<int>(bar->GetToolsCount()));
    for (int i = 0; i < count; ++i) {
        const wxToolBarToolBase* tool = bar->GetToolByPos(i);
        GtkWidget* button = gtk_bin_get_child(GTK_BIN(gtk_toolbar_get_nth_item(toolbar, i)));
        if (tool && !tool->IsSeparator() && button)
            atk_object_set_name(gtk_widget_get_accessible(button), tool->GetShortHelp().utf8_str());
    }
}
