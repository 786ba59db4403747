// A main window on a small course: navigation, links, the activity log, the
// course defaults, and the simulation plug-ins it hosts.

#include "shell/CSim_Frame.h"

#include "activities/CSim_Glossar.h"
#include "common/Clock.h"
#include "shell/CSim_Theme.h"
#include "shell/CSim_Themes.h"
#include "shell/Command_Ids.h"
#include "shell/Exercise_Settings.h"
#include "shell/Link_Launcher.h"
#include "shell/Status_Fields.h"
#include "shell/Theme_Entry.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Html_Inspection.h"
#include "tirsal/CSim_Window.h"

#include <climits>
#include <wx/dynlib.h>
#include <wx/filefn.h>
#include <wx/filesys.h>
#include <wx/html/htmlwin.h>
#include <wx/mimetype.h>
#include <wx/timer.h>

namespace
{
    // [Themes/b] stands above [Themes/A]: the tree follows the group names.
    const char* const s_Course = "[General]\nName=Teichkurs f\xFCr Anf\xE4nger\nGlossar=lexikon.txt\n"
                                 "Reflections=reflexion.ini\n[Themes]\nName=R\nContent=r.htm\n"
                                 "[Themes/b]\nName=B\nContent=b.htm\n[Themes/A]\nName=A\nContent=a.htm\nTasks=a.txt\n";
    const wxColour s_Grey(127, 127, 127), s_Black(0, 0, 0);
    const std::string PROBE = HOST_PROBE_PLUGIN;

    // A theme's hint box, answered after what happens while it is open.
    struct Hint_Box : wxExpectModalBase<wxMessageDialog, Hint_Box>
    {
        explicit Hint_Box(std::function<void()> meanwhile) : Meanwhile(meanwhile) {}
        int OnInvoked(wxMessageDialog*) const override { return Meanwhile(), wxID_OK; }
        std::function<void()> Meanwhile;
    };
}

class Navigation : public Frame_Fixture
{
protected:
    void SetUp() override
    {
        m_Dir.Write("kurs/r.htm", "<h1>Der Teich</h1><a href=\"./blatt.ctest\">Blatt</a>");
        for (const char* page : {"kurs/a.htm", "kurs/b.htm", "kurs/a.txt"})
            m_Dir.Write(page, "<p>Hechte und Rotfedern</p>");
        m_Dir.Write("kurs/lexikon.txt", "<*Zelle>{Die kleinste Einheit.}<Alge>{Pflanze.}<Hecht>{Raubfisch.}");
        m_Dir.Write("kurs/reflexion.ini", "Logfile=antworten.txt\n[T1]\nReflection=Thema\n");
        Set_Link_Launcher([this](const Link_Launch& launch) { m_Launched.push_back(launch); });
    }

    void TearDown() override
    {
        Frame_Fixture::TearDown();
        Set_Link_Launcher(nullptr);
    }

    // Starts on the course with groups added to (or merged into) its theme file.
    void Start(const std::string& themes_extra = "", const std::string& ini_extra = "DOLOG=0\n")
    {
        m_Dir.Write("kurs/themen.ini", s_Course + themes_extra);
        Write_Ini("THEMES=kurs/themen.ini\n" + ini_extra);
        Make_Frame();
        wxTreeCtrl* tree = m_pFrame->Get_Tree();
        wxTreeItemIdValue cookie;
        m_Items["R"] = tree->GetRootItem();
        for (wxTreeItemId item = tree->GetFirstChild(m_Items["R"], cookie); item.IsOk();
             item = tree->GetNextChild(m_Items["R"], cookie))
            m_Labels.push_back(tree->GetItemText(m_Items[tree->GetItemText(item)] = item));
    }

    void Tick(int count = 1)
    {
        for (int i = 0; i < count; i++)
        {
            wxTimerEvent event(*m_pFrame->Get_Timer());
            m_pFrame->ProcessWindowEvent(event);
        }
    }

    // Alt and an arrow key, as the tree (which has the focus) passes them on.
    void Alt_Key(int code)
    {
        wxKeyEvent event(wxEVT_CHAR_HOOK);
        event.m_keyCode = code;
        event.SetAltDown(true);
        event.SetEventObject(m_pFrame->Get_Tree());
        m_pFrame->ProcessWindowEvent(event);
    }

    void Click_Link(wxHtmlWindow* window, const wxString& href)
    {
        wxHtmlLinkEvent event(window->GetId(), wxHtmlLinkInfo(href));
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
    }

    wxString Selected() { return m_pFrame->Get_Tree()->GetItemText(m_pFrame->Get_Tree()->GetSelection()); }
    wxColour Colour(const wxString& label) { return m_pFrame->Get_Tree()->GetItemTextColour(m_Items[label]); }
    void Select(const wxString& label) { m_pFrame->Get_Tree()->SelectItem(m_Items[label]); }
    bool Timer_Running() { return m_pFrame->Get_Timer()->IsRunning(); }
    wxString Stay() { return m_pFrame->GetStatusBar()->GetStatusText(STATUS_STAY); }
    CSim_Theme* Theme(const wxString& label) { return m_pFrame->Get_Theme(m_Items[label]); }
    Theme_Entry* Entry(const wxString& label) { return m_pFrame->Item_Theme(m_Items[label]); }
    wxHtmlWindow* Root_Page() { return Theme("R")->Get_Content(); }

    std::map<wxString, wxTreeItemId> m_Items;
    std::vector<wxString> m_Labels;
    std::vector<Link_Launch> m_Launched;
};

TEST_F(Navigation, Timed_Theme_Keeps_Its_Successor_Locked_Until_Served)
{
    Start("[Themes/A]\nTimeOut=10\n[Themes/b]\nTimeOut=5\n");
    EXPECT_EQ(m_Labels, std::vector<wxString>({"A", "B", "Lexikon"}));
    EXPECT_EQ(Colour("B"), s_Grey);
    EXPECT_NE(Colour("A"), s_Grey);
    Select("B");
    EXPECT_EQ(Selected(), "R");
    Command(ID_NEXT_THEME);
    EXPECT_EQ(Selected(), "A");
    EXPECT_EQ(Stay(), L"Nächstes Thema in 0:10");
    // Its page is laid out as it is shown, not only when asked for.
    EXPECT_NE(Page_Text(dynamic_cast<wxHtmlWindow*>(Theme("A")->GetPage(0))), "");
    for (int second = 1; second < 10; second++)
    {
        Tick();
        EXPECT_FALSE(Is_Enabled(ID_NEXT_THEME)) << second;
        EXPECT_EQ(Stay(), wxString::Format(L"Nächstes Thema in 0:%02d", 10 - second));
    }
    Command(ID_NEXT_THEME);
    EXPECT_EQ(Selected(), "A");
    Tick();
    EXPECT_FALSE(Timer_Running());
    EXPECT_EQ(Stay(), L"Nächstes Thema frei");
    EXPECT_EQ(Colour("B"), s_Black);
    EXPECT_TRUE(Is_Enabled(ID_NEXT_THEME));
    EXPECT_FALSE(Is_Enabled(ID_REFLECTIONS));
    // B, the last theme before the glossary, opens the reflection aid once served.
    Command(ID_NEXT_THEME);
    Tick(4);
    EXPECT_FALSE(m_pFrame->Is_Reflections_Open());
    Tick();
    EXPECT_TRUE(m_pFrame->Is_Reflections_Open() && Is_Enabled(ID_REFLECTIONS));
    wxTEST_DIALOG(Command(ID_REFLECTIONS), wxExpectAny(wxID_CANCEL));
    // Served once, a time-out stays served.
    Select("A");
    EXPECT_FALSE(Timer_Running());
    EXPECT_EQ(Stay(), "");
}

TEST_F(Navigation, Leaving_A_Timed_Theme_Early_Does_Not_Unlock_Its_Successor)
{
    Start("[Themes/A]\nTimeOut=10\n[Themes/c]\nName=C\nTimeOut=5\nHint=Lies.\n[Themes/d]\nName=D\n");
    Select("A");
    Tick(8);
    // Ticks while C's hint box is open count for neither A nor C.
    wxTEST_DIALOG(Select("C"), Hint_Box([this] { Tick(3); }));
    Tick(4);
    EXPECT_TRUE(m_pFrame->Is_Locked(m_Items["D"]));
    EXPECT_EQ(Colour("B"), s_Grey);
    // Coming back starts the count from zero.
    Select("A");
    EXPECT_EQ(Stay(), L"Von vorn: Nächstes Thema in 0:10");
    Tick(9);
    EXPECT_TRUE(m_pFrame->Is_Locked(m_Items["B"]));
    Tick();
    EXPECT_FALSE(m_pFrame->Is_Locked(m_Items["B"]));
}

TEST_F(Navigation, Colours_Follow_The_Locks_In_A_Nested_Course)
{
    Start("[Themes/A/x]\nName=X\nTimeOut=3\n[Themes/A/x/y]\nName=Y\n");
    Select("A");
    Command(ID_NEXT_THEME);
    EXPECT_TRUE(m_pFrame->Is_Locked(m_Items["B"]));
    Tick(3);
    EXPECT_FALSE(m_pFrame->Is_Locked(m_Items["B"]));
    EXPECT_EQ(Colour("B"), s_Black);
}

TEST_F(Navigation, Back_And_Forward_Keys_Follow_The_History)
{
    Start();
    Alt_Key(WXK_DOWN);
    Alt_Key(WXK_DOWN);
    EXPECT_EQ(Selected(), "B");
    EXPECT_FALSE(Is_Enabled(ID_FORWARD));
    Alt_Key(WXK_LEFT);
    Alt_Key(WXK_LEFT);
    EXPECT_EQ(Selected(), "R");
    EXPECT_FALSE(Is_Enabled(ID_BACK));
    Alt_Key(WXK_RIGHT);
    EXPECT_EQ(Selected(), "A");
    Alt_Key(WXK_LEFT);
    // Opening another item from here drops A and B from the forward history.
    Select("Lexikon");
    EXPECT_EQ(m_pFrame->Get_History().Get_Size(), 2);
    EXPECT_FALSE(Is_Enabled(ID_FORWARD));
    Alt_Key(WXK_LEFT);
    EXPECT_EQ(Selected(), "R");
    Select("B");
    Alt_Key(WXK_UP);
    EXPECT_EQ(Selected(), "A");
}

TEST_F(Navigation, Links_Open_Glossary_Pages_Registered_Programs_Or_The_Browser)
{
    static const wxFileTypeInfo types[] = {
        wxFileTypeInfo("application/x-corvena-test", "corvena-betrachter %s", "", "Testdatei", "ctest", nullptr),
        wxFileTypeInfo()};
    wxTheMimeTypesManager->AddFallbacks(types);
    Start("", "DOLOG=1\nLOGFILE=log/aktivitaet.log\n");
    CSim_Glossar* glossar = m_pFrame->Get_Themes()->Get_Glossar();
    Click_Link(Root_Page(), "GLOSSAR://zelle");
    EXPECT_EQ(Selected(), "Lexikon");
    EXPECT_EQ(glossar->GetPageText(glossar->GetSelection()), "Zelle");
    Click_Link(Root_Page(), "glossar://a");
    EXPECT_EQ(glossar->GetPageText(glossar->GetSelection()), "A");

    // The page's "./" link was made absolute; the others resolve against the page's own place.
    const wxString rewritten = "file://" + m_Dir.File("kurs") + "/blatt.ctest";
    ASSERT_EQ(Page_Links(Root_Page()), std::vector<wxString>({rewritten}));
    EXPECT_EQ(Root_Page()->GetParser()->GetFS()->GetPath(), "file://" + m_Dir.File("kurs/"));
    const wxString before = m_pFrame->Get_Log();
    Click_Link(Root_Page(), rewritten);
    Click_Link(Root_Page(), "unterlagen/blatt2.ctest");
    Click_Link(Root_Page(), "notiz.zzqqy");  // no file type: no program, no log entry
    Click_Link(Root_Page(), "https://www.example.org/teich");
    ASSERT_EQ(m_Launched.size(), 3u);
    EXPECT_EQ(m_Launched[0].What, Link_Launch::Command);
    EXPECT_TRUE(m_Launched[0].Text.StartsWith("corvena-betrachter ") && m_Launched[0].Text.Contains(rewritten));
    EXPECT_TRUE(m_Launched[1].Text.Contains(m_Dir.File("kurs/unterlagen/blatt2.ctest")));
    EXPECT_EQ(m_Launched[2].What, Link_Launch::Browser);
    EXPECT_EQ(m_Launched[2].Text, "https://www.example.org/teich");
    const wxString log = m_pFrame->Get_Log().Mid(before.length());
    EXPECT_EQ(log.Freq('\n'), 3);
    EXPECT_TRUE(log.Contains("\tURL-Aufruf: unterlagen/blatt2.ctest\n"));
    EXPECT_TRUE(log.EndsWith("\tURL-Aufruf: https://www.example.org/teich\n"));
    Click_Link(Root_Page(), "https://www.example.ctest");  // a web address, not a file of that type
    EXPECT_EQ(m_Launched.back().What, Link_Launch::Browser);
}

TEST_F(Navigation, Activity_Log_File_Byte_For_Byte)
{
    Clock::Set(wxDateTime(2, wxDateTime::Mar, 2026, 8, 0, 0));
    m_Dir.Write("log/aktivitaet.log", "alter Inhalt");
    Start("[Themes/b]\nSimulation=" + PROBE + "\n", "DOLOG=1\nLOGFILE=log/aktivitaet.log\n");
    const std::string header = "Teichkurs f\xFCr Anf\xE4nger\nAufzeichung der Aktivit\xE4ten\nDatum: 2026-03-02\n"
                               "Uhrzeit\tDauer\tAktivtit\xE4t\n08:00:00\t00:00:00\tAufzeichnung gestartet\n";
    // The file grows with the log, so a crash keeps what was recorded.
    EXPECT_EQ(m_Dir.Read("log/aktivitaet.log"), header);
    Clock::Advance(wxTimeSpan::Seconds(10));
    Select("A");
    Clock::Advance(wxTimeSpan::Seconds(75));
    Select("B");
    Clock::Advance(wxTimeSpan::Seconds(5));
    Click_Link(Theme("B")->Get_Content(), "glossar://h");  // on a theme with two tabs
    Clock::Advance(wxTimeSpan::Seconds(2));
    m_pFrame->Get_Themes()->Get_Glossar()->SetSelection(0);
    Clock::Advance(wxTimeSpan::Seconds(3));
    Click_Link(m_pFrame->Get_Tasks(), "https://www.example.org/");
    Clock::Advance(wxTimeSpan::Hours(25));
    Destroy_Frame();
    EXPECT_EQ(m_Dir.Read("log/aktivitaet.log"), header + "08:00:10\t00:00:10\tA\n"
                                                         "08:01:25\t00:01:15\tB\n"
                                                         "08:01:30\t00:00:05\tLexikon\n"
                                                         "08:01:30\t00:00:00\tLexikon - H\n"
                                                         "08:01:32\t00:00:02\tLexikon - A\n"
                                                         "08:01:35\t00:00:03\tURL-Aufruf: https://www.example.org/\n"
                                                         "09:01:35\t25:00:00\tAufzeichnung beendet\n");
}

TEST_F(Navigation, Nothing_Is_Recorded_With_The_Log_Off)
{
    Start("", "DOLOG=0\nLOGFILE=log/aktivitaet.log\n");
    Select("A");
    Log_Program_Activity("Selbsttest gestartet");
    EXPECT_TRUE(m_pFrame->Get_Log().empty());
    Destroy_Frame();
    EXPECT_FALSE(m_Dir.Exists("log/aktivitaet.log"));
}

TEST_F(Navigation, Course_Defaults_Come_From_The_General_Group)
{
    Start("[General]\nTimeOut=30\n[General/Exercises]\nShow=0\nButton_Show=1\nButton_Reset=yes\nText_Okay=Prima!\n"
          "[Themes/A]\nTimeOut=99999999999\n[Themes/b]\nTimeOut=zehn\n");
    // In milliseconds; the course's default where a theme names none or no number.
    EXPECT_EQ(Entry("R")->Get_TimeOut(), 30000);
    EXPECT_EQ(Entry("A")->Get_TimeOut(), INT_MAX);
    EXPECT_EQ(Entry("B")->Get_TimeOut(), 30000);
    // Flags that are no number keep their defaults.
    EXPECT_EQ(std::vector<bool>({Get_Exercise_Flag(1), Get_Exercise_Flag(2), Get_Exercise_Flag(3)}),
              std::vector<bool>({false, true, true}));
    EXPECT_EQ(Get_Exercise_Text(1), "Prima!");
    EXPECT_EQ(Get_Exercise_Text(2), "Test nicht bestanden.");
}

class Host : public Navigation
{
};

TEST_F(Host, Simulation_Log_Begins_At_Start_And_Its_Page_Follows_The_Content_Once_Opened)
{
    m_Dir.Make_Dir("kurs/logs");
    Start("[Themes/A]\nSimulation=" + PROBE + "\nSimulation_Opts=MARK=" + m_Dir.File_Str("mark.txt")
          + "\nSimulation_Log=logs/sim.log\n");
    const std::string header = "Aufzeichung der Aktivit\xE4ten\nDatum: ";
    EXPECT_EQ(m_Dir.Read("kurs/logs/sim.log").substr(0, header.size()), header);
    EXPECT_FALSE(Entry("A")->Is_Made());
    ASSERT_NE(Theme("A")->Get_Simulation(), nullptr);
    EXPECT_EQ(Tab_Labels(Theme("A")), "Inhalt|Simulation");
    // On program end the window goes (writing its log) before its code is unloaded.
    Destroy_Frame();
    EXPECT_EQ(m_Dir.Read("mark.txt"), "window gone\n");
}

TEST_F(Host, Opening_Any_Item_Stops_The_Simulations_Of_Every_Theme)
{
    wxDynamicLibrary probe(HOST_PROBE_PLUGIN);
    auto stops = reinterpret_cast<int (*)(const void*)>(probe.GetSymbol("Host_Probe_Stops"));
    ASSERT_NE(stops, nullptr);
    Start("[Themes]\nSimulation=" + PROBE + "\n[Themes/A]\nSimulation=" + PROBE + "\n[Themes/A/Tief]\nSimulation="
          + PROBE + "\n");
    const CSim_Window* windows[3] = {Theme("R")->Get_Simulation(), Theme("A")->Get_Simulation(),
                                     Entry("A")->Get_Child(0)->Get_Theme()->Get_Simulation()};
    // Two themes naming one library each have a window of their own.
    ASSERT_NE(windows[0], windows[1]);
    int before[3];
    for (int i = 0; i < 3; i++)
        before[i] = stops(windows[i]);
    Select("B");
    Select("Lexikon");
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(stops(windows[i]), before[i] + 2) << i;
}

TEST_F(Host, Plugins_That_Give_No_Window_Add_No_Page)
{
    m_Dir.Write("kurs/kein_plugin.so", "Das ist nur Text, keine Bibliothek.\n");
    Start("[Themes/A]\nSimulation=" + PROBE + "\nSimulation_Opts=NULL=1\nSimulation_Log=null.log\n"
          "[Themes/c]\nName=C\nSimulation=" CORVENA_STAGE_DIR "/libtirsal.so\n"
          "[Themes/d]\nName=D\nSimulation=kein_plugin.so\n[Themes/e]\nName=E\nSimulation=fehlt.so\n");
    // The library that gave no window stays loaded, and nobody got a log file.
    EXPECT_EQ(Tab_Labels(Theme("A")), "Inhalt");
    EXPECT_TRUE(Theme("A")->Has_Library());
    // A library without the entry point, a text file, no file: nothing but the problem page.
    for (const char* label : {"C", "D", "E"})
    {
        EXPECT_EQ(Theme(label)->Has_Library(), label[0] == 'C') << label;
        ASSERT_EQ(Tab_Labels(Theme(label)), "Problem") << label;
        EXPECT_EQ(Page_Text(dynamic_cast<wxHtmlWindow*>(Theme(label)->GetPage(0))),
                  wxString(label) + "\nfehlerhafte Konfiguration");
    }
    Destroy_Frame();
    EXPECT_FALSE(m_Dir.Exists("kurs/null.log"));
}

TEST_F(Host, A_Course_Written_For_Windows_Finds_The_Plugin_Of_This_Platform)
{
    m_Dir.Make_Dir("kurs/plugins");
    // The Windows library came along (A), or it did not (C).
    for (const char* plugin : {"teich.so", "nur.so"})
        ASSERT_TRUE(wxCopyFile(HOST_PROBE_PLUGIN, m_Dir.File(wxString("kurs/plugins/") + plugin)));
    m_Dir.Write("kurs/plugins/teich.dll", "MZ\x90 eine Bibliothek f\xFCr Windows\n");
    Start("[Themes/A]\nSimulation=plugins\\teich.dll\n[Themes/c]\nName=C\nSimulation=plugins/nur.dll\n");
    EXPECT_NE(Theme("A")->Get_Simulation(), nullptr);
    EXPECT_NE(Theme("C")->Get_Simulation(), nullptr);
}
