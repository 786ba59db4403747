#include "activities/CSim_Question.h"

#include "activities/Exercise_File.h"
#include "activities/Static_Label.h"
#include "common/Record_Texts.h"
#include "shell/Activity_Log.h"

#include <wx/checkbox.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/stattext.h>

namespace
{
    // A picture that is missing, empty, truncated or no picture at all is
    // left out without a word: the image loader would otherwise pop up its
    // complaint in front of the pupil.
    bool Load_Picture(const wxString& path, wxImage* image)
    {
        if (path.empty())
            return false;
        wxLogNull quiet;
        if (!wxImage::CanRead(path))
            return false;
        wxImage loaded;
        if (!loaded.LoadFile(path, wxBITMAP_TYPE_ANY) || !loaded.IsOk())
            return false;
        *image = loaded;
        return true;
    }
}

CSim_Question::CSim_Question(wxWindow* parent, const Exercise_Question& question)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE, wxPanelNameStr),
      m_nAnswers(0), m_nCorrect(0)
{
    Hide();
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    SetFont(wxFont(12, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false, wxEmptyString));
    if (question.Answers.empty())
        return;
    m_Question = question.Text;

    wxBoxSizer* main = new wxBoxSizer(wxVERTICAL);
    main->AddSpacer(5);
    main->Add(New_Static_Label(this, m_Question), 0, wxLEFT | wxRIGHT, 5);
    main->AddSpacer(5);
    wxBoxSizer* row = new wxBoxSizer(wxHORIZONTAL);
    main->Add(row, 0, wxLEFT | wxRIGHT, 5);

    wxImage image;
    if (Load_Picture(question.Image, &image))
    {
        row->AddSpacer(5);
        row->Add(new wxStaticBitmap(this, wxID_ANY, wxBitmap(image), wxDefaultPosition, wxDefaultSize, 0),
                 0, wxALIGN_CENTER_VERTICAL | wxALL, 15);
    }

    wxBoxSizer* answers = new wxBoxSizer(wxVERTICAL);
    row->Add(answers, 0, wxLEFT | wxRIGHT, 5);

    for (const Exercise_Answer& answer : question.Answers)
    {
        if (answer.Correct)
            m_nCorrect++;
        wxCheckBox* box;
        wxImage picture;
        if (Load_Picture(answer.Picture, &picture))
        {
            box = new wxCheckBox(this, wxID_ANY, wxEmptyString);
            wxBoxSizer* pair = new wxBoxSizer(wxHORIZONTAL);
            pair->Add(box, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 15);
            pair->Add(new wxStaticBitmap(this, wxID_ANY, wxBitmap(picture)),
                      0, wxALIGN_CENTER_VERTICAL | wxALIGN_CENTER_HORIZONTAL | wxALL, 15);
            answers->Add(pair, 0, wxLEFT | wxRIGHT, 15);
        }
        else
        {
            box = new wxCheckBox(this, wxID_ANY, answer.Label, wxDefaultPosition, wxDefaultSize, 0);
            answers->Add(box, 0, wxLEFT | wxRIGHT, 15);
        }
        Add_Answer(box, answer.Correct);
    }

    main->FitInside(this);
    SetSizer(main, true);
}

CSim_Question::~CSim_Question()
{
}

bool CSim_Question::Add_Answer(wxCheckBox* box, bool correct)
{
    m_Answers.push_back({correct, box});
    m_nAnswers++;
    return true;
}

bool CSim_Question::Reset()
{
    Hide();
    if (GetParent())
        Fit_To(GetParent()->GetClientSize());
    for (const Answer_Record& answer : m_Answers)
        answer.pBox->SetValue(false);
    return true;
}

void CSim_Question::Focus_First_Answer()
{
    if (!m_Answers.empty())
        m_Answers.front().pBox->SetFocus();
}

void CSim_Question::Fit_To(const wxSize& size)
{
    SetPosition(wxPoint(0, 0));
    SetSize(size);
    if (m_nAnswers == 0)
        return;
    // The borders on the right of the question text and of an answer.
    const int text_margin = 10, answer_margin = 25;
    // The question text is the first child, made before the answers.
    wxStaticText* text = dynamic_cast<wxStaticText*>(GetChildren().front());
    text->SetLabel(m_Question);
    text->Wrap(size.x - text_margin);
    for (const Answer_Record& answer : m_Answers)
    {
        // Texts come from single lines of the file, so a line break here was
        // a blank before.
        wxString label = answer.pBox->GetLabel();
        label.Replace("\n", " ");
        answer.pBox->SetLabel(label);
    }
    Layout();
    for (const Answer_Record& answer : m_Answers)
    {
        wxCheckBox* box = answer.pBox;
        const wxString label = box->GetLabel();
        const int mark = box->GetBestSize().x - box->GetTextExtent(label).x;
        const int room = size.x - answer_margin - box->GetPosition().x - mark;
        if (!label.empty() && box->GetSize().x > room + mark)
            box->SetLabel(Wrapped_Text(box, label, room));
    }
    Layout();
}

bool CSim_Question::Evaluate(int percent)
{
    bool right = true;
    wxString ticked = Record_Text(Record_Texts::Question_Ticked);
    for (size_t i = 0; i < m_Answers.size(); i++)
    {
        const bool on = m_Answers[i].pBox->GetValue();
        if (on != m_Answers[i].Correct)
            right = false;
        if (on)
            ticked << wxString::Format("[%d]", int(i + 1));
    }
    if (right)
        Log_Program_Activity(wxString::Format(Record_Text(Record_Texts::Question_Right), percent, m_Question));
    else
        Log_Program_Activity(wxString::Format(Record_Text(Record_Texts::Question_Wrong), percent, m_Question, ticked));
    return right;
}
