#pragma once

#include "common/Record_File.h"
#include "shell/Activity_Log.h"

#include <memory>
#include <vector>
#include <wx/aui/aui.h>
#include <wx/datetime.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/treectrl.h>

class wxHtmlLinkEvent;
class wxHtmlWindow;
class wxTextCtrl;
class wxToolBar;
class wxAuiNotebookEvent;
class CSim_Theme;
class Paint_After_Layout;
class CSim_Themes;
class Theme_Entry;

/// The single top-level window: navigation tree, notes pad, tasks pane and
/// one centre pane per content page, with menus, toolbar and status bar.
/// It owns the time-out timer, the activity log and the notes.
class CSim_Frame : public wxFrame
{
public:
    /// The back and forward list of opened tree items.
    class History
    {
    public:
        History();
        ~History();
        /// Stores item after the position, dropping the entries after it;
        /// nothing changes when item is already at the position.
        void Push(const wxTreeItemId& item);
        /// Moves back one entry if possible; returns the entry at the position.
        wxTreeItemId Back();
        /// Moves forward one entry if possible; returns the entry at the position.
        wxTreeItemId Forward();
        void Clear();
        int Get_Position() const { return m_Position; }
        int Get_Size() const { return m_Size; }
        int Get_Capacity() const { return m_Capacity; }
        wxTreeItemId Get(int index) const { return m_Items[index]; }

    private:
        wxTreeItemId* m_Items;
        int m_Position;
        int m_Size;
        int m_Capacity;
    };

    /// Builds and shows the window on the start file beside the program, or
    /// on start_file when given; a theme_file given replaces its THEMES.
    explicit CSim_Frame(const wxString& start_file = wxEmptyString,
                        const wxString& theme_file = wxEmptyString);
    virtual ~CSim_Frame();

    /// Adds delta points to the font offset of every content page.
    void Change_Font_Size(int delta);

    // Navigation and content pages.
    void Load_Themes(const wxString& path);
    void Clear_Themes();
    /// Adds the tree item of a content page: a window, or a theme whose
    /// window is made when it is first opened.
    wxTreeItemId Add_Content_Page(const wxTreeItemId& parent, int image, wxWindow* window, const wxString& title,
                                  Theme_Entry* theme = nullptr);
    /// Makes the window of an item's content page (a theme or the glossary
    /// is made when first opened) and its pane, unless they are made already.
    wxWindow* Make_Item_Window(const wxTreeItemId& item);
    wxTreeItemId Add_Theme_Tree(const wxTreeItemId& parent, int depth, Theme_Entry* theme);
    wxTreeItemId Get_Prev_Item(const wxTreeItemId& item) const;
    wxTreeItemId Get_Next_Item() const;
    /// The window of an item's theme, made if it is not yet; null for
    /// another page.
    CSim_Theme* Get_Theme(const wxTreeItemId& item) const;
    Theme_Entry* Item_Theme(const wxTreeItemId& item) const;
    bool Has_TimeOut(const wxTreeItemId& item) const;
    bool Is_Locked(const wxTreeItemId& item) const;
    void Show_Tasks(bool show);

    // Activity log.
    void Add_Log_Entry(const wxString& text);
    void Start_Log();
    bool Ask_Log_File();
    bool Choose_Log_File();
    bool Write_Log();

    // Notes pad.
    bool Save_Notes();
    bool Save_Notes_As();
    void Clear_Notes();

    /// Ends the program as a confirmed close does, without any question:
    /// modified notes go to the notes file when one is set, simulations stop
    /// and every record is written. Used when a signal ends the session.
    void Shut_Down();

    /// Read access for the pieces that cooperate with the window.
    wxTreeCtrl* Get_Tree() const { return m_pTree; }
    wxTextCtrl* Get_Notes() const { return m_pNotes; }
    wxHtmlWindow* Get_Tasks() const { return m_pTasks; }
    wxToolBar* Get_Tool_Bar() const { return m_pToolBar; }
    wxAuiManager& Get_Manager() { return m_Manager; }
    wxTimer* Get_Timer() const { return m_pTimer; }
    CSim_Themes* Get_Themes() const { return m_pThemes; }
    const std::vector<wxWindow*>& Get_Pages() const { return m_Pages; }
    const History& Get_History() const { return m_History; }
    const wxString& Get_Log() const { return m_Log; }
    const wxString& Get_Log_File() const { return m_Log_File; }
    const wxString& Get_Notes_File() const { return m_Notes_File; }
    bool Is_Logging() const { return m_bDoLog; }
    bool Is_Reflections_Open() const { return m_bReflections_Open; }
    int Get_Elapsed() const { return m_Elapsed; }
    wxTreeItemId Get_Current_Item() const { return m_Current_Item; }
    wxTreeItemId Get_Glossar_Item() const { return m_Glossar_Item; }
    static int Get_Font_Offset();
    /// The window the activity log and the activities talk to, or null.
    static CSim_Frame* Get_Frame();

protected:
    void On_Close(wxCloseEvent& event);
    void On_Timer(wxTimerEvent& event);
    void On_Link_Clicked(wxHtmlLinkEvent& event);
    void On_Tree_Sel_Changing(wxTreeEvent& event);
    void On_Tree_Sel_Changed(wxTreeEvent& event);
    void On_Page_Changed(wxAuiNotebookEvent& event);
    void On_Update_UI(wxUpdateUIEvent& event);
    void On_Command(wxCommandEvent& event);
    void On_Quit(wxCommandEvent& event);
    void On_Char_Hook(wxKeyEvent& event);
    void On_About(wxCommandEvent& event);

private:
    void Open_Item(const wxTreeItemId& item);
    void Open_Link(const wxString& link, wxHtmlWindow* source);
    void Leave_Stay();
    void Show_Stay(const Theme_Entry* theme);
    void Colour_Items(const wxTreeItemId& item);
    wxWindow* Item_Window(const wxTreeItemId& item) const;

    void Toggle_Pane(const wxString& name);
    bool Is_Pane_Shown(const wxString& name);
    void Delete_Catalogue();
    void Stop_Simulations();
    void Show_Selftest();
    void Show_Reflections();
    void Create_Menus();
    void Create_Tool_Bar();
    bool Has_Selftest() const;
    bool Has_Reflections() const;
    bool Notes_Modified() const;
    bool Save_Notes_To(const wxString& path);
    void Start_Log_File();
    void Add_Log_Line(const wxDateTime& now, const wxString& text);

    bool m_bDoLog;
    bool m_bReflections_Open;
    bool m_bShutting_Down;
    int m_Elapsed;
    wxString m_Notes_File;
    wxString m_Log;
    wxString m_Log_File;
    Record_File m_Log_Record;  // the log on disk as it grows
    wxDateTime m_Last_Time;
    wxTreeItemId m_Current_Item;
    wxTreeItemId m_Glossar_Item;
    wxAuiManager m_Manager;
    std::unique_ptr<Paint_After_Layout> m_pPaint_After_Layout;
    std::vector<wxWindow*> m_Pages;
    wxToolBar* m_pToolBar;
    wxTreeCtrl* m_pTree;
    wxTextCtrl* m_pNotes;
    wxHtmlWindow* m_pTasks;
    wxTimer* m_pTimer;
    wxTimer m_Stay_Notice;                       // clears "Nächstes Thema frei"
    std::vector<const Theme_Entry*> m_Stays_Left;  // timed themes left before served
    History m_History;
    CSim_Themes* m_pThemes;

    wxDECLARE_EVENT_TABLE();
};
