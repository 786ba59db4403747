#include "activities/CSim_Reflections.h"

#include "activities/CSim_Reflection.h"
#include "activities/Screen_Area.h"
#include "common/Record_File.h"
#include "common/Record_Keeping.h"
#include "common/Record_Texts.h"
#include "common/Record_Trouble.h"
#include "common/Scroll_Page.h"
#include "common/Text_Codec.h"
#include "shell/Activity_Log.h"
#include "shell/CSim_Config.h"
#include "shell/Message_Box.h"
#include "shell/Preview_Mode.h"

#include <algorithm>
#include <climits>
#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

wxBEGIN_EVENT_TABLE(CSim_Reflections, wxDialog)
    EVT_BUTTON(ID_REFLECTIONS_END, CSim_Reflections::On_End)
    EVT_INIT_DIALOG(CSim_Reflections::On_Init)
    EVT_SIZE(CSim_Reflections::On_Size)
wxEND_EVENT_TABLE()

CSim_Reflections::CSim_Reflections(wxWindow* parent, const wxString& file)
    : wxDialog(parent, wxID_ANY, "Reflektionshilfe", wxPoint(0, 0),
               wxSize(wxSystemSettings::GetMetric(wxSYS_SCREEN_X),
                      wxSystemSettings::GetMetric(wxSYS_SCREEN_Y)),
               wxDEFAULT_DIALOG_STYLE),
      m_nItems(0), m_Min_Length(0), m_bFile_Taken(false), m_pArea(nullptr)
{
    wxBoxSizer* top = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* content = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* column = new wxBoxSizer(wxVERTICAL);

    wxScrolledWindow* area = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                                  wxHSCROLL | wxVSCROLL | wxSUNKEN_BORDER);
    m_pArea = area;
    column->Add(new wxButton(this, ID_REFLECTIONS_END, "Beenden", wxDefaultPosition,
                             wxSize(150, 30), 0),
                0, wxALL, 10);
    top->Add(area, 1, wxEXPAND | wxALL, 10);
    top->Add(column, 0, wxALL, 10);
    SetSizer(top);
    area->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));

    std::unique_ptr<CSim_Config> config(new CSim_Config(file));
    if (config->Is_Open())
    {
        long min_length;
        config->Read("MIN_LENGTH", &min_length, 0);
        m_Min_Length = int(std::max<long>(INT_MIN, std::min<long>(INT_MAX, min_length)));
        config->Read("MIN_PROMPT", &m_Min_Prompt,
                     wxString::FromUTF8("Bitte beantworte alle Fragen ausführlich."));
        config->Read_File("Logfile", &m_Log_File);
        area->SetSizer(content);

        // The scroll area's content is most of the work of a start and
        // stays unseen until the pupil opens the dialog: it is made then,
        // from the file as it was read now.
        m_nItems = int(config->Get_Group_Names().size());
        m_pUnbuilt = std::move(config);
    }
    else
        delete content;
    Layout();
    SetSize(Visible_Screen_Area(this));

    // Escape ends the dialog as its close box does: the toolkit would turn
    // it into a click on a Cancel button, which this dialog does not have.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE)
            Close();
        else
            event.Skip();
    });
}

void CSim_Reflections::Build_Topics()
{
    if (!m_pUnbuilt)
        return;
    std::unique_ptr<CSim_Config> config = std::move(m_pUnbuilt);
    wxSizer* content = m_pArea->GetSizer();
    wxString title, intro;
    config->Read("Title", &title, "[Title]");
    config->Read("Intro", &intro, "[Intro]");
    wxStaticText* heading = new wxStaticText(m_pArea, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, 0);
    heading->SetFont(wxFont(16, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    content->Add(heading, 0, wxLEFT | wxRIGHT, 5);
    content->Add(10, 10);
    content->Add(Create_Info_Text(m_pArea, wxEmptyString, 12, false, 0), 0, wxEXPAND, 0);
    content->Add(Create_Info_Text(m_pArea, intro, 12, false, 100), 0, wxEXPAND | wxLEFT | wxRIGHT, 5);
    content->Add(10, 10);
    // Topics come in the order the configuration enumerates groups.
    wxString path = config->Get_Path();
    for (const wxString& name : config->Get_Group_Names())
    {
        config->Set_Path(name);
        CSim_Reflection* item = new CSim_Reflection(m_pArea, config.get());
        m_pItems.push_back(item);
        content->Add(10, 10);
        content->Add(item, 0, wxEXPAND | wxALL, 5);
        config->Set_Path(path);
    }
    content->FitInside(m_pArea);
    m_pArea->Layout();
    m_pArea->SetScrollRate(20, 20);
    Prepare_Scroll_Page(m_pArea);
    Layout();
}

CSim_Reflections::~CSim_Reflections()
{
    Write_Answers();
    Record_Trouble::Get().Forget(m_Log_File);
}

CSim_Reflection* CSim_Reflections::Get_Item(int index)
{
    Build_Topics();
    return index >= 0 && index < int(m_pItems.size()) ? m_pItems[index] : nullptr;
}

wxString CSim_Reflections::Get_Answers()
{
    // A dialog never opened writes its topics with the preset answers.
    Build_Topics();
    wxString text = Record_Text(Record_Texts::Answers_Title) + "\n";
    for (int n = 0; n < int(m_pItems.size()); n++)
    {
        text << "\n" << Record_Text(Record_Texts::Answers_Rule) << "\n";
        text << wxString::Format(Record_Text(Record_Texts::Answers_Heading), n + 1) << "\n\n";
        text << m_pItems[n]->Get_Answer();
    }
    return text;
}

bool CSim_Reflections::Write_Answers()
{
    if (m_Log_File.empty() || Is_Preview())
        return false;
    if (!m_bFile_Taken)
        Keep_Earlier_Run(m_Log_File, Holds_Bytes);
    m_bFile_Taken = true;
    const bool written = Write_Record_File(m_Log_File, Encode_Windows_1252(Get_Answers()));
    Record_Trouble::Get().Report(m_Log_File, written);
    return written;
}

wxTextCtrl* CSim_Reflections::Create_Info_Text(wxWindow* parent, const wxString& text,
                                               int point_size, bool bold, int height)
{
    // Created without a border; the style stays as created, since on GTK
    // changing it afterwards would turn the block editable.
    wxTextCtrl* info = new wxTextCtrl(parent, wxID_ANY, text, wxDefaultPosition, wxSize(100, height),
                                      wxTE_MULTILINE | wxTE_READONLY | wxNO_BORDER);
    info->SetFont(wxFont(point_size, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL,
                         bold ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL, false, wxEmptyString,
                         wxFONTENCODING_DEFAULT));
    // Text to read, not to fill in: Tab goes from rating to explanation.
    info->DisableFocusFromKeyboard();
    return info;
}

void CSim_Reflections::On_Init(wxInitDialogEvent&)
{
    Build_Topics();
    // The panels may be newer than the toolkit's choice of a first
    // control: the first rating takes the focus once the dialog shows.
    if (!m_pItems.empty())
        CallAfter([this] { m_pItems.front()->Get_Assessment_Ctrl()->SetFocus(); });
    // Replaces the default transfer to validators; the dialog has none.
    Log_Program_Activity(Record_Text(Record_Texts::Reflection_Opened));
}

void CSim_Reflections::On_End(wxCommandEvent&)
{
    Build_Topics();
    for (CSim_Reflection* item : m_pItems)
    {
        if (int(item->Get_Explanation().length()) < m_Min_Length)
        {
            Message_Box(m_Min_Prompt, wxMessageBoxCaptionStr, wxOK | wxCENTRE, nullptr);
            return;
        }
    }
    Log_Program_Activity(Record_Text(Record_Texts::Reflection_Closed));
    // Finished answers are on disk at once; a crash later in the lesson
    // does not take them.
    Write_Answers();
    Close(false);
}

void CSim_Reflections::On_Size(wxSizeEvent& event)
{
    // Laid out at construction for the screen's size; should a window
    // manager impose another size, the default layout follows it.
    event.Skip();
}
