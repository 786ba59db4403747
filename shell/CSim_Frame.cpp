#include "shell/CSim_Frame.h"

#include "activities/CSim_Glossar.h"
#include "common/Record_Keeping.h"
#include "common/Record_Texts.h"
#include "common/Record_Trouble.h"
#include "shell/CSim_Config.h"
#include "shell/CSim_Themes.h"
#include "shell/CSim_Theme.h"
#include "shell/Exercise_Settings.h"
#include "shell/Command_Ids.h"
#include "shell/File_Choice.h"
#include "shell/Frame_Icon.h"
#include "shell/Html_Page.h"
#include "shell/Icon_Art_Provider.h"
#include "shell/Program_Dir.h"
#include "shell/Message_Box.h"
#include "shell/Navigation_Tree.h"
#include "shell/Paint_After_Layout.h"
#include "shell/Preview_Mode.h"
#include "shell/Status_Fields.h"
#include "simframe/src/Tirsal_Testing.h"

#include <algorithm>
#include <climits>
#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/html/htmlwin.h>
#include <wx/image.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toolbar.h>

namespace
{
    CSim_Frame* s_pFrame = nullptr;
    int s_Font_Offset = 0;

    wxBitmapBundle Tool_Icon(const wxArtID& id)
    {
        return wxArtProvider::GetBitmapBundle(id, wxART_OTHER, wxSize(32, 32));
    }
}

namespace
{
    std::function<void(const wxString&)> s_Activity_Listener;
}

void Log_Program_Activity(const wxString& text)
{
    if (s_Activity_Listener)
        s_Activity_Listener(text);
    if (s_pFrame)
        s_pFrame->Add_Log_Entry(text);
}

void Set_Program_Activity_Listener(const std::function<void(const wxString&)>& listener)
{
    s_Activity_Listener = listener;
}

wxBEGIN_EVENT_TABLE(CSim_Frame, wxFrame)
    EVT_CLOSE(CSim_Frame::On_Close)
    EVT_TIMER(ID_TIMER, CSim_Frame::On_Timer)
    EVT_HTML_LINK_CLICKED(wxID_ANY, CSim_Frame::On_Link_Clicked)
    EVT_TREE_SEL_CHANGING(wxID_ANY, CSim_Frame::On_Tree_Sel_Changing)
    EVT_TREE_SEL_CHANGED(wxID_ANY, CSim_Frame::On_Tree_Sel_Changed)
    EVT_AUINOTEBOOK_PAGE_CHANGED(wxID_ANY, CSim_Frame::On_Page_Changed)
    EVT_UPDATE_UI_RANGE(ID_THEME, ID_THEME + 16, CSim_Frame::On_Update_UI)
    EVT_MENU(wxID_EXIT, CSim_Frame::On_Quit)
    EVT_MENU(wxID_ABOUT, CSim_Frame::On_About)
    EVT_MENU_RANGE(ID_PREV_THEME, ID_FONT_LARGER, CSim_Frame::On_Command)
    EVT_CHAR_HOOK(CSim_Frame::On_Char_Hook)
wxEND_EVENT_TABLE()

CSim_Frame::CSim_Frame(const wxString& start_file, const wxString& theme_file)
    : wxFrame(nullptr, wxID_ANY, "Sim-Corvena", wxDefaultPosition, wxSize(800, 600),
              wxDEFAULT_FRAME_STYLE | wxSUNKEN_BORDER),
      m_bDoLog(true), m_bReflections_Open(false), m_bShutting_Down(false), m_Elapsed(0),
      m_pToolBar(nullptr), m_pTree(nullptr), m_pNotes(nullptr), m_pTasks(nullptr),
      m_pTimer(nullptr), m_pThemes(nullptr)
{
    // The start-up file lives while the window is built.
    CSim_Config ini(start_file.empty() ? Get_Program_Dir() + "sim_corvena.ini" : start_file);
    wxString themes_path;
    ini.Read_File("THEMES", &themes_path);
    if (!theme_file.empty())
        themes_path = theme_file;
    ini.Read("DOLOG", &m_bDoLog, true);
    ini.Read_File("LOGFILE", &m_Log_File);
    bool show_notes;
    ini.Read("NOTEPADSHOW", &show_notes, false);
    ini.Read_File("NOTEPADFILE", &m_Notes_File);
    if (Is_Preview())
    {
        // The author's look at the course leaves no record and the notes
        // file as it was.
        m_bDoLog = false;
        m_Notes_File.clear();
    }

    if (!wxFileName::FileExists(themes_path))
        themes_path = Choose_File("Inhalt öffnen", wxEmptyString, wxEmptyString, "ini",
                                  "Konfigurationsdateien (*.ini)|*.ini|Alle Dateien|*.*",
                                  wxFD_OPEN | wxFD_FILE_MUST_EXIST);

    s_pFrame = this;

    m_pTimer = new wxTimer(this, ID_TIMER);
    m_Stay_Notice.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { SetStatusText(wxEmptyString, STATUS_STAY); });
    m_bReflections_Open = Is_Preview();

    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxInitAllImageHandlers();
    m_Manager.SetManagedWindow(this);
    m_pPaint_After_Layout = std::make_unique<Paint_After_Layout>(this);

    // Under a window manager the toolkit holds the first showing back until
    // it knows the frame's decorations, and then lays the window out once
    // at its 2 x 1 pixel placeholder: the menu bar, squeezed into that, is
    // the toolkit's complaint about negative room on every start. A client
    // size set before showing lets the window show at once, laid out at its
    // real size; the window is maximised anyway.
    SetClientSize(GetClientSize());
    SetIcon(Make_Frame_Icon());
    SetMinSize(wxSize(400, 300));
    Maximize();

    Init_Exercise_Settings();

    CreateStatusBar(STATUS_FIELD_COUNT, wxSTB_SIZEGRIP | wxFULL_REPAINT_ON_RESIZE);
    SetStatusWidths(STATUS_FIELD_COUNT, Status_Field_Widths);
    SetStatusText("Bereit");
    // Records that cannot be written are named here until they can be,
    // the simulations' logs too.
    Record_Trouble::Get().Set_Listener([this] { SetStatusText(Record_Trouble::Get().Get_Text(), STATUS_RECORDS); });
    SetStatusText(Record_Trouble::Get().Get_Text(), STATUS_RECORDS);
    Tirsal_Set_Record_Handler([](const wxString& path, bool written) { Record_Trouble::Get().Report(path, written); });

    m_pTree = new Navigation_Tree(this, wxSize(260, 250), wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxNO_BORDER);
    // Bundles rather than a list of bitmaps: the tree draws them sharp at
    // any screen scale.
    wxVector<wxBitmapBundle> images;
    for (const char* id : {wxART_FOLDER, wxART_QUESTION, wxART_NORMAL_FILE, wxART_TIP})
        images.push_back(wxArtProvider::GetBitmapBundle(id, wxART_OTHER, wxSize(20, 20)));
    m_pTree->SetImages(images);
    m_Manager.AddPane(m_pTree, wxAuiPaneInfo().Name("treectrl").Caption("Navigation")
                                   .Left().CloseButton(false).Floatable(false).Show());

    m_pNotes = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(150, 90),
                              wxTE_MULTILINE | wxNO_BORDER);
    m_Manager.AddPane(m_pNotes, wxAuiPaneInfo().Name("notepad").Caption("Notizen")
                                    .Floatable(true).Show(show_notes));
    if (!m_Notes_File.empty())
    {
        // Every start leaves a fresh notes file that holds one space; the
        // notes of an earlier run stay beside it.
        Keep_Earlier_Run(m_Notes_File, Holds_More_Than_White_Space);
        m_pNotes->SetValue(" ");
        Save_Notes_To(m_Notes_File);
        m_pNotes->SetValue(wxEmptyString);
        m_pNotes->DiscardEdits();
    }
    m_Manager.LoadPaneInfo("dir=4", m_Manager.GetPane("notepad"));

    m_pTasks = new Html_Page(this, wxSize(150, 90), wxHW_SCROLLBAR_AUTO | wxNO_BORDER);
    m_Manager.AddPane(m_pTasks, wxAuiPaneInfo().Name("tasks").Caption("Aufgaben")
                                    .Floatable(true).Show());
    m_Manager.LoadPaneInfo("dir=4", m_Manager.GetPane("tasks"));

    // The pages take the start's font size as they are registered, before
    // the first of them is laid out: setting it later lays a page out again.
    long font_size;
    ini.Read("FONTSIZE", &font_size, 0);
    Change_Font_Size(int(std::max<long>(INT_MIN, std::min<long>(INT_MAX, font_size))));

    Load_Themes(themes_path);
    if (Is_Preview())
        SetTitle(GetTitle() + wxString::FromUTF8(" – Vorschau"));

    Create_Menus();
    Create_Tool_Bar();

    m_Manager.SetFlags(m_Manager.GetFlags() | wxAUI_MGR_ALLOW_ACTIVE_PANE);
    m_Manager.Update();
    Show();
    m_pTree->SetFocus();

    Start_Log();
}

CSim_Frame::~CSim_Frame()
{
    s_pFrame = nullptr;
    Record_Trouble::Get().Set_Listener(nullptr);
    m_Pages.clear();
    Delete_Catalogue();
    delete m_pTimer;
    m_pTimer = nullptr;
    m_Manager.UnInit();
    Add_Log_Entry(Record_Text(Record_Texts::Log_Ended));
    if (m_bDoLog)
        Write_Log();
}

void CSim_Frame::Change_Font_Size(int delta)
{
    // The offset has no bounds of its own, but must stay an int.
    long long offset = (long long)s_Font_Offset + delta;
    s_Font_Offset = int(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, offset)));
    for (wxWindow* page : m_Pages)
        if (page->GetId() == ID_THEME)
            static_cast<CSim_Theme*>(page)->Set_Font_Size(s_Font_Offset);
    if (m_pThemes && m_pThemes->Get_Glossar())
        m_pThemes->Get_Glossar()->Set_Font_Offset(s_Font_Offset);
}

CSim_Frame* CSim_Frame::Get_Frame()
{
    return s_pFrame;
}

int CSim_Frame::Get_Font_Offset()
{
    return s_Font_Offset;
}

void CSim_Frame::Create_Menus()
{
    // Every command is in a menu, and every menu and item has a mnemonic:
    // F10 or Alt with the underlined letter reaches all of them.
    wxMenuBar* bar = new wxMenuBar;

    wxMenu* file = new wxMenu;
    file->Append(wxID_EXIT, "&Beenden\tCtrl+Q");
    bar->Append(file, "&Datei");

    wxMenu* navigation = new wxMenu;
    navigation->Append(ID_PREV_THEME, "&Voriges Thema\tAlt+Up");
    navigation->Append(ID_NEXT_THEME, "&Nächstes Thema\tAlt+Down");
    navigation->Append(ID_BACK, "&Zurück\tAlt+Left");
    navigation->Append(ID_FORWARD, "Vo&rwärts\tAlt+Right");
    bar->Append(navigation, "&Navigation");

    wxMenu* notes = new wxMenu;
    notes->Append(ID_NOTES_SAVE, "&Speichern\tCtrl+S");
    notes->Append(ID_NOTES_SAVE_AS, "Speichern &unter...");
    notes->Append(ID_NOTES_CLEAR, "Inhalt &löschen");
    bar->Append(notes, "N&otizen");

    if (Has_Selftest() || Has_Reflections())
    {
        wxMenu* extras = new wxMenu;
        if (Has_Selftest())
            extras->Append(ID_SELFTEST, "&Selbsttest");
        if (Has_Reflections())
            extras->Append(ID_REFLECTIONS, "&Reflektionshilfe");
        bar->Append(extras, "&Extras");
    }

    wxMenu* window = new wxMenu;
    window->AppendCheckItem(ID_SHOW_NAVIGATION, "Zeige &Navigation");
    window->AppendCheckItem(ID_SHOW_NOTES, "Zeige N&otizen");
    window->AppendCheckItem(ID_SHOW_TASKS, "Zeige &Aufgaben");
    window->AppendSeparator();
    window->Append(ID_FONT_SMALLER, "Schrift &verkleinern\tCtrl+-");
    window->Append(ID_FONT_LARGER, "Schrift ver&größern\tCtrl++");
    bar->Append(window, "&Fenster");

    wxMenu* help = new wxMenu;
    help->Append(wxID_ABOUT, "&Über das Programm");
    bar->Append(help, "&?");

    SetMenuBar(bar);
}

void CSim_Frame::Create_Tool_Bar()
{
    m_pToolBar = new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                               wxTB_FLAT | wxTB_NODIVIDER);
    m_pToolBar->SetToolBitmapSize(wxSize(32, 32));
    // A tool that cannot be used now shows it: grey and faint beside the
    // coloured ones. The label is also the tool tip.
    auto tool = [this](int id, const char* label, const wxArtID& art, wxItemKind kind = wxITEM_NORMAL) {
        const wxBitmapBundle icon = Tool_Icon(art);
        m_pToolBar->AddTool(id, wxString::FromUTF8(label), icon, Disabled_Look(icon), kind,
                            wxString::FromUTF8(label));
    };
    tool(wxID_EXIT, "Beenden", wxART_QUIT);
    m_pToolBar->AddSeparator();
    tool(ID_PREV_THEME, "Voriges Thema", wxART_GO_UP);
    tool(ID_NEXT_THEME, "Nächstes Thema", wxART_GO_DOWN);
    tool(ID_BACK, "Zurück", wxART_GO_BACK);
    tool(ID_FORWARD, "Vorwärts", wxART_GO_FORWARD);
    m_pToolBar->AddSeparator();
    tool(ID_SHOW_NAVIGATION, "Navigation", wxART_LIST_VIEW, wxITEM_CHECK);
    tool(ID_SHOW_NOTES, "Notizen", wxART_HELP_PAGE, wxITEM_CHECK);
    if (Has_Selftest() || Has_Reflections())
    {
        m_pToolBar->AddSeparator();
        if (Has_Selftest())
            tool(ID_SELFTEST, "Selbsttest", wxART_WARNING);
        if (Has_Reflections())
            tool(ID_REFLECTIONS, "Reflektionshilfe", wxART_QUESTION);
    }
    m_pToolBar->AddSeparator();
    tool(wxID_ABOUT, "Über das Programm", wxART_INFORMATION);
    m_pToolBar->Realize();
    m_Manager.AddPane(m_pToolBar, wxAuiPaneInfo().Name("toolbar").Caption("Werkzeugleiste")
                                      .ToolbarPane().Top().LeftDockable(false)
                                      .RightDockable(false).Gripper(false));
}

bool CSim_Frame::Is_Pane_Shown(const wxString& name)
{
    wxAuiPaneInfo& pane = m_Manager.GetPane(name);
    return pane.IsOk() && pane.IsShown();
}

void CSim_Frame::Toggle_Pane(const wxString& name)
{
    wxAuiPaneInfo& pane = m_Manager.GetPane(name);
    if (!pane.IsOk())
        return;
    pane.Show(!pane.IsShown());
    m_Manager.Update();
}

void CSim_Frame::On_Update_UI(wxUpdateUIEvent& event)
{
    switch (event.GetId())
    {
    case ID_PREV_THEME:
        event.Enable(Get_Prev_Item(m_pTree->GetSelection()).IsOk());
        break;
    case ID_NEXT_THEME:
        event.Enable(Get_Next_Item().IsOk() && !(m_pTimer && m_pTimer->IsRunning()));
        break;
    case ID_BACK:
        event.Enable(m_History.Get_Position() > 0);
        break;
    case ID_FORWARD:
        event.Enable(m_History.Get_Position() < m_History.Get_Size() - 1);
        break;
    case ID_SHOW_NAVIGATION:
        event.Check(Is_Pane_Shown("treectrl"));
        break;
    case ID_SHOW_NOTES:
        event.Check(Is_Pane_Shown("notepad"));
        break;
    case ID_NOTES_SAVE:
        event.Enable(Notes_Modified() && wxFileName::FileExists(m_Notes_File));
        break;
    case ID_NOTES_SAVE_AS:
        event.Enable(m_pNotes != nullptr);
        break;
    case ID_NOTES_CLEAR:
        event.Enable(m_pNotes && !m_pNotes->IsEmpty());
        break;
    case ID_SELFTEST:
        event.Enable(Has_Selftest());
        break;
    case ID_REFLECTIONS:
        event.Enable(Has_Reflections() && m_bReflections_Open);
        break;
    case ID_SHOW_TASKS:
        event.Check(Is_Pane_Shown("tasks"));
        break;
    case ID_FONT_SMALLER:
    case ID_FONT_LARGER:
        event.Enable(true);
        break;
    default:
        event.Skip();
        break;
    }
}

void CSim_Frame::On_Command(wxCommandEvent& event)
{
    switch (event.GetId())
    {
    case ID_PREV_THEME:
    {
        wxTreeItemId prev = Get_Prev_Item(m_pTree->GetSelection());
        if (prev.IsOk())
            m_pTree->SelectItem(prev);
        break;
    }
    case ID_NEXT_THEME:
    {
        wxTreeItemId next = Get_Next_Item();
        if (next.IsOk() && !Is_Locked(next))
            m_pTree->SelectItem(next);
        break;
    }
    case ID_BACK:
        if (m_History.Get_Position() > 0)
            m_pTree->SelectItem(m_History.Back());
        break;
    case ID_FORWARD:
        if (m_History.Get_Position() < m_History.Get_Size() - 1)
            m_pTree->SelectItem(m_History.Forward());
        break;
    case ID_SHOW_NAVIGATION:
        Toggle_Pane("treectrl");
        break;
    case ID_SHOW_NOTES:
        Toggle_Pane("notepad");
        break;
    case ID_SHOW_TASKS:
        Show_Tasks(!Is_Pane_Shown("tasks"));
        break;
    case ID_NOTES_SAVE:
        Save_Notes();
        break;
    case ID_NOTES_SAVE_AS:
        Save_Notes_As();
        break;
    case ID_NOTES_CLEAR:
        Clear_Notes();
        break;
    case ID_SELFTEST:
        Show_Selftest();
        break;
    case ID_REFLECTIONS:
        Show_Reflections();
        break;
    case ID_FONT_SMALLER:
        Change_Font_Size(-1);
        break;
    case ID_FONT_LARGER:
        Change_Font_Size(+1);
        break;
    default:
        event.Skip();
        break;
    }
}

void CSim_Frame::On_Char_Hook(wxKeyEvent& event)
{
    // The tree and the HTML pages take arrow keys for themselves, Alt held
    // or not: the navigation shortcuts are caught before they do.
    if (event.GetModifiers() == wxMOD_ALT)
    {
        int id = 0;
        switch (event.GetKeyCode())
        {
        case WXK_UP: id = ID_PREV_THEME; break;
        case WXK_DOWN: id = ID_NEXT_THEME; break;
        case WXK_LEFT: id = ID_BACK; break;
        case WXK_RIGHT: id = ID_FORWARD; break;
        }
        if (id)
        {
            wxCommandEvent command(wxEVT_MENU, id);
            command.SetEventObject(this);
            On_Command(command);
            return;
        }
    }
    event.Skip();
}

void CSim_Frame::On_Quit(wxCommandEvent&)
{
    Close(false);
}

void CSim_Frame::On_About(wxCommandEvent&)
{
    Message_Box("Sim-Corvena\nEine Lernumgebung für geführtes Lernen im Biologieunterricht.",
                 "Über Sim-Corvena", wxOK, this);
}

void CSim_Frame::On_Close(wxCloseEvent& event)
{
    if (event.CanVeto()
        && Message_Box("Soll das Programm wirklich beendet werden ?", GetTitle(), wxYES_NO, this) != wxYES)
    {
        event.Veto();
        return;
    }
    if (Notes_Modified() && !m_pNotes->IsEmpty())
    {
        int answer = Message_Box("Sollen Änderungen gespeichert werden ?", "Notizen speichern",
                                  wxYES_NO | wxICON_QUESTION, this);
        if (answer == wxYES && !Save_Notes() && event.CanVeto())
        {
            event.Veto();
            return;
        }
    }
    Stop_Simulations();
    Destroy();
}

void CSim_Frame::Shut_Down()
{
    if (m_bShutting_Down)
        return;
    m_bShutting_Down = true;
    if (m_pTimer)
        m_pTimer->Stop();
    if (Notes_Modified() && !m_pNotes->IsEmpty() && !m_Notes_File.empty())
        Save_Notes_To(m_Notes_File);
    Stop_Simulations();
    Destroy();
    wxWakeUpIdle();
}
