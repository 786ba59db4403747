#pragma once

#include <functional>
#include <wx/string.h>

class wxWindow;

/// Lets the toolkit deliver every pending event, idle events included.
void Process_Events();

/// Processes events until cond holds or ms milliseconds have passed; a
/// timeout fails the test with what was awaited. Returns whether cond held.
bool Wait_For(const char* what, const std::function<bool()>& cond, int ms = 3000);

/// Finds a descendant window (or the window itself) whose label is label.
wxWindow* Find_By_Label(wxWindow* root, const wxString& label);

/// Sends a button click from the button with that label below root.
bool Click_Button(wxWindow* root, const wxString& label);
