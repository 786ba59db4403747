#include "common/Scroll_Page.h"

#include <wx/event.h>
#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#else
#include <wx/utils.h>
#endif

namespace
{
    // Whether the focus comes from a mouse button or a touch going down:
    // the toolkit is then handling that press.
    bool Focus_From_Pointer()
    {
#ifdef __WXGTK__
        GdkEvent* event = gtk_get_current_event();
        if (!event)
            return false;
        const GdkEventType type = event->type;
        gdk_event_free(event);
        return type == GDK_BUTTON_PRESS || type == GDK_TOUCH_BEGIN;
#else
        return wxGetMouseState().ButtonIsDown(wxMOUSE_BTN_ANY);
#endif
    }

    // Stands first among the page's event handlers, before the one of the
    // scrolled window that scrolls to a focused control. A focus that comes
    // from the pointer goes past that one, straight to the page's own
    // handlers and on to its parents; everything else takes the usual way.
    // It leaves the page when the page is destroyed.
    class Page_Guard : public wxEvtHandler
    {
    public:
        explicit Page_Guard(wxWindow* page) : m_pPage(page) {}

        bool ProcessEvent(wxEvent& event) override
        {
            if (event.GetEventType() == wxEVT_DESTROY && event.GetEventObject() == m_pPage)
            {
                wxWindow* page = m_pPage;
                page->RemoveEventHandler(this);
                delete this;
                return page->GetEventHandler()->ProcessEvent(event);
            }
            if (event.GetEventType() == wxEVT_CHILD_FOCUS && Focus_From_Pointer())
                return static_cast<wxEvtHandler*>(m_pPage)->ProcessEvent(event);
            return wxEvtHandler::ProcessEvent(event);
        }

    private:
        wxWindow* m_pPage;
    };
}

void Prepare_Scroll_Page(wxWindow* page)
{
#ifdef __WXGTK3__
    GtkWidget* widget = static_cast<GtkWidget*>(page->GetHandle());
    if (GTK_IS_SCROLLED_WINDOW(widget))
        gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(widget), FALSE);
#endif
    page->PushEventHandler(new Page_Guard(page));
}
