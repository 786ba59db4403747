#include "shell/Session_End.h"

#include "shell/CSim_Frame.h"

#include <csignal>
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/timer.h>

namespace
{
    bool s_bEnding = false;

    // Dismisses every modal dialog, the toolkit's own and the native ones
    // (message boxes run their own GTK loop); true if there was any.
    bool Dismiss_Modal_Dialogs()
    {
        bool any = false;
        for (wxWindow* window : wxTopLevelWindows)
        {
            wxDialog* dialog = dynamic_cast<wxDialog*>(window);
            if (dialog && dialog->IsModal())
            {
                dialog->EndModal(wxID_CANCEL);
                any = true;
            }
        }
        GList* windows = gtk_window_list_toplevels();
        for (GList* it = windows; it; it = it->next)
        {
            GtkWindow* window = GTK_WINDOW(it->data);
            if (GTK_IS_DIALOG(window) && gtk_window_get_modal(window)
                && gtk_widget_get_visible(GTK_WIDGET(window)))
            {
                gtk_dialog_response(GTK_DIALOG(window), GTK_RESPONSE_DELETE_EVENT);
                any = true;
            }
        }
        g_list_free(windows);
        return any;
    }

    // Waits until no dialog is open and the main loop runs again, then lets
    // the main window shut down.
    class Session_Ender : public wxTimer
    {
    public:
        void Notify() override
        {
            wxEventLoopBase* main = wxTheApp ? wxTheApp->GetMainLoop() : nullptr;
            if (Dismiss_Modal_Dialogs() || !main || wxEventLoopBase::GetActive() != main)
                return;
            Stop();
            if (CSim_Frame* frame = CSim_Frame::Get_Frame())
                frame->Shut_Down();
            else
                wxTheApp->ExitMainLoop();
        }
    };

    Session_Ender* s_pEnder = nullptr;

    void On_Signal(int)
    {
        Request_Session_End();
    }
}

void Install_Session_End_Handlers()
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        wxTheApp->SetSignalHandler(signal, On_Signal);
}

void Request_Session_End()
{
    if (s_bEnding)
        return;
    s_bEnding = true;
    Dismiss_Modal_Dialogs();
    if (!s_pEnder)
        s_pEnder = new Session_Ender;
    s_pEnder->Start(20);
    wxWakeUpIdle();
}

bool Is_Session_Ending()
{
    return s_bEnding;
}
