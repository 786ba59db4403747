#pragma once

#include <wx/aui/auibook.h>
#include <wx/dynlib.h>

class wxHtmlWindow;
class CSim_Config;
class CSim_Exercise;
class CSim_Window;

/// One topic of the course: a notebook of pages built from the theme's keys
/// ("Inhalt", "Simulation", "Selbsttest", or "Problem" when none of them can
/// be built), with the hint, the task text and the time-out the main window
/// uses while the theme is open. Themes build their child themes while they
/// are constructed; every theme is a window of the main window.
class CSim_Theme : public wxAuiNotebook
{
public:
    /// Builds the theme from the current group of config (left unchanged).
    CSim_Theme(wxWindow* parent, CSim_Config& config);
    virtual ~CSim_Theme();

    /// Creates a child theme from the group config is positioned on.
    void Add_Child(wxWindow* parent, CSim_Config& config);

    /// Sets the content page's seven font sizes, 8 to 20 points plus offset,
    /// none below 4.
    void Set_Font_Size(int offset);

    /// Stops the simulation of this theme and of every theme below it.
    void Stop_Simulations();

    const wxString& Get_Name() const { return m_Name; }
    const wxString& Get_Hint() const { return m_Hint; }
    const wxString& Get_Tasks() const { return m_Tasks; }
    /// The minimum stay in milliseconds; 0 when there is none or it is served.
    int Get_TimeOut() const { return m_TimeOut; }
    void Clear_TimeOut() { m_TimeOut = 0; }
    int Get_Child_Count() const { return m_nChildren; }
    CSim_Theme* Get_Child(int index) const { return m_Children[index]; }
    /// The content page, laid out (it is laid out when the theme is first
    /// shown, or here when it is asked for before).
    wxHtmlWindow* Get_Content();
    CSim_Window* Get_Simulation() const { return m_pSimulation; }
    CSim_Exercise* Get_Exercise() const { return m_pExercise; }
    bool Has_Library() const { return m_Library.IsLoaded(); }

private:
    void Add_Content_Page(CSim_Config& config);
    void Add_Simulation_Page(CSim_Config& config);
    void Read_Tasks(CSim_Config& config);
    void Add_Exercise_Page(CSim_Config& config);
    void Add_Problem_Page();
    void Remove_Simulation_Pages();
    wxHtmlWindow* New_Html_Window();
    void On_Show(wxShowEvent& event);

    int m_nChildren;
    CSim_Theme** m_Children;
    int m_TimeOut;
    wxString m_Name;
    wxString m_Tasks;
    wxString m_Hint;
    wxDynamicLibrary m_Library;
    wxHtmlWindow* m_pContent;
    wxString m_Unshown_Content;  // the page text until the theme is first shown
    CSim_Window* m_pSimulation;
    CSim_Exercise* m_pExercise;
};
