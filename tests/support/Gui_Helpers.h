#pragma once

#include <functional>
#include <vector>
#include <wx/gdicmn.h>
#include <wx/log.h>
#include <wx/string.h>
#include <wx/window.h>

class wxAuiNotebook;
class wxDialog;

/// Lets the toolkit deliver every pending event, idle events included.
void Process_Events();

/// The children of window that are a T, in creation order.
template <class T> std::vector<T*> Children_Of(wxWindow* window)
{
    std::vector<T*> found;
    for (wxWindow* child : window->GetChildren())
        if (T* t = dynamic_cast<T*>(child))
            found.push_back(t);
    return found;
}

/// Counts, while it lives, what the toolkit is asked to log as a message or
/// worse: in the program each would reach the pupil as a message box.
struct Message_Counter : wxLog
{
    Message_Counter() : Old(wxLog::SetActiveTarget(this)) {}
    ~Message_Counter() override { wxLog::SetActiveTarget(Old); }
    void DoLogRecord(wxLogLevel level, const wxString&, const wxLogRecordInfo&) override { Count += level <= wxLOG_Message; }
    wxLog* Old;
    int Count = 0;
};

/// A notebook's tab labels, joined by "|".
wxString Tab_Labels(wxAuiNotebook* book);

/// Finds a descendant window (or the window itself) whose label is label.
wxWindow* Find_By_Label(wxWindow* root, const wxString& label);

/// Sends a button click from the button with that label below root.
bool Click_Button(wxWindow* root, const wxString& label);

/// Lets this one dialog run modally for real (any other unexpected modal
/// dialog still fails the test); null allows none again.
void Set_Allowed_Modal(wxDialog* dialog);

/// Shows dialog modally for real, as the program does, runs inside from
/// within its modal loop, and returns what ShowModal returned. A dialog
/// still open timeout_ms after inside ran is ended and fails the test.
int Run_Modal(wxDialog* dialog, const std::function<void()>& inside, int timeout_ms = 10000);

/// What of the shown windows below top a pupil could not bring into view:
/// each must lie inside its parent's client area, or inside the virtual area
/// of a scrolled parent, and top itself inside screen. One line per window.
wxString Unreachable_Windows(wxWindow* top, const wxRect& screen);
