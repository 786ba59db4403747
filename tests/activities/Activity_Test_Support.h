#pragma once

// Helpers shared by the GUI tests of the activities.

#include "shell/Activity_Log.h"
#include "tests/support/Frame_Fixture.h"

#include <ostream>
#include <vector>
#include <wx/checkbox.h>
#include <wx/filefn.h>

/// Lets failing expectations show texts as texts.
static inline void PrintTo(const wxString& text, std::ostream* out) { *out << '"' << text.utf8_str().data() << '"'; }

/// Collects every line given to the activity log while it lives.
struct Log_Capture
{
    Log_Capture() { Set_Program_Activity_Listener([this](const wxString& line) { Lines.push_back(line); }); }
    ~Log_Capture() { Set_Program_Activity_Listener({}); }
    Log_Capture(const Log_Capture&) = delete;
    std::vector<wxString> Lines;
};

/// Runs the rest of a block with another working directory.
struct In_Directory
{
    explicit In_Directory(const wxString& dir) : Old(wxGetCwd()) { wxSetWorkingDirectory(dir); }
    ~In_Directory() { wxSetWorkingDirectory(Old); }
    wxString Old;
};

/// The children of window that are a T, in creation order.
template <class T> std::vector<T*> Children_Of(wxWindow* window)
{
    std::vector<T*> found;
    for (wxWindow* child : window->GetChildren())
        if (T* t = dynamic_cast<T*>(child))
            found.push_back(t);
    return found;
}

/// The labels of the check boxes below window, in creation order.
inline std::vector<wxString> Box_Labels(wxWindow* window)
{
    std::vector<wxString> labels;
    for (wxCheckBox* box : Children_Of<wxCheckBox>(window))
        labels.push_back(box->GetLabel());
    return labels;
}
