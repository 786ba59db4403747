#pragma once

#include <functional>
#include <wx/string.h>

/// Adds an entry to the main window's activity log; does nothing while no
/// main window exists. Exercises, self-test and reflection aids log here.
void Log_Program_Activity(const wxString& text);

/// Lets a test watch every entry given to Log_Program_Activity (with or
/// without a main window); an empty function stops watching.
void Set_Program_Activity_Listener(const std::function<void(const wxString&)>& listener);
