#include "activities/CSim_Selftest.h"

#include "activities/CSim_Question.h"
#include "activities/Screen_Area.h"
#include "activities/Static_Label.h"
#include "common/Record_Texts.h"
#include "shell/Activity_Log.h"
#include "shell/Message_Box.h"

#include <algorithm>
#include <climits>
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/timer.h>

namespace
{
    // The bar's height where the screen leaves room for it, and the least it
    // gives up to keep the buttons in sight where it does not.
    const int BAR_WIDTH = 50, BAR_HEIGHT = 400, BAR_LEAST_HEIGHT = 50;

    // The clock counts time x 10 units and must still count two past that.
    const int MAX_TIME = (INT_MAX - 10) / 10;

    int Sound_Time(int time)
    {
        if (time < 1)
            return CSim_Selftest::DEFAULT_TIME;
        return time > MAX_TIME ? MAX_TIME : time;
    }
}

wxBEGIN_EVENT_TABLE(CSim_Selftest, wxDialog)
    EVT_BUTTON(wxID_CANCEL, CSim_Selftest::On_Cancel)
    EVT_BUTTON(ID_SELFTEST_NEXT, CSim_Selftest::On_Next)
    EVT_TIMER(wxID_ANY, CSim_Selftest::On_Timer)
    EVT_CHECKBOX(wxID_ANY, CSim_Selftest::On_CheckBox)
    EVT_INIT_DIALOG(CSim_Selftest::On_Init)
    EVT_SIZE(CSim_Selftest::On_Size)
wxEND_EVENT_TABLE()

CSim_Selftest::CSim_Selftest(wxWindow* parent, const wxString& file, int time)
    : wxDialog(parent, wxID_ANY, "Selbsttest", wxPoint(0, 0),
               wxSize(wxSystemSettings::GetMetric(wxSYS_SCREEN_X), wxSystemSettings::GetMetric(wxSYS_SCREEN_Y)),
               wxDEFAULT_DIALOG_STYLE, wxDialogNameStr),
      m_nTicks(0), m_nTicks_Max(Sound_Time(time) * 10), m_nQuestions(0), m_iQuestion(-1), m_nWrong(0),
      m_pGauge(nullptr), m_pTimer(nullptr), m_pIntro(nullptr)
{
    m_pTimer = new wxTimer(this, wxID_ANY);
    m_pGauge = new wxGauge(this, wxID_ANY, m_nTicks_Max, wxDefaultPosition, wxSize(BAR_WIDTH, BAR_HEIGHT), wxGA_VERTICAL | wxGA_SMOOTH);

    wxPanel* area = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER);

    const wxSize size(150, 30);
    wxBoxSizer* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxButton(this, ID_SELFTEST_NEXT, "Weiter", wxDefaultPosition, size), 0, wxALL, 10);
    column->Add(new wxButton(this, wxID_CANCEL, "Beenden", wxDefaultPosition, size), 0, wxALL, 10);
    column->Add(m_pGauge, 1, wxEXPAND | wxALL, 10);

    wxBoxSizer* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(area, 1, wxEXPAND | wxALL, 10);
    top->Add(column, 0, wxALL, 10);
    top->FitInside(this);
    SetSizer(top, true);
    Layout();

    m_pIntro = new wxPanel(area, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER);
    m_pIntro->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    m_pIntro->SetFont(wxFont(12, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));

    // The greeting and the panels, with their pictures, wait unseen until
    // the pupil starts the test, if ever: they are made when the dialog is
    // first shown.
    // Only questions with answers are read, so each one takes part.
    Read_Exercise_File(file, &m_Unmade);
    m_nQuestions = int(m_Unmade.size());
    SetSize(Visible_Screen_Area(this));
}

CSim_Selftest::~CSim_Selftest()
{
    m_pTimer->Stop();
    delete m_pTimer;
}

bool CSim_Selftest::Add_Question(wxWindow* parent, const Exercise_Question& read)
{
    CSim_Question* question = new CSim_Question(parent, read);
    if (question->Get_Answer_Count() <= 0)
    {
        question->Destroy();
        return false;
    }
    m_Questions.push_back(question);
    return true;
}

void CSim_Selftest::Make_Questions()
{
    if (m_Unmade.empty())
        return;
    for (const Exercise_Question& question : m_Unmade)
        Add_Question(m_pIntro->GetParent(), question);
    m_Unmade.clear();
    m_nQuestions = int(m_Questions.size());
}

void CSim_Selftest::Judge_Question()
{
    CSim_Question* question = m_Questions[m_iQuestion];
    const int percent = int(double(m_nTicks) * 100.0 / double(m_nTicks_Max));
    if (!question->Evaluate(percent))
        m_nWrong++;
    question->Hide();
}

bool CSim_Selftest::Next_Question()
{
    // Without questions there is nothing to start (the course offers no
    // self-test then, but the dialog must not fall over either).
    if (m_nQuestions <= 0)
        return false;
    Make_Questions();

    if (m_iQuestion < 0)
    {
        m_nWrong = 0;
        m_pIntro->Hide();
        m_iQuestion = 0;
    }
    else if (m_iQuestion < m_nQuestions - 1)
    {
        Judge_Question();
        m_iQuestion++;
    }
    else if (m_iQuestion == m_nQuestions - 1)
    {
        m_pTimer->Stop();
        m_pGauge->SetValue(0);
        Judge_Question();
        // The run is over: a late click or tick must not judge the last
        // question a second time.
        m_iQuestion = m_nQuestions;
        if (IsModal())
            EndModal(wxID_OK);
        else
            Hide();
        Log_Program_Activity(Record_Text(Record_Texts::Selftest_Ended));

        wxString text;
        if (m_nWrong == 0)
            text = "Alle Fragen wurden richtig beantwortet!";
        else if (m_nWrong == 1)
            text = wxString::Format("%d von %d Fragen wurde falsch beantwortet!", m_nWrong, m_nQuestions);
        else
            text = wxString::Format("%d von %d Fragen wurden richtig beantwortet!", m_nQuestions - m_nWrong, m_nQuestions);
        Message_Box(text, wxMessageBoxCaptionStr, wxOK | wxCENTRE, nullptr);
        return true;
    }
    else
    {
        return true;
    }

    CSim_Question* question = m_Questions[m_iQuestion];
    question->Show();
    // The focus would stay on a box of the question just hidden, where no
    // key reaches the dialog any more: Escape would not abort the test.
    question->Focus_First_Answer();
    m_nTicks = 0;
    m_pGauge->SetValue(m_nTicks_Max);
    m_pTimer->Start(100, wxTIMER_CONTINUOUS);
    return true;
}

void CSim_Selftest::Abort_Run()
{
    m_pTimer->Stop();
    if (m_iQuestion >= m_nQuestions)
        return;
    // Over: neither a late tick nor a click judges anything now.
    m_iQuestion = m_nQuestions;
    Log_Program_Activity(Record_Text(Record_Texts::Selftest_Aborted));
}

void CSim_Selftest::EndModal(int code)
{
    Abort_Run();
    wxDialog::EndModal(code);
}

void CSim_Selftest::On_Cancel(wxCommandEvent& event)
{
    Abort_Run();
    event.Skip();
}

void CSim_Selftest::On_Next(wxCommandEvent&)
{
    Next_Question();
}

void CSim_Selftest::On_Timer(wxTimerEvent&)
{
    if (!m_pTimer->IsRunning())
        return;
    const int t = m_nTicks;
    m_nTicks = t + 1;
    if (t >= m_nTicks_Max)
    {
        Next_Question();
        return;
    }
    m_nTicks = t + 2;
    m_pGauge->SetValue(m_nTicks_Max - (t + 2));
}

void CSim_Selftest::On_CheckBox(wxCommandEvent&)
{
    if (m_iQuestion >= 0 && m_iQuestion < m_nQuestions && m_Questions[m_iQuestion]->Get_Correct_Count() == 1)
        Next_Question();
}

void CSim_Selftest::On_Init(wxInitDialogEvent&)
{
    Log_Program_Activity(Record_Text(Record_Texts::Selftest_Started));
    if (m_pIntro->GetChildren().empty())
        New_Static_Label(m_pIntro, L"Der Test wird durch Drücken der 'Weiter'-Taste gestartet.");
    Make_Questions();
    wxWindow* area = m_pIntro->GetParent();
    m_pIntro->SetPosition(wxPoint(0, 0));
    m_pIntro->SetSize(area->GetClientSize());
    for (CSim_Question* question : m_Questions)
        question->Reset();
    m_iQuestion = -1;
    m_pGauge->SetValue(0);
    m_pIntro->Show();
    m_pTimer->Stop();
    if (wxWindow* next = FindWindow(ID_SELFTEST_NEXT))
        next->SetFocus();
}

void CSim_Selftest::On_Size(wxSizeEvent&)
{
    // The dialog cannot be resized by the pupil; its size changes when the
    // window manager takes room for the title bar. The layout then follows,
    // the bar giving up height first, so that the buttons stay in sight.
    if (!m_pIntro)
        return;
    m_pGauge->SetMinSize(wxSize(BAR_WIDTH, BAR_HEIGHT));
    const int excess = GetSizer()->GetMinSize().y - GetClientSize().y;
    if (excess > 0)
        m_pGauge->SetMinSize(wxSize(BAR_WIDTH, std::max(BAR_HEIGHT - excess, BAR_LEAST_HEIGHT)));
    Layout();
    const wxSize area = m_pIntro->GetParent()->GetClientSize();
    m_pIntro->SetSize(area);
    for (CSim_Question* question : m_Questions)
        question->Fit_To(area);
}
