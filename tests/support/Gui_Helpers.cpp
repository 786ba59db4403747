#include "tests/support/Gui_Helpers.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/scrolwin.h>
#include <wx/window.h>

#include <algorithm>

void Process_Events()
{
    for (int round = 0; round < 3; round++)
    {
        while (wxTheApp->Pending())
            wxTheApp->Dispatch();
        wxTheApp->ProcessIdle();
    }
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
    // Where window lies within the area a pupil can get to in its parent:
    // the parent's client area, or for a scrolled parent its virtual area.
    bool Reachable_In_Parent(wxWindow* window)
    {
        wxWindow* parent = window->GetParent();
        // The status bar lies outside the client area of its frame.
        if (parent->IsTopLevel())
            return parent->GetScreenRect().Contains(window->GetScreenRect());
        wxRect rect = window->GetRect();
        wxRect room(parent->GetClientSize());
        if (wxScrollHelperBase* scrolled = dynamic_cast<wxScrollHelperBase*>(parent))
        {
            int x_unit = 0, y_unit = 0;
            scrolled->GetScrollPixelsPerUnit(&x_unit, &y_unit);
            rect.SetPosition(scrolled->CalcUnscrolledPosition(rect.GetPosition()));
            const wxSize virtual_size = parent->GetVirtualSize();
            if (x_unit > 0)
                room.width = std::max(room.width, virtual_size.x);
            if (y_unit > 0)
                room.height = std::max(room.height, virtual_size.y);
        }
        return room.Contains(rect);
    }

    void Collect_Unreachable(wxWindow* window, wxString* report)
    {
        for (wxWindow* child : window->GetChildren())
        {
            if (!child->IsShown() || child->IsTopLevel())
                continue;
            if (!Reachable_In_Parent(child))
                *report << wxString::Format("%s \"%s\" at %d,%d %dx%d in %s %dx%d (virtual %dx%d)\n",
                                            child->GetClassInfo()->GetClassName(), child->GetLabel(),
                                            child->GetPosition().x, child->GetPosition().y,
                                            child->GetSize().x, child->GetSize().y,
                                            window->GetClassInfo()->GetClassName(),
                                            window->GetClientSize().x, window->GetClientSize().y,
                                            window->GetVirtualSize().x, window->GetVirtualSize().y);
            Collect_Unreachable(child, report);
        }
    }
}

wxString Unreachable_Windows(wxWindow* top, const wxRect& screen)
{
    wxString report;
    if (!screen.Contains(top->GetScreenRect()))
        report << "the window itself lies outside the screen\n";
    Collect_Unreachable(top, &report);
    return report;
}
