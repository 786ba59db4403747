#include "shell/Theme_Entry.h"

#include "common/Text_Codec.h"
#include "shell/CSim_Config.h"
#include "shell/CSim_Theme.h"
#include "shell/Exercise_Settings.h"
#include "shell/Link_Rewriting.h"
#include "shell/Plugin_Probe.h"
#include "shell/Preview_Mode.h"
#include "simframe/src/Tirsal_Testing.h"

#include <climits>
#include <wx/filename.h>

Theme_Entry::Theme_Entry(wxWindow* parent, CSim_Config& config)
    : m_pParent(parent), m_TimeOut(0), m_pTheme(nullptr), m_bLog_Held(false)
{
    config.Read("Name", &m_Name, "Unbenannt");
    config.Read("Hint", &m_Hint);

    long seconds;
    config.Read("TimeOut", &seconds, Get_Default_TimeOut());
    // Held in milliseconds; a course's huge value stays a long stay.
    long long ms = (long long)seconds * 1000;
    m_TimeOut = ms > INT_MAX ? INT_MAX : ms < INT_MIN ? INT_MIN : int(ms);

    if (!config.Read_File("Content", &m_Content_File))
        m_Content_File.clear();
    if (!config.Read_File("Exercises", &m_Exercise_File))
        m_Exercise_File.clear();
    Read_Tasks(config);
    config.Read_File("Simulation", &m_Library);
    if (!m_Library.empty() && Plugin_Probe::Find_Library(m_Library))
    {
        config.Read("Simulation_Opts", &m_Options);
        config.Read_File("Simulation_Log", &m_Log_File);
        // The plug-in is loaded and its window made when the theme is first
        // opened; its record begins now, as the session does.
        if (!m_Log_File.empty() && !Is_Preview() && Plugin_Probe::Is_Whole_Library(m_Library))
        {
            Tirsal_Hold_Log(m_Log_File);
            m_bLog_Held = true;
        }
    }
    else
        m_Library.clear();

    wxString path = config.Get_Path();
    for (const wxString& group : config.Get_Group_Names())
    {
        config.Set_Path(group);
        m_Children.push_back(new Theme_Entry(parent, config));
        config.Set_Path(path);
    }
}

Theme_Entry::~Theme_Entry()
{
    if (m_bLog_Held)
        Tirsal_Release_Log(m_Log_File, false);
    for (Theme_Entry* child : m_Children)
        delete child;
}

void Theme_Entry::Read_Tasks(CSim_Config& config)
{
    wxString file;
    if (!config.Read_File("Tasks", &file))
        return;
    wxString text;
    if (!Read_Course_Text(file, text))
        return;
    m_Tasks += text;
    Rewrite_Task_Links(m_Tasks, wxFileName(file).GetPath(wxPATH_GET_VOLUME));
}

CSim_Theme* Theme_Entry::Get_Theme()
{
    if (!m_pTheme)
    {
        m_pTheme = new CSim_Theme(m_pParent, *this);
        // The window took the log over, or the plug-in gave none: then a
        // log begun for it alone goes again.
        if (m_bLog_Held)
            Tirsal_Release_Log(m_Log_File, !m_pTheme->Get_Simulation());
        m_bLog_Held = false;
    }
    return m_pTheme;
}

void Theme_Entry::Stop_Simulations()
{
    if (m_pTheme)
        m_pTheme->Stop_Simulation();
    for (Theme_Entry* child : m_Children)
        child->Stop_Simulations();
}
