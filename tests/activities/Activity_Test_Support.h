#pragma once

// Helpers shared by the tests of exercise pages and the self-test.

#include "tests/support/Dialog_Testing.h"
#include "shell/Activity_Log.h"

#include <ostream>
#include <vector>
#include <wx/checkbox.h>
#include <wx/window.h>

/// Lets failing expectations show texts as texts.
static inline void PrintTo(const wxString& text, std::ostream* out)
{
    *out << '"' << text.utf8_str().data() << '"';
}

/// Collects every line given to the activity log while it lives.
class Log_Capture
{
public:
    Log_Capture()
    {
        Set_Program_Activity_Listener([this](const wxString& line) { Lines.push_back(line); });
    }
    ~Log_Capture() { Set_Program_Activity_Listener({}); }
    Log_Capture(const Log_Capture&) = delete;
    Log_Capture& operator=(const Log_Capture&) = delete;

    std::vector<wxString> Lines;
};

/// What a message box showed.
struct Seen_Box
{
    wxString Message;
    wxString Caption;
    long Style = 0;
};

/// Expects a message box, answers it with a button identifier (wxID_OK,
/// wxID_YES, wxID_NO) and keeps what it showed.
class Expect_Box : public wxExpectModalBase<wxMessageDialog, Expect_Box>
{
public:
    Expect_Box(int id, Seen_Box* seen) : m_Id(id), m_pSeen(seen) {}

protected:
    int OnInvoked(wxMessageDialog* box) const override
    {
        m_pSeen->Message = box->GetMessage();
        m_pSeen->Caption = box->GetCaption();
        m_pSeen->Style = box->GetMessageDialogStyle();
        return m_Id;
    }

private:
    int m_Id;
    Seen_Box* m_pSeen;
};

/// The check boxes directly below window, in creation order.
inline std::vector<wxCheckBox*> Check_Boxes(wxWindow* window)
{
    std::vector<wxCheckBox*> boxes;
    for (wxWindow* child : window->GetChildren())
        if (wxCheckBox* box = dynamic_cast<wxCheckBox*>(child))
            boxes.push_back(box);
    return boxes;
}

/// Changes a box as a click does, and sends the click on its way up.
inline void Click_Box(wxCheckBox* box)
{
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(box->GetValue());
    box->GetEventHandler()->ProcessEvent(event);
}
