#pragma once

#include "activities/Answer_Record.h"

#include <vector>
#include <wx/panel.h>

class wxCheckBox;
struct Exercise_Question;

/// One question of the self-test: its text, an optional picture, and the
/// answers as check boxes, each a text or a picture. Clicks on the boxes
/// travel up to the self-test dialog; the panel judges itself when asked.
class CSim_Question : public wxPanel
{
public:
    /// Builds the hidden panel from a question of the self-test file;
    /// without answers the panel stays empty.
    CSim_Question(wxWindow* parent, const Exercise_Question& question);
    virtual ~CSim_Question();

    /// Appends an answer record; always true.
    bool Add_Answer(wxCheckBox* box, bool correct);

    /// Hides the panel, fits it to its parent's client area and unticks
    /// every box.
    bool Reset();

    /// Takes size at the top left of the parent, with the question and the
    /// answer texts broken into lines where they would be wider.
    void Fit_To(const wxSize& size);

    /// Judges the ticked boxes and logs the result with the share of the
    /// time allowance used (percent); true when exactly the right boxes are
    /// ticked.
    bool Evaluate(int percent);

    /// Gives the keyboard focus to the first answer's box.
    void Focus_First_Answer();

    /// Number of answers; 0 means the question cannot take part.
    int Get_Answer_Count() const { return m_nAnswers; }
    /// Number of answers that must be ticked.
    int Get_Correct_Count() const { return m_nCorrect; }

protected:
    int m_nAnswers;
    int m_nCorrect;
    std::vector<Answer_Record> m_Answers;
    wxString m_Question;
};
