#pragma once

#include "activities/Answer_Record.h"
#include "activities/Exercise_File.h"

#include <vector>
#include <wx/scrolwin.h>

class wxSizer;

/// Button identifiers shared by all exercise pages.
enum
{
    ID_EXERCISE_CHECK = 6100,
    ID_EXERCISE_SHOW = 6101,
    ID_EXERCISE_RESET = 6102
};

/// A page of multiple-choice questions read from an exercise file, checked
/// all at once with "Prüfen". What the pupil ticks lives in the check boxes
/// only; every check, wrong answer, solution shown and reset is logged.
class CSim_Exercise : public wxScrolledWindow
{
public:
    /// Reads the exercise file; the page stays empty (and not ready) when
    /// the file yields no answer. Its questions, boxes and buttons are made
    /// when the page first comes on show, or by Make_Boxes.
    CSim_Exercise(wxWindow* parent, const wxString& file);
    virtual ~CSim_Exercise();

    /// True once at least one answer was read: only then is the page shown.
    bool Is_Ready() const { return m_Ready; }

    /// Makes the questions with their boxes and the button row, unless they
    /// are made already.
    void Make_Boxes();

    /// Compares every box with its solution, colours all labels black and
    /// logs the check and each wrong answer; true when none is wrong.
    bool Check_Answers();
    /// Ticks exactly the right boxes, colouring red the labels of those that
    /// were wrong.
    bool Show_Solution();
    /// Unticks every box and colours all labels black.
    bool Reset_Answers();

protected:
    bool Add_Question(wxSizer* page, const Exercise_Question& question);

    void On_Check(wxCommandEvent& event);
    void On_Show(wxCommandEvent& event);
    void On_Reset(wxCommandEvent& event);
    void On_Shown(wxShowEvent& event);

    bool m_Ready;
    int m_nAnswers;
    std::vector<Answer_Record> m_Answers;
    wxString m_File;
    std::vector<Exercise_Question> m_Unmade;  // as read, until the boxes are made

private:
    wxDECLARE_EVENT_TABLE();
};
