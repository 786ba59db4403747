#pragma once

#include <wx/panel.h>

class wxRadioBox;
class wxTextCtrl;
class CSim_Config;

/// One topic of the reflection questionnaire: title, description with a
/// picture, a rating from 1 to 5 and a free-text explanation.
class CSim_Reflection : public wxPanel
{
public:
    /// Builds the panel from the keys of the config's current group.
    CSim_Reflection(wxWindow* parent, CSim_Config* config);
    virtual ~CSim_Reflection();

    /// The topic's three lines of the answers file: "Thema: ...",
    /// "Bewertung: ..." with the chosen label and "Erläuterung:" followed by
    /// the explanation on lines of its own.
    wxString Get_Answer() const;

    /// The explanation as the pupil wrote it.
    wxString Get_Explanation() const;

    const wxString& Get_Topic() const { return m_Topic; }
    wxRadioBox* Get_Assessment_Ctrl() const { return m_pAssessment; }
    wxTextCtrl* Get_Explanation_Ctrl() const { return m_pExplanation; }

private:
    wxString m_Topic;
    wxRadioBox* m_pAssessment;
    wxTextCtrl* m_pExplanation;
};
