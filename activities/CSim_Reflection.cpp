#include "activities/CSim_Reflection.h"

#include "activities/CSim_Reflections.h"
#include "common/Record_Texts.h"
#include "shell/CSim_Config.h"

#include <wx/artprov.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/radiobox.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{
    // The rating labels are written to the answers file as they are,
    // trailing spaces included.
    const wxString s_Ratings[5] = {"1   ", "2   ", "3   ", "4   ", "5   "};
    const int PRESET_RATING = 2;

    wxFont Text_Font(int point_size, bool bold)
    {
        return wxFont(point_size, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL,
                      bold ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL);
    }

    // The topic's picture, or the question mark when the file is missing or
    // holds no image the toolkit can read.
    wxBitmapBundle Load_Picture(const CSim_Config* config)
    {
        wxString path;
        if (config->Read_File("Description_Img", &path))
        {
            // A broken file must not raise an error box in front of the pupil.
            wxLogNull quiet;
            wxImage image;
            if (wxImage::CanRead(path) && image.LoadFile(path, wxBITMAP_TYPE_ANY) && image.IsOk())
                return wxBitmap(image);
        }
        return wxArtProvider::GetBitmapBundle(wxART_QUESTION, wxART_OTHER, wxSize(32, 32));
    }

    wxStaticText* Heading(wxWindow* parent, const wxString& text, int point_size)
    {
        wxStaticText* label = new wxStaticText(parent, wxID_ANY, text, wxDefaultPosition,
                                               wxDefaultSize, 0);
        label->SetFont(Text_Font(point_size, true));
        return label;
    }
}

CSim_Reflection::CSim_Reflection(wxWindow* parent, CSim_Config* config)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSIMPLE_BORDER),
      m_pAssessment(nullptr), m_pExplanation(nullptr)
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    const wxBitmapBundle picture = Load_Picture(config);

    wxString description, assessment, explanation;
    config->Read("Reflection", &m_Topic, "[Reflection]");
    config->Read("Description", &description, "[Description]");
    config->Read("Assessment", &assessment, "[Assessment]");
    config->Read("Explanation", &explanation, "[Explanation]");

    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(Heading(this, m_Topic, 14), 0, wxLEFT | wxRIGHT, 5);
    sizer->Add(15, 15);

    wxBoxSizer* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, picture, wxDefaultPosition, wxDefaultSize, 0),
             0, wxALL, 10);
    row->Add(CSim_Reflections::Create_Info_Text(this, description, 12, false, 120), 1, wxEXPAND, 0);
    sizer->Add(row, 0, wxEXPAND | wxALL, 5);
    sizer->Add(15, 15);

    sizer->Add(Heading(this, assessment, 12), 0, wxLEFT | wxRIGHT, 5);
    m_pAssessment = new wxRadioBox(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                   5, s_Ratings, 0, wxRA_SPECIFY_COLS);
    m_pAssessment->SetFont(Text_Font(12, true));
    m_pAssessment->SetSelection(PRESET_RATING);
    sizer->Add(m_pAssessment, 0, wxALL, 5);
    sizer->Add(15, 15);

    sizer->Add(Heading(this, explanation, 12), 0, wxLEFT | wxRIGHT, 5);
    m_pExplanation = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                    wxSize(150, 150), wxTE_MULTILINE);
    m_pExplanation->SetFont(Text_Font(12, false));
    sizer->Add(m_pExplanation, 0, wxEXPAND | wxALL, 5);

    SetSizer(sizer);
    sizer->FitInside(this);
    Layout();
}

CSim_Reflection::~CSim_Reflection()
{
}

wxString CSim_Reflection::Get_Answer() const
{
    wxString answer;
    answer << Record_Text(Record_Texts::Answer_Topic) << m_Topic << "\n";
    answer << Record_Text(Record_Texts::Answer_Rating) << m_pAssessment->GetStringSelection() << "\n";
    answer << Record_Text(Record_Texts::Answer_Explanation) << "\n" << Get_Explanation() << "\n";
    return answer;
}

wxString CSim_Reflection::Get_Explanation() const
{
    return m_pExplanation->GetValue();
}
