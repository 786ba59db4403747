#pragma once

#include <vector>
#include <wx/string.h>

class wxWindow;
class CSim_Config;
class CSim_Theme;

/// One theme as the theme file describes it, read without making a window:
/// its name, hint, task text and time-out, what its pages are made from,
/// and its child themes. A course shows one theme at a time, and a notebook
/// with its pages is most of what a theme costs at start: the theme's
/// window (CSim_Theme) is made when it is first asked for, as the main
/// window does when the theme is first opened; so is its plug-in loaded.
/// The plug-in's log begins at start all the same, and its window joins it.
class Theme_Entry
{
public:
    /// Reads the theme from the current group of config (left unchanged)
    /// and its child themes from the groups below; windows are made on
    /// parent.
    Theme_Entry(wxWindow* parent, CSim_Config& config);
    /// Deletes the child entries; a window made belongs to its parent.
    ~Theme_Entry();
    Theme_Entry(const Theme_Entry&) = delete;
    Theme_Entry& operator=(const Theme_Entry&) = delete;

    const wxString& Get_Name() const { return m_Name; }
    const wxString& Get_Hint() const { return m_Hint; }
    /// The task text with its links made absolute; empty without tasks.
    const wxString& Get_Tasks() const { return m_Tasks; }
    /// The minimum stay in milliseconds; 0 when there is none or it is served.
    int Get_TimeOut() const { return m_TimeOut; }
    void Clear_TimeOut() { m_TimeOut = 0; }
    int Get_Child_Count() const { return int(m_Children.size()); }
    Theme_Entry* Get_Child(int index) const { return m_Children[index]; }

    /// The theme's window, made now (hidden) if it is not yet.
    CSim_Theme* Get_Theme();
    bool Is_Made() const { return m_pTheme != nullptr; }
    /// The window as it is, its pages made or not; null before it is made.
    CSim_Theme* Get_Made_Theme() const { return m_pTheme; }

    /// Stops the simulation of this theme and of every theme below it.
    void Stop_Simulations();

    /// What the window's pages are made from: existing files, or empty.
    const wxString& Get_Content_File() const { return m_Content_File; }
    const wxString& Get_Exercise_File() const { return m_Exercise_File; }
    /// The plug-in library, empty when the theme has none; its option
    /// string and log file (empty when the theme names none).
    const wxString& Get_Library() const { return m_Library; }
    const wxString& Get_Options() const { return m_Options; }
    const wxString& Get_Log_File() const { return m_Log_File; }

private:
    void Read_Tasks(CSim_Config& config);

    wxWindow* m_pParent;
    wxString m_Name;
    wxString m_Hint;
    wxString m_Tasks;
    int m_TimeOut;
    wxString m_Content_File;
    wxString m_Exercise_File;
    wxString m_Library;
    wxString m_Options;
    wxString m_Log_File;
    std::vector<Theme_Entry*> m_Children;
    CSim_Theme* m_pTheme;
    bool m_bLog_Held;  // the simulation log is begun, its window not made
};
