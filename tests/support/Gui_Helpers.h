#pragma once

#include <functional>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDialog;
class wxWindow;

/// Lets the toolkit deliver every pending event, idle events included.
void Process_Events();

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
