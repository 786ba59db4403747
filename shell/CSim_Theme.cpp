#include "shell/CSim_Theme.h"

#include "activities/CSim_Exercise.h"
#include "common/Text_Codec.h"
#include "shell/Command_Ids.h"
#include "shell/Html_Page.h"
#include "shell/Link_Rewriting.h"
#include "shell/Paint_After_Layout.h"
#include "shell/Plugin_Probe.h"
#include "shell/Theme_Entry.h"
#include "shell/Preview_Mode.h"
#include "tirsal/CSim_Window.h"

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

CSim_Theme::CSim_Theme(wxWindow* parent, const Theme_Entry& entry)
    : wxAuiNotebook(), m_pContent(nullptr), m_pSimulation(nullptr), m_pExercise(nullptr)
{
    // Hidden until the main window shows it: its page is laid out then.
    Hide();
    Create(parent, ID_THEME, wxDefaultPosition, wxDefaultSize, wxAUI_NB_SCROLL_BUTTONS | wxAUI_NB_WINDOWLIST_BUTTON);
    m_pPaint_After_Layout = std::make_unique<Paint_After_Layout>(this);
    Bind(wxEVT_SHOW, &CSim_Theme::On_Show, this);
    Add_Content_Page(entry.Get_Content_File());
    Add_Simulation_Page(entry);
    Add_Exercise_Page(entry.Get_Exercise_File());
    if (GetPageCount() == 0)
        Add_Problem_Page(entry.Get_Name());
}

CSim_Theme::~CSim_Theme()
{
    // The pages see the theme going: a page that comes on show as the
    // others are deleted is not made for nothing.
    SendDestroyEvent();
    if (m_Library.IsLoaded())
        Remove_Simulation_Pages();
    while (GetPageCount() > 0)
        DeletePage(0);
    m_pContent = nullptr;
    m_pSimulation = nullptr;
    m_pExercise = nullptr;
    if (m_Library.IsLoaded())
        m_Library.Unload();
}

wxHtmlWindow* CSim_Theme::New_Html_Window()
{
    return new Html_Page(this, wxDefaultSize, wxHW_SCROLLBAR_AUTO);
}

void CSim_Theme::Add_Content_Page(const wxString& file)
{
    if (file.empty())
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
        // Laid out when its theme is first shown.
        m_Unshown_Content = text;
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
        // The sizes first: setting them lays a page out again.
        Apply_Font_Size();
        m_pContent->SetPage(m_Unshown_Content);
        m_Unshown_Content.clear();
    }
    return m_pContent;
}

void CSim_Theme::On_Show(wxShowEvent& event)
{
    if (event.IsShown() && !IsBeingDeleted())
    {
        Get_Content();
        // The first page is on show from the start and gets no show of its
        // own when the theme comes on screen.
        if (m_pExercise && GetCurrentPage() == m_pExercise)
            m_pExercise->Make_Boxes();
    }
    event.Skip();
}

void CSim_Theme::Add_Simulation_Page(const Theme_Entry& entry)
{
    const wxString& file = entry.Get_Library();
    if (file.empty())
        return;
    // A plug-in that does not load adds no page; the toolkit's own report
    // of it would be a message box.
    wxLogNull quiet;
    if (!Plugin_Probe::Is_Whole_Library(file) || !m_Library.Load(file, wxDL_NOW))
        return;
    const wxString& options = entry.Get_Options();
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

    const wxString& log = entry.Get_Log_File();
    if (!log.empty() && !Is_Preview())
        m_pSimulation->Set_Log_File(log);
}

void CSim_Theme::Add_Exercise_Page(const wxString& file)
{
    if (file.empty())
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

void CSim_Theme::Add_Problem_Page(const wxString& name)
{
    wxHtmlWindow* page = New_Html_Window();
    AddPage(page, "Problem", false, Page_Icon(wxART_ERROR));
    page->SetPage("<html><body>" + wxString::Format("<h1>%s</h1>", name)
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

void CSim_Theme::Stop_Simulation()
{
    if (m_pSimulation)
        m_pSimulation->Stop_Execution();
}

void CSim_Theme::Set_Font_Size(int offset)
{
    // The same sizes again would only lay the page out again.
    if (m_Font_Offset == offset)
        return;
    m_Font_Offset = offset;
    // A page not laid out yet takes the sizes when it is.
    if (m_pContent && m_Unshown_Content.empty())
        Apply_Font_Size();
}

void CSim_Theme::Apply_Font_Size()
{
    if (!m_Font_Offset)
        return;
    int sizes[7];
    Html_Font_Sizes(*m_Font_Offset, sizes);
    m_pContent->SetFonts(wxEmptyString, wxEmptyString, sizes);
}
