#include "app/wx/gtkglue.h"

#include <wx/menu.h>
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

void CGtkGlue::MarkAlert(wxWindow* window) {
    GtkWidget* widget = window ? window->GetHandle() : nullptr;
    if (widget) atk_object_set_role(gtk_widget_get_accessible(widget), ATK_ROLE_ALERT);
}

namespace {

constexpr const char* kMessageTextKey = "torvo-message-text";
AtkRelationSet* (*g_labelRelations)(AtkObject*) = nullptr;

// GTK guesses a text before a button to be its label; a box's texts are not.
AtkRelationSet* MessageLabelRelations(AtkObject* accessible) {
    AtkRelationSet* relations = g_labelRelations(accessible);
    GtkWidget* label = gtk_accessible_get_widget(GTK_ACCESSIBLE(accessible));
    if (relations && label && g_object_get_data(G_OBJECT(label), kMessageTextKey)) {
        while (AtkRelation* relation = atk_relation_set_get_relation_by_type(relations, ATK_RELATION_LABEL_FOR))
            atk_relation_set_remove(relations, relation);
    }
    return relations;
}

// The labels outside the buttons; a button's own label stays its label, a
// group box's title is its label widget.
void MarkMessageText(GtkWidget* widget, gpointer) {
    if (GTK_IS_LABEL(widget)) {
        g_object_set_data(G_OBJECT(widget), kMessageTextKey, GINT_TO_POINTER(1));
        // A text without a mnemonic of its own leads the focus nowhere.
        if (gtk_label_get_mnemonic_keyval(GTK_LABEL(widget)) == GDK_KEY_VoidSymbol)
            gtk_label_set_mnemonic_widget(GTK_LABEL(widget), nullptr);
    } else if (GTK_IS_CONTAINER(widget) && !GTK_IS_BUTTON(widget))
        gtk_container_forall(GTK_CONTAINER(widget), MarkMessageText, nullptr);
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
    // The labels' accessible class answers for all labels: wrapped once,
    // it changes the answer for the marked ones only.
    auto* klass = static_cast<AtkObjectClass*>(g_type_class_ref(GTK_TYPE_LABEL_ACCESSIBLE));
    if (klass->ref_relation_set != MessageLabelRelations) {
        g_labelRelations = klass->ref_relation_set;
        klass->ref_relation_set = MessageLabelRelations;
    }
    g_type_class_unref(klass);
    MarkMessageText(widget, nullptr);
}

void CGtkGlue::NameControl(wxWindow* control, const char* name) {
    GtkWidget* widget = control ? FocusWidget(control->GetHandle()) : nullptr;
    if (widget) atk_object_set_name(gtk_widget_get_accessible(widget), name);
}
