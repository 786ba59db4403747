#include "tests/support/Gui_Helpers.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/aui/auibook.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/scrolwin.h>
#include <wx/window.h>

void Process_Events()
{
    for (int round = 0; round < 3; round++)
    {
        while (wxTheApp->Pending())
            wxTheApp->Dispatch();
        wxTheApp->ProcessIdle();
    }
}

wxString Tab_Labels(wxAuiNotebook* book)
{
    wxString tabs;
    for (size_t i = 0; i < book->GetPageCount(); i++)
        tabs << (i ? "|" : "") << book->GetPageText(i);
    return tabs;
}

wxWindow* Find_By_Label(wxWindow* root, const wxString& label)
{
    if (!root)
        return nullptr;
    if (root->GetLabel() == label)
        return root;
    for (wxWindow* child : root->GetChildren())
        if (wxWindow* found = Find_By_Label(child, label))
            return found;
    return nullptr;
}

bool Click_Button(wxWindow* root, const wxString& label)
{
    wxButton* button = dynamic_cast<wxButton*>(Find_By_Label(root, label));
    if (!button)
        return false;
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
    return true;
}

int Run_Modal(wxDialog* dialog, const std::function<void()>& inside, int timeout_ms)
{
    Set_Allowed_Modal(dialog);
    wxTimer watchdog;
    watchdog.Bind(wxEVT_TIMER, [dialog](wxTimerEvent&) {
        if (dialog->IsModal())
        {
            ADD_FAILURE() << "the dialog was still open";
            dialog->EndModal(wxID_ABORT);
        }
    });
    dialog->CallAfter([&] {
        inside();
        watchdog.StartOnce(timeout_ms);
    });
    int result = dialog->ShowModal();
    watchdog.Stop();
    Set_Allowed_Modal(nullptr);
    return result;
}

namespace
{
    // Each shown window must lie in its parent's client area, or in the
    // virtual area of a scrolled parent; a frame's own bars in the frame.
    wxString Unreachable_Below(wxWindow* parent)
    {
        wxString report;
        for (wxWindow* child : parent->GetChildren())
        {
            if (!child->IsShown() || child->IsTopLevel())
                continue;
            wxRect rect = child->GetRect(), room(parent->GetClientSize());
            int x_unit = 0, y_unit = 0;
            if (wxScrollHelperBase* scrolled = dynamic_cast<wxScrollHelperBase*>(parent))
            {
                scrolled->GetScrollPixelsPerUnit(&x_unit, &y_unit);
                rect.SetPosition(scrolled->CalcUnscrolledPosition(rect.GetPosition()));
            }
            const wxSize virtual_size = parent->GetVirtualSize();
            room.SetSize(wxSize(x_unit ? virtual_size.x : room.width, y_unit ? virtual_size.y : room.height));
            if (parent->IsTopLevel() ? !parent->GetScreenRect().Contains(child->GetScreenRect()) : !room.Contains(rect))
                report << child->GetClassInfo()->GetClassName() << " \"" << child->GetLabel() << "\"\n";
            report << Unreachable_Below(child);
        }
        return report;
    }
}

wxString Unreachable_Windows(wxWindow* top, const wxRect& screen)
{
    return (screen.Contains(top->GetScreenRect()) ? "" : "the window leaves the screen\n") + Unreachable_Below(top);
}
