#pragma once

// Helpers shared by the GUI tests of the activities, with the GUI harness.

#include "shell/Activity_Log.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"

#include <ostream>
#include <vector>
#include <wx/checkbox.h>

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

/// The labels of the check boxes below window, in creation order.
inline std::vector<wxString> Box_Labels(wxWindow* window)
{
    std::vector<wxString> labels;
    for (wxCheckBox* box : Children_Of<wxCheckBox>(window))
        labels.push_back(box->GetLabel());
    return labels;
}
