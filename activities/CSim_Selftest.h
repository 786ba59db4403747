#pragma once

#include "activities/Exercise_File.h"

#include <vector>
#include <wx/dialog.h>

class wxGauge;
class wxPanel;
class wxTimer;
class wxTimerEvent;
class CSim_Question;

/// Button identifier of "Weiter".
enum
{
    ID_SELFTEST_NEXT = 6110
};

/// The timed self-test: a screen-filling modal dialog that shows one question
/// at a time, drains a bar while the question's time runs, judges each
/// question when the pupil moves on or the time is up, and ends with how many
/// were right. Start, every judged question, end and abort are logged.
class CSim_Selftest : public wxDialog
{
public:
    /// The time allowance used when a course gives none that makes sense.
    static const int DEFAULT_TIME = 60;

    /// Builds the hidden dialog and reads the self-test file; time is the
    /// allowance per question in the course's units (a tick of 100 ms uses
    /// two of the time x 10 units). A time below 1 is taken as DEFAULT_TIME.
    /// The question panels are made when the dialog is first shown.
    CSim_Selftest(wxWindow* parent, const wxString& file, int time);
    virtual ~CSim_Selftest();

    /// True when at least one question can take part.
    bool Has_Questions() const { return m_nQuestions > 0; }

    /// Builds a question panel on parent; false (and the panel gone) when
    /// it has no answers.
    bool Add_Question(wxWindow* parent, const Exercise_Question& question);

    /// Makes the question panels as read from the file, unless they are
    /// made already.
    void Make_Questions();

    /// Starts the run from the start panel, judges the question on screen
    /// and shows the next one, or after the last one ends the run and shows
    /// the result.
    bool Next_Question();

    /// However the modal run ends (a session that ends closes it from
    /// outside), a run still going is aborted: its clock stops and the abort
    /// is logged.
    void EndModal(int code) override;

protected:
    void On_Cancel(wxCommandEvent& event);
    void On_Next(wxCommandEvent& event);
    void On_Timer(wxTimerEvent& event);
    void On_CheckBox(wxCommandEvent& event);
    void On_Init(wxInitDialogEvent& event);
    void On_Size(wxSizeEvent& event);

    /// Judges the question on screen with the time used so far and hides it.
    void Judge_Question();

    /// Stops the clock and logs the abort of a run that is not over yet.
    void Abort_Run();

    int m_nTicks;
    int m_nTicks_Max;
    int m_nQuestions;
    int m_iQuestion;
    int m_nWrong;
    std::vector<CSim_Question*> m_Questions;
    wxGauge* m_pGauge;
    wxTimer* m_pTimer;
    wxPanel* m_pIntro;
    std::vector<Exercise_Question> m_Unmade;  // as read, until the panels are made

private:
    wxDECLARE_EVENT_TABLE();
};
