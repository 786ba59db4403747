// Navigation of the main window: the tree of content pages, opening items,
// the time-out, the history, page logging and link clicks.

#include "shell/CSim_Frame.h"

#include "activities/CSim_Glossar.h"
#include "activities/CSim_Reflections.h"
#include "activities/CSim_Selftest.h"
#include "common/Record_Texts.h"
#include "shell/Command_Ids.h"
#include "shell/CSim_Theme.h"
#include "shell/CSim_Themes.h"
#include "shell/Theme_Entry.h"
#include "shell/Link_Launcher.h"
#include "shell/Message_Box.h"
#include "shell/Preview_Mode.h"
#include "shell/Status_Fields.h"
#include "shell/Stay_Countdown.h"

#include <algorithm>

#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/html/htmlwin.h>
#include <wx/mimetype.h>
#include <wx/msgdlg.h>
#include <wx/timer.h>
#include <wx/uri.h>

namespace
{
    /// The content page a tree item stands for: a theme (whose window is
    /// made when it is first opened) or another window.
    class CTC_Data : public wxTreeItemData
    {
    public:
        CTC_Data(wxWindow* window, Theme_Entry* theme) : m_pWindow(window), m_pTheme(theme) {}
        wxWindow* m_pWindow;
        Theme_Entry* m_pTheme;
    };

    CTC_Data* Item_Data(const wxTreeCtrl* tree, const wxTreeItemId& item)
    {
        return item.IsOk() ? static_cast<CTC_Data*>(tree->GetItemData(item)) : nullptr;
    }

    const wxColour s_Locked_Colour(127, 127, 127);
    const wxColour s_Open_Colour(0, 0, 0);

    bool Has_Web_Scheme(const wxString& link)
    {
        wxString scheme = link.BeforeFirst(':').Lower();
        return link.Contains(":") && (scheme == "http" || scheme == "https" || scheme == "ftp"
                                      || scheme == "mailto");
    }
}

Theme_Entry* CSim_Frame::Item_Theme(const wxTreeItemId& item) const
{
    CTC_Data* data = Item_Data(m_pTree, item);
    return data ? data->m_pTheme : nullptr;
}

wxWindow* CSim_Frame::Item_Window(const wxTreeItemId& item) const
{
    CTC_Data* data = Item_Data(m_pTree, item);
    if (!data)
        return nullptr;
    if (!data->m_pTheme)
        return data->m_pWindow;
    return data->m_pTheme->Get_Made_Theme();
}

wxWindow* CSim_Frame::Make_Item_Window(const wxTreeItemId& item)
{
    CTC_Data* data = Item_Data(m_pTree, item);
    if (!data)
        return nullptr;
    wxWindow* window = data->m_pTheme ? data->m_pTheme->Get_Theme() : data->m_pWindow;
    if (m_pThemes && window == m_pThemes->Get_Glossar())
        m_pThemes->Get_Glossar()->Make_Pages();
    if (window && !m_Manager.GetPane(window).IsOk())
    {
        m_Pages.push_back(window);
        if (window->GetId() == ID_THEME)
            static_cast<CSim_Theme*>(window)->Set_Font_Size(Get_Font_Offset());
        m_Manager.AddPane(window, wxAuiPaneInfo().Name(wxString::Format("CONTENT_%02d", int(m_Pages.size())))
                                      .CenterPane().CaptionVisible(false).PaneBorder(false)
                                      .Floatable(false).Resizable(true).Hide());
    }
    return window;
}

void CSim_Frame::Load_Themes(const wxString& path)
{
    Clear_Themes();
    m_pThemes = new CSim_Themes(this, path);
    SetTitle(m_pThemes->Get_Name());
    Add_Theme_Tree(wxTreeItemId(), 0, m_pThemes->Get_Root());
    wxTreeItemId root = m_pTree->GetRootItem();
    CSim_Glossar* glossar = m_pThemes->Get_Glossar();
    if (glossar)
        glossar->Set_Font_Offset(Get_Font_Offset());
    m_Glossar_Item =
        glossar ? Add_Content_Page(root, 3, glossar, Record_Text(Record_Texts::Glossary_Item)) : wxTreeItemId();
    if (root.IsOk())
    {
        m_pTree->Expand(root);
        m_pTree->SelectItem(root);
        // The tree may have taken its first item as selected already, and
        // then selecting it again reports nothing.
        if (m_Current_Item != root)
            Open_Item(root);
    }
}

void CSim_Frame::Clear_Themes()
{
    m_pTree->DeleteAllItems();
    m_Pages.clear();
    m_Current_Item = wxTreeItemId();
    m_Glossar_Item = wxTreeItemId();
    m_Stays_Left.clear();
    Delete_Catalogue();
}

void CSim_Frame::Delete_Catalogue()
{
    delete m_pThemes;
    m_pThemes = nullptr;
}

wxTreeItemId CSim_Frame::Add_Content_Page(const wxTreeItemId& parent, int image, wxWindow* window,
                                          const wxString& title, Theme_Entry* theme)
{
    if (!window && !theme)
        return parent;
    // Its pane is added when the page is first opened.
    if (m_pTree->GetRootItem().IsOk())
        return m_pTree->AppendItem(parent, title, image, -1, new CTC_Data(window, theme));
    return m_pTree->AddRoot(title, image, -1, new CTC_Data(window, theme));
}

wxTreeItemId CSim_Frame::Add_Theme_Tree(const wxTreeItemId& parent, int depth, Theme_Entry* theme)
{
    if (!theme)
        return parent;
    wxTreeItemId item = Add_Content_Page(parent, depth < 2 ? depth : 2, nullptr, theme->Get_Name(), theme);
    for (int i = 0; i < theme->Get_Child_Count(); i++)
        Add_Theme_Tree(item, depth + 1, theme->Get_Child(i));
    m_pTree->Expand(item);
    if (Is_Locked(item))
        m_pTree->SetItemTextColour(item, s_Locked_Colour);
    return item;
}

wxTreeItemId CSim_Frame::Get_Prev_Item(const wxTreeItemId& item) const
{
    if (!item.IsOk())
        return wxTreeItemId();
    wxTreeItemId prev = m_pTree->GetPrevSibling(item);
    if (!prev.IsOk())
        return item == m_pTree->GetRootItem() ? wxTreeItemId() : m_pTree->GetItemParent(item);
    if (m_pTree->ItemHasChildren(prev))
        return m_pTree->GetLastChild(prev);
    return prev;
}

wxTreeItemId CSim_Frame::Get_Next_Item() const
{
    wxTreeItemId item = m_pTree->GetSelection();
    if (!item.IsOk())
        return wxTreeItemId();
    if (m_pTree->ItemHasChildren(item))
    {
        wxTreeItemIdValue cookie;
        return m_pTree->GetFirstChild(item, cookie);
    }
    // The next visible item after one without children: the next sibling of
    // the nearest ancestor that has one (the ancestors of the selection are
    // expanded).
    for (wxTreeItemId up = item; up.IsOk() && up != m_pTree->GetRootItem(); up = m_pTree->GetItemParent(up))
    {
        wxTreeItemId next = m_pTree->GetNextSibling(up);
        if (next.IsOk())
            return next;
    }
    return wxTreeItemId();
}

CSim_Theme* CSim_Frame::Get_Theme(const wxTreeItemId& item) const
{
    Theme_Entry* theme = Item_Theme(item);
    return theme ? theme->Get_Theme() : nullptr;
}

bool CSim_Frame::Has_TimeOut(const wxTreeItemId& item) const
{
    Theme_Entry* theme = Item_Theme(item);
    return theme && theme->Get_TimeOut() > 0;
}

bool CSim_Frame::Is_Locked(const wxTreeItemId& item) const
{
    // The author previewing the course walks it without waiting.
    return !Is_Preview() && Item_Theme(item) && Has_TimeOut(Get_Prev_Item(item));
}

void CSim_Frame::Show_Tasks(bool show)
{
    wxAuiPaneInfo& pane = m_Manager.GetPane("tasks");
    if (!pane.IsOk() || pane.IsShown() == show)
        return;
    pane.Show(show);
    m_Manager.Update();
}

void CSim_Frame::On_Tree_Sel_Changing(wxTreeEvent& event)
{
    if (event.GetEventObject() == m_pTree && Is_Locked(event.GetItem()))
        event.Veto();
}

void CSim_Frame::On_Tree_Sel_Changed(wxTreeEvent& event)
{
    if (event.GetEventObject() == m_pTree)
        Open_Item(event.GetItem());
}

void CSim_Frame::Open_Item(const wxTreeItemId& item)
{
    if (!item.IsOk() || item == m_Current_Item)
        return;
    Leave_Stay();
    Stop_Simulations();
    // Made while another item is open: the notebook's first page, selected
    // as it is added, is not the pupil's turning to it.
    wxWindow* window = Make_Item_Window(item);
    m_Current_Item = item;

    Theme_Entry* theme = Item_Theme(item);
    if (window)
    {
        for (wxWindow* page : m_Pages)
        {
            wxAuiPaneInfo& pane = m_Manager.GetPane(page);
            if (pane.IsOk())
                pane.Show(page == window);
        }
        bool tasks = theme && !theme->Get_Tasks().empty();
        m_pTasks->SetPage(tasks ? theme->Get_Tasks() : wxString("Keine Aufgabe"));
        Show_Tasks(tasks);
    }
    wxString label = m_pTree->GetItemText(item);
    SetStatusText(label, STATUS_ITEM);
    Add_Log_Entry(label);
    m_History.Push(item);
    m_Manager.Update();

    if (theme)
    {
        if (!theme->Get_Hint().empty())
            Message_Box(theme->Get_Hint(), "Hinweis", wxOK | wxCENTRE);
        if (theme->Get_TimeOut() > 0 && !Is_Preview())
        {
            m_Elapsed = 0;
            m_pTimer->Start(1000);
            Show_Stay(theme);
        }
    }
    Colour_Items(m_pTree->GetRootItem());
}

void CSim_Frame::Leave_Stay()
{
    // The stay counts only time spent on its own theme: a count left running
    // would go on inside the next theme's hint box and be credited there.
    if (m_pTimer->IsRunning())
        m_Stays_Left.push_back(Item_Theme(m_Current_Item));
    m_pTimer->Stop();
    m_Stay_Notice.Stop();
    SetStatusText(wxEmptyString, STATUS_STAY);
}

void CSim_Frame::Show_Stay(const Theme_Entry* theme)
{
    bool again = std::find(m_Stays_Left.begin(), m_Stays_Left.end(), theme) != m_Stays_Left.end();
    SetStatusText(Stay_Countdown(theme->Get_TimeOut() - m_Elapsed, again), STATUS_STAY);
}

void CSim_Frame::Colour_Items(const wxTreeItemId& item)
{
    if (!item.IsOk())
        return;
    m_pTree->SetItemTextColour(item, Is_Locked(item) ? s_Locked_Colour : s_Open_Colour);
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = m_pTree->GetFirstChild(item, cookie); child.IsOk();
         child = m_pTree->GetNextChild(item, cookie))
        Colour_Items(child);
}

void CSim_Frame::On_Timer(wxTimerEvent& event)
{
    if (!m_pTimer || !m_pTimer->IsRunning())
        return;
    m_Elapsed += event.GetInterval();
    Theme_Entry* theme = Item_Theme(m_Current_Item);
    if (!theme)
        return;
    Show_Stay(theme);
    if (m_Elapsed < theme->Get_TimeOut())
        return;
    m_pTimer->Stop();
    m_Stay_Notice.StartOnce(STAY_SERVED_NOTICE_MS);
    // The minimum stay counts once per run.
    theme->Clear_TimeOut();
    Colour_Items(m_pTree->GetRootItem());
    wxTreeItemId next = Get_Next_Item();
    if (!next.IsOk())
        return;
    CTC_Data* data = Item_Data(m_pTree, next);
    if (data && !data->m_pTheme)
        m_bReflections_Open = true;
}

void CSim_Frame::On_Page_Changed(wxAuiNotebookEvent& event)
{
    event.Skip();
    // Only the notebook on screen: a glossary link turns the glossary's page
    // while the theme with the link is still shown.
    wxAuiNotebook* notebook = dynamic_cast<wxAuiNotebook*>(Item_Window(m_Current_Item));
    int page = event.GetSelection();
    if (!notebook || event.GetEventObject() != notebook || page < 0 || size_t(page) >= notebook->GetPageCount())
        return;
    Add_Log_Entry(wxString::Format(Record_Text(Record_Texts::Page_Opened), m_pTree->GetItemText(m_Current_Item),
                                   notebook->GetPageText(page)));
}

void CSim_Frame::On_Link_Clicked(wxHtmlLinkEvent& event)
{
    // Not passed on: no HTML window follows a link by itself.
    wxString link = event.GetLinkInfo().GetHref();
    if (link.Left(10).CmpNoCase("glossar://") == 0)
    {
        const bool elsewhere = m_Current_Item != m_Glossar_Item;
        if (m_Glossar_Item.IsOk() && m_pThemes->Show_Glossar_Entry(link.Mid(10)) && elsewhere)
        {
            // The page turned before the glossary came on screen, unlogged.
            m_pTree->SelectItem(m_Glossar_Item);
            CSim_Glossar* glossar = m_pThemes->Get_Glossar();
            Add_Log_Entry(wxString::Format(Record_Text(Record_Texts::Page_Opened), m_pTree->GetItemText(m_Glossar_Item),
                                           glossar->GetPageText(glossar->GetSelection())));
        }
        return;
    }
    Open_Link(link, dynamic_cast<wxHtmlWindow*>(event.GetEventObject()));
}

void CSim_Frame::Open_Link(const wxString& link, wxHtmlWindow* source)
{
    // Web and mail addresses go to the desktop's browser or mail program,
    // whatever their ending looks like: "www.example.org" is no file.
    if (Has_Web_Scheme(link))
    {
        Add_Log_Entry(wxString::Format(Record_Text(Record_Texts::Link_Opened), link));
        Launch_Link({Link_Launch::Browser, link});
        return;
    }
    // A relative link of a page loaded from a file names a file beside it:
    // the page's file system still points at the page's directory.
    wxString target = link;
    wxString base = source ? source->GetParser()->GetFS()->GetPath() : wxString();
    if (!link.Contains(":") && !link.StartsWith("/") && base.StartsWith("file:"))
    {
        wxFileName file(wxURI::Unescape(link));
        file.MakeAbsolute(wxFileSystem::URLToFileName(base).GetPath());
        target = file.GetFullPath();
    }

    wxString ext = wxFileName(target.BeforeFirst('?').BeforeFirst('#')).GetExt();
    wxFileType* type = ext.empty() ? nullptr : wxTheMimeTypesManager->GetFileTypeFromExtension(ext);
    if (!type)
        return;
    Add_Log_Entry(wxString::Format(Record_Text(Record_Texts::Link_Opened), link));
    wxString command;
    if (type->GetOpenCommand(&command, wxFileType::MessageParameters(target, wxEmptyString)) && !command.empty())
        Launch_Link({Link_Launch::Command, command});
    delete type;
}

void CSim_Frame::Stop_Simulations()
{
    if (m_pThemes && m_pThemes->Get_Root())
        m_pThemes->Get_Root()->Stop_Simulations();
}

bool CSim_Frame::Has_Selftest() const
{
    return m_pThemes && m_pThemes->Get_Selftest();
}

bool CSim_Frame::Has_Reflections() const
{
    return m_pThemes && m_pThemes->Get_Reflections();
}

void CSim_Frame::Show_Selftest()
{
    if (Has_Selftest())
        m_pThemes->Get_Selftest()->ShowModal();
}

void CSim_Frame::Show_Reflections()
{
    if (Has_Reflections() && m_bReflections_Open)
        m_pThemes->Get_Reflections()->ShowModal();
}

