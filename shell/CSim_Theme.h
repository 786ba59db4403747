#pragma once

#include <memory>
#include <optional>
#include <wx/aui/auibook.h>
#include <wx/dynlib.h>

class wxHtmlWindow;
class Paint_After_Layout;
class CSim_Exercise;
class CSim_Window;
class Theme_Entry;

/// The window of one theme: a notebook of pages built from the theme's keys
/// ("Inhalt", "Simulation", "Selbsttest", or "Problem" when none of them can
/// be built). What the main window needs of a theme besides, and the tree
/// of themes, is its Theme_Entry, which makes this window when it is first
/// asked for.
class CSim_Theme : public wxAuiNotebook
{
public:
    /// Makes the notebook, hidden, as a window of parent, with the pages
    /// entry describes in their order: "Inhalt", "Simulation" if its plug-in
    /// gives one, "Selbsttest", or "Problem" when there is no page at all.
    CSim_Theme(wxWindow* parent, const Theme_Entry& entry);
    virtual ~CSim_Theme();

    /// Sets the content page's seven font sizes, 8 to 20 points plus offset,
    /// none below 4.
    void Set_Font_Size(int offset);

    /// Stops the simulation of this theme, if it has one.
    void Stop_Simulation();

    /// The content page, laid out (it is laid out when the theme is first
    /// shown, or here when it is asked for before).
    wxHtmlWindow* Get_Content();
    CSim_Window* Get_Simulation() const { return m_pSimulation; }
    CSim_Exercise* Get_Exercise() const { return m_pExercise; }
    bool Has_Library() const { return m_Library.IsLoaded(); }

private:
    void Add_Content_Page(const wxString& file);
    void Add_Simulation_Page(const Theme_Entry& entry);
    void Add_Exercise_Page(const wxString& file);
    void Add_Problem_Page(const wxString& name);
    void Remove_Simulation_Pages();
    wxHtmlWindow* New_Html_Window();
    void Apply_Font_Size();
    void On_Show(wxShowEvent& event);

    wxDynamicLibrary m_Library;
    wxHtmlWindow* m_pContent;
    wxString m_Unshown_Content;  // the page text until the theme is first shown
    CSim_Window* m_pSimulation;
    CSim_Exercise* m_pExercise;
    std::optional<int> m_Font_Offset;  // the last offset given
    std::unique_ptr<Paint_After_Layout> m_pPaint_After_Layout;
};
