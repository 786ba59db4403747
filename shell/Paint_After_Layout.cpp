#include "shell/Paint_After_Layout.h"

#include <gtk/gtk.h>
#include <wx/window.h>

Paint_After_Layout::Paint_After_Layout(wxWindow* window) : m_pWindow(window)
{
    m_pWindow->PushEventHandler(this);
}

Paint_After_Layout::~Paint_After_Layout()
{
    m_pWindow->RemoveEventHandler(this);
}

bool Paint_After_Layout::ProcessEvent(wxEvent& event)
{
    GtkWidget* widget = event.GetEventType() == wxEVT_SIZE ? m_pWindow->GetHandle() : nullptr;
    GdkWindow* frame = widget ? gtk_widget_get_window(gtk_widget_get_toplevel(widget)) : nullptr;
    if (!frame)
        return wxEvtHandler::ProcessEvent(event);
    // A frozen frame paints nothing; thawed, it is painted at its next
    // frame with all that was invalidated meanwhile.
    struct Thaw
    {
        GdkWindow* frame;
        ~Thaw() { gdk_window_thaw_updates(frame); }
    };
    gdk_window_freeze_updates(frame);
    const Thaw thaw{frame};
    return wxEvtHandler::ProcessEvent(event);
}
