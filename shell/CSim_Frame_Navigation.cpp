// Navigation of the main window: the tree of content pages.

#include "shell/CSim_Frame.h"

#include <wx/html/htmlwin.h>
#include <wx/timer.h>

void CSim_Frame::Load_Themes(const wxString&)
{
    Clear_Themes();
}

void CSim_Frame::Clear_Themes()
{
    m_pTree->DeleteAllItems();
    m_Pages.clear();
}

wxTreeItemId CSim_Frame::Add_Content_Page(const wxTreeItemId& parent, int, wxWindow*, const wxString&)
{
    return parent;
}

wxTreeItemId CSim_Frame::Add_Theme_Tree(const wxTreeItemId& parent, int, CSim_Theme*)
{
    return parent;
}

wxTreeItemId CSim_Frame::Get_Prev_Item(const wxTreeItemId&) const
{
    return wxTreeItemId();
}

wxTreeItemId CSim_Frame::Get_Next_Item() const
{
    return wxTreeItemId();
}

CSim_Theme* CSim_Frame::Get_Theme(const wxTreeItemId&) const
{
    return nullptr;
}

bool CSim_Frame::Has_TimeOut(const wxTreeItemId&) const
{
    return false;
}

bool CSim_Frame::Is_Locked(const wxTreeItemId&) const
{
    return false;
}

void CSim_Frame::Show_Tasks(bool show)
{
    wxAuiPaneInfo& pane = m_Manager.GetPane("tasks");
    if (!pane.IsOk() || pane.IsShown() == show)
        return;
    pane.Show(show);
    m_Manager.Update();
}


void CSim_Frame::On_Timer(wxTimerEvent&) {}
void CSim_Frame::On_Link_Clicked(wxHtmlLinkEvent&) {}
void CSim_Frame::On_Tree_Sel_Changing(wxTreeEvent&) {}
void CSim_Frame::On_Tree_Sel_Changed(wxTreeEvent&) {}
void CSim_Frame::On_Page_Changed(wxAuiNotebookEvent& event) { event.Skip(); }
void CSim_Frame::Stop_Simulations() {}
void CSim_Frame::Delete_Catalogue() {}
void CSim_Frame::Show_Selftest() {}
void CSim_Frame::Show_Reflections() {}
bool CSim_Frame::Has_Selftest() const { return false; }
bool CSim_Frame::Has_Reflections() const { return false; }
