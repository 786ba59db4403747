#include "shell/CSim_Theme.h"

#include "activities/CSim_Exercise.h"
#include "common/Text_Codec.h"
#include "shell/CSim_Config.h"
#include "shell/Command_Ids.h"
#include "shell/Exercise_Settings.h"
#include "shell/Link_Rewriting.h"
#include "shell/Plugin_Probe.h"
#include "shell/Preview_Mode.h"
#include "tirsal/CSim_Window.h"

#include <climits>
#include <wx/artprov.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/html/htmlwin.h>
#include <wx/log.h>

namespace
{
    wxBitmapBundle Page_Icon(const char* id)
    {
        return wxArtProvider::GetBitmapBundle(id, wxART_OTHER, wxSize(20, 20));
    }

    wxString Directory_Of(const wxString& file)
    {
        return wxFileName(file).GetPath(wxPATH_GET_VOLUME);
    }
}

CSim_Theme::CSim_Theme(wxWindow* parent, CSim_Config& config)
    : wxAuiNotebook(parent, ID_THEME, wxDefaultPosition, wxDefaultSize,
                    wxAUI_NB_SCROLL_BUTTONS | wxAUI_NB_WINDOWLIST_BUTTON),
      m_nChildren(0), m_Children(nullptr), m_TimeOut(0),
      m_pContent(nullptr), m_pSimulation(nullptr), m_pExercise(nullptr)
{
    config.Read("Name", &m_Name, "Unbenannt");
    config.Read("Hint", &m_Hint);

    long seconds;
    config.Read("TimeOut", &seconds, Get_Default_TimeOut());
    // Held in milliseconds; a course's huge value stays a long stay.
    long long ms = (long long)seconds * 1000;
    m_TimeOut = ms > INT_MAX ? INT_MAX : ms < INT_MIN ? INT_MIN : int(ms);

    Add_Content_Page(config);
    Add_Simulation_Page(config);
    Read_Tasks(config);
    Add_Exercise_Page(config);
    if (GetPageCount() == 0)
        Add_Problem_Page();

    wxString path = config.Get_Path();
    for (const wxString& group : config.Get_Group_Names())
    {
        config.Set_Path(group);
        Add_Child(parent, config);
        config.Set_Path(path);
    }
}

CSim_Theme::~CSim_Theme()
{
    if (m_Library.IsLoaded())
        Remove_Simulation_Pages();
    while (GetPageCount() > 0)
        DeletePage(0);
    m_pContent = nullptr;
    m_pSimulation = nullptr;
    m_pExercise = nullptr;
    delete[] m_Children;
    m_Children = nullptr;
    if (m_Library.IsLoaded())
        m_Library.Unload();
}

void CSim_Theme::Add_Child(wxWindow* parent, CSim_Config& config)
{
    CSim_Theme** children = new CSim_Theme*[m_nChildren + 1];
    for (int i = 0; i < m_nChildren; i++)
        children[i] = m_Children[i];
    delete[] m_Children;
    m_Children = children;
    m_Children[m_nChildren++] = new CSim_Theme(parent, config);
}

wxHtmlWindow* CSim_Theme::New_Html_Window()
{
    return new wxHtmlWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                            wxHW_SCROLLBAR_AUTO, "htmlWindow");
}

void CSim_Theme::Add_Content_Page(CSim_Config& config)
{
    wxString file;
    if (!config.Read_File("Content", &file))
        return;
    m_pContent = New_Html_Window();
    AddPage(m_pContent, "Inhalt", false, Page_Icon(wxART_NORMAL_FILE));

    // The toolkit reports a page it cannot load in a message box; a broken
    // course page simply stays empty.
    wxLogNull quiet;
    wxString ext = wxFileName(file).GetExt().Lower();
    bool html = ext == "htm" || ext == "html" || ext == "xhtml";
    wxString text;
    if (html)
    {
        // An HTML page is laid out once, from its text: the toolkit's own
        // loading lays it out as well, and a page of megabytes takes it
        // seconds each time. Its base location is set as loading would, so
        // relative links and pictures resolve against the file. The text
        // is handed over because course pages are Windows-1252 or UTF-8
        // whatever the session's locale; "./" references are made absolute.
        if (!Read_Course_Text(file, text))
            return;
        Rewrite_Content_Links(text, Directory_Of(file));
        m_pContent->GetParser()->GetFS()->ChangePathTo(wxFileSystem::FileNameToURL(wxFileName(file)));
        // Laying out every theme's page at start costs a course of many
        // themes most of its start; the pupil sees one of them. A page is
        // laid out when its theme is first shown.
        m_Unshown_Content = text;
        Bind(wxEVT_SHOW, &CSim_Theme::On_Show, this);
        return;
    }

    // Other files are shown as the toolkit shows them, with "./" references
    // made absolute where there are any.
    if (!m_pContent->LoadFile(wxFileName(file)) || !Read_Course_Text(file, text))
        return;
    if (Rewrite_Content_Links(text, Directory_Of(file)) > 0)
        m_pContent->SetPage(text);
}

namespace
{
    typedef CSim_Window* (*Get_Simulation_Function)(wxWindow* parent, const wxString& options);
}

wxHtmlWindow* CSim_Theme::Get_Content()
{
    if (m_pContent && !m_Unshown_Content.empty())
    {
        wxLogNull quiet;
        m_pContent->SetPage(m_Unshown_Content);
        m_Unshown_Content.clear();
    }
    return m_pContent;
}

void CSim_Theme::On_Show(wxShowEvent& event)
{
    if (event.IsShown())
        Get_Content();
    event.Skip();
}

void CSim_Theme::Add_Simulation_Page(CSim_Config& config)
{
    wxString file;
    config.Read_File("Simulation", &file);
    if (file.empty() || !Plugin_Probe::Find_Library(file))
        return;

    // A plug-in that does not load adds no page; the toolkit's own report
    // of it would be a message box.
    wxLogNull quiet;
    if (!Plugin_Probe::Is_Whole_Library(file) || !m_Library.Load(file, wxDL_NOW))
        return;
    wxString options;
    config.Read("Simulation_Opts", &options);
    void* symbol = m_Library.GetSymbol("SIM_Get_Simulation");
    if (!symbol)
        return;
    try
    {
        m_pSimulation = reinterpret_cast<Get_Simulation_Function>(symbol)(this, options);
    }
    catch (...)
    {
        m_pSimulation = nullptr;
    }
    if (!m_pSimulation)
        return;
    AddPage(m_pSimulation, "Simulation", false, Page_Icon(wxART_EXECUTABLE_FILE));

    wxString log;
    config.Read_File("Simulation_Log", &log);
    if (!log.empty() && !Is_Preview())
        m_pSimulation->Set_Log_File(log);
}

void CSim_Theme::Read_Tasks(CSim_Config& config)
{
    wxString file;
    if (!config.Read_File("Tasks", &file))
        return;
    wxString text;
    if (!Read_Course_Text(file, text))
        return;
    m_Tasks += text;
    Rewrite_Task_Links(m_Tasks, Directory_Of(file));
}

void CSim_Theme::Add_Exercise_Page(CSim_Config& config)
{
    wxString file;
    if (!config.Read_File("Exercises", &file))
        return;
    CSim_Exercise* exercise = new CSim_Exercise(this, file);
    if (!exercise->Is_Ready())
    {
        exercise->Destroy();
        return;
    }
    m_pExercise = exercise;
    AddPage(m_pExercise, "Selbsttest", false, Page_Icon(wxART_QUESTION));
}

void CSim_Theme::Add_Problem_Page()
{
    wxHtmlWindow* page = New_Html_Window();
    AddPage(page, "Problem", false, Page_Icon(wxART_ERROR));
    page->SetPage("<html><body>" + wxString::Format("<h1>%s</h1>", m_Name)
                  + "<hr><p>fehlerhafte Konfiguration</p>" + "</body></html>");
}

void CSim_Theme::Remove_Simulation_Pages()
{
    // The windows made by the plug-in's code go before that code does.
    if (GetPageCount() < 2)
    {
        if (GetPageCount() == 1)
            DeletePage(0);
    }
    else
    {
        SetSelection(0);
        for (size_t i = GetPageCount(); i-- > 0;)
            if (GetPageText(i) == "Simulation")
                DeletePage(i);
    }
    m_pSimulation = nullptr;
}

void CSim_Theme::Stop_Simulations()
{
    if (m_pSimulation)
        m_pSimulation->Stop_Execution();
    for (int i = 0; i < m_nChildren; i++)
        m_Children[i]->Stop_Simulations();
}

void CSim_Theme::Set_Font_Size(int offset)
{
    if (!m_pContent)
        return;
    int sizes[7];
    Html_Font_Sizes(offset, sizes);
    m_pContent->SetFonts(wxEmptyString, wxEmptyString, sizes);
}
