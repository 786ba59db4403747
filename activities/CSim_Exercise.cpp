#include "activities/CSim_Exercise.h"

#include "activities/Exercise_File.h"
#include "activities/Static_Label.h"
#include "common/Record_Texts.h"
#include "common/Scroll_Page.h"
#include "shell/Activity_Log.h"
#include "shell/Exercise_Settings.h"
#include "shell/Message_Box.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

wxBEGIN_EVENT_TABLE(CSim_Exercise, wxScrolledWindow)
    EVT_BUTTON(ID_EXERCISE_CHECK, CSim_Exercise::On_Check)
    EVT_BUTTON(ID_EXERCISE_SHOW, CSim_Exercise::On_Show)
    EVT_BUTTON(ID_EXERCISE_RESET, CSim_Exercise::On_Reset)
wxEND_EVENT_TABLE()

CSim_Exercise::CSim_Exercise(wxWindow* parent, const wxString& file)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL, wxPanelNameStr),
      m_Ready(false), m_nAnswers(0), m_File(file)
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    SetFont(wxFont(10, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false, wxEmptyString));

    // The reader keeps only questions with answers: one question makes a page.
    if (!Read_Exercise_File(m_File, &m_Unmade) || m_Unmade.empty())
        return;
    m_Ready = true;
    // A page waits behind its tab, and most stay unseen in a lesson: the
    // boxes are made when the page first comes on show.
    Bind(wxEVT_SHOW, &CSim_Exercise::On_Shown, this);
}

void CSim_Exercise::Make_Boxes()
{
    if (m_Unmade.empty())
        return;
    wxBoxSizer* page = new wxBoxSizer(wxVERTICAL);
    for (const Exercise_Question& question : m_Unmade)
        Add_Question(page, question);
    m_Unmade.clear();

    wxBoxSizer* buttons = new wxBoxSizer(wxHORIZONTAL);
    const wxSize size(150, 30);
    buttons->Add(new wxButton(this, ID_EXERCISE_CHECK, L"Prüfen", wxDefaultPosition, size, 0), 0, wxALL, 10);
    if (Get_Exercise_Flag(2))
        buttons->Add(new wxButton(this, ID_EXERCISE_SHOW, "Zeigen", wxDefaultPosition, size, 0), 0, wxALL, 10);
    if (Get_Exercise_Flag(3))
        buttons->Add(new wxButton(this, ID_EXERCISE_RESET, L"Zurücksetzen", wxDefaultPosition, size, 0), 0, wxALL, 10);
    page->Add(buttons, 0, wxALL, 10);

    page->FitInside(this);
    SetSizer(page, true);
    SetScrollRate(20, 20);
    Prepare_Scroll_Page(this);
    Layout();
}

void CSim_Exercise::On_Shown(wxShowEvent& event)
{
    if (event.IsShown() && !IsBeingDeleted())
        Make_Boxes();
    event.Skip();
}

CSim_Exercise::~CSim_Exercise()
{
}

bool CSim_Exercise::Add_Question(wxSizer* page, const Exercise_Question& question)
{
    wxStaticBoxSizer* box = new wxStaticBoxSizer(wxVERTICAL, this, wxEmptyString);
    box->AddSpacer(5);
    box->Add(New_Static_Label(this, question.Text), 0, wxLEFT | wxRIGHT, 5);
    box->AddSpacer(5);
    for (const Exercise_Answer& answer : question.Answers)
    {
        wxCheckBox* check = new wxCheckBox(this, wxID_ANY, answer.Label, wxDefaultPosition, wxDefaultSize, 0);
        box->Add(check, 0, wxLEFT | wxRIGHT, 15);
        m_Answers.push_back({answer.Correct, check});
        m_nAnswers++;
    }
    box->AddSpacer(5);
    // A stretched box needs no horizontal centring (the toolkit rejects the
    // two together in a vertical sizer).
    page->Add(box, 0, wxEXPAND | wxALL, 10);
    return true;
}

bool CSim_Exercise::Check_Answers()
{
    Make_Boxes();
    Log_Program_Activity(wxString::Format(Record_Text(Record_Texts::Exercise_Checked), m_File));
    bool right = true;
    for (const Answer_Record& answer : m_Answers)
    {
        answer.pBox->SetForegroundColour(*wxBLACK);
        if (answer.pBox->GetValue() != answer.Correct)
        {
            right = false;
            Log_Program_Activity(
                wxString::Format(Record_Text(Record_Texts::Exercise_Wrong), answer.pBox->GetLabelText()));
        }
    }
    Refresh(true);
    if (right)
        Log_Program_Activity(Record_Text(Record_Texts::Exercise_Right));
    return right;
}

bool CSim_Exercise::Show_Solution()
{
    Make_Boxes();
    for (const Answer_Record& answer : m_Answers)
    {
        answer.pBox->SetForegroundColour(answer.pBox->GetValue() == answer.Correct ? *wxBLACK : *wxRED);
        answer.pBox->SetValue(answer.Correct);
    }
    Refresh(true);
    Log_Program_Activity(wxString::Format(Record_Text(Record_Texts::Exercise_Solution), m_File));
    return true;
}

bool CSim_Exercise::Reset_Answers()
{
    Make_Boxes();
    for (const Answer_Record& answer : m_Answers)
    {
        answer.pBox->SetForegroundColour(*wxBLACK);
        answer.pBox->SetValue(false);
    }
    Refresh(true);
    Log_Program_Activity(wxString::Format(Record_Text(Record_Texts::Exercise_Reset), m_File));
    return true;
}

void CSim_Exercise::On_Check(wxCommandEvent&)
{
    const wxString caption = "Selbsttest Ergebnis";
    if (Check_Answers())
    {
        Message_Box(Get_Exercise_Text(1), caption, wxOK | wxCENTRE, nullptr);
    }
    else if (Get_Exercise_Flag(1))
    {
        wxString text = wxString::Format("%s\n\nSollen die richtigen Antworten jetzt angezeigt werden?", Get_Exercise_Text(2));
        if (Message_Box(text, caption, wxYES_NO, nullptr) == wxYES)
            Show_Solution();
    }
    else
    {
        Message_Box(Get_Exercise_Text(2), caption, wxOK | wxCENTRE, nullptr);
    }
}

void CSim_Exercise::On_Show(wxCommandEvent&)
{
    Show_Solution();
}

void CSim_Exercise::On_Reset(wxCommandEvent&)
{
    Reset_Answers();
}
