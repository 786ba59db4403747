#include "shell/CSim_Frame.h"

#include "activities/CSim_Glossar.h"
#include "common/Clock.h"
#include "shell/CSim_Theme.h"
#include "shell/CSim_Themes.h"
#include "shell/Command_Ids.h"
#include "shell/Link_Launcher.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Html_Inspection.h"

#include <wx/html/htmlwin.h>
#include <wx/mimetype.h>
#include <wx/timer.h>

namespace
{
    const char* const s_Course =
        "[General]\nName=Teichkurs\nGlossar=lexikon.txt\nReflections=reflexion.ini\n"
        "[Themes]\nName=R\nContent=r.htm\n"
        "[Themes/1]\nName=A\nContent=a.htm\nTasks=a_aufgabe.htm\n"
        "[Themes/2]\nName=B\nContent=b.htm\n";

    const wxColour s_Grey(127, 127, 127);
    const wxColour s_Black(0, 0, 0);
}

class Navigation : public Frame_Fixture
{
protected:
    void SetUp() override
    {
        m_Dir.Write("kurs/r.htm", "<html><body><h1>Der Teich</h1><a href=\"./blatt.ctest\">Blatt</a></body></html>");
        m_Dir.Write("kurs/a.htm", "<html><body><h1>Hechte</h1></body></html>");
        m_Dir.Write("kurs/b.htm", "<html><body><h1>Rotfedern</h1></body></html>");
        m_Dir.Write("kurs/a_aufgabe.htm", "<p>Beobachte die Hechte.</p>");
        m_Dir.Write("kurs/lexikon.txt", "<*Zelle>{Die kleinste Einheit.}<Alge>{Pflanze.}<Hecht>{Raubfisch.}");
        m_Dir.Write("kurs/reflexion.ini", "Logfile=antworten.txt\n[T1]\nReflection=Thema\n");
        m_Dir.Make_Dir("log");
        Set_Link_Launcher([this](const Link_Launch& launch) { m_Launched.push_back(launch); });
    }

    void TearDown() override
    {
        Frame_Fixture::TearDown();
        Set_Link_Launcher(nullptr);
    }

    // Starts on the course with the given theme groups after the general part.
    void Start(const std::string& themes_extra = "", const std::string& ini_extra = "DOLOG=0\n")
    {
        m_Dir.Write("kurs/themen.ini", s_Course + themes_extra);
        Write_Ini("THEMES=kurs/themen.ini\n" + ini_extra);
        Make_Frame();
        ASSERT_NE(m_pFrame, nullptr);
        wxTreeCtrl* tree = m_pFrame->Get_Tree();
        m_Root = tree->GetRootItem();
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = tree->GetFirstChild(m_Root, cookie); item.IsOk(); item = tree->GetNextChild(m_Root, cookie))
            m_Items[tree->GetItemText(item)] = item;
    }

    void Tick(int count = 1)
    {
        for (int i = 0; i < count; i++)
        {
            wxTimerEvent event(*m_pFrame->Get_Timer());
            m_pFrame->ProcessWindowEvent(event);
        }
    }

    wxString Selected() { return m_pFrame->Get_Tree()->GetItemText(m_pFrame->Get_Tree()->GetSelection()); }
    wxColour Colour(const wxString& label) { return m_pFrame->Get_Tree()->GetItemTextColour(m_Items[label]); }
    void Select(const wxString& label) { m_pFrame->Get_Tree()->SelectItem(m_Items[label]); }

    void Click_Link(wxHtmlWindow* window, const wxString& href)
    {
        wxHtmlLinkInfo info(href);
        wxHtmlLinkEvent event(window->GetId(), info);
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
    }

    wxTreeItemId m_Root;
    std::map<wxString, wxTreeItemId> m_Items;
    std::vector<Link_Launch> m_Launched;
};

TEST_F(Navigation, Tree_Holds_The_Themes_Then_The_Glossary_With_Their_Images)
{
    Start();
    wxTreeCtrl* tree = m_pFrame->Get_Tree();
    EXPECT_EQ(m_pFrame->GetTitle(), "Teichkurs");
    EXPECT_EQ(tree->GetItemText(m_Root), "R");
    EXPECT_EQ(tree->GetItemImage(m_Root), 0);
    EXPECT_EQ(tree->GetItemImage(m_Items["A"]), 1);
    EXPECT_EQ(tree->GetItemImage(m_Items["Lexikon"]), 3);
    EXPECT_EQ(tree->GetChildrenCount(m_Root, false), 3u);
    EXPECT_EQ(tree->GetItemText(tree->GetLastChild(m_Root)), "Lexikon");
    EXPECT_EQ(m_pFrame->Get_Glossar_Item(), m_Items["Lexikon"]);
    // The root was opened while the window was built.
    EXPECT_EQ(m_pFrame->GetStatusBar()->GetStatusText(), "R");
    ASSERT_EQ(m_pFrame->Get_Pages().size(), 4u);
    EXPECT_EQ(m_pFrame->Get_Manager().GetPane(m_pFrame->Get_Pages()[0]).name, "CONTENT_01");
    EXPECT_EQ(m_pFrame->Get_Manager().GetPane(m_pFrame->Get_Pages()[3]).name, "CONTENT_04");
    EXPECT_TRUE(m_pFrame->Get_Manager().GetPane(m_pFrame->Get_Pages()[0]).IsShown());
    EXPECT_FALSE(m_pFrame->Get_Manager().GetPane(m_pFrame->Get_Pages()[1]).IsShown());
    // A reflection aid exists but stays shut until navigation unlocks it.
    EXPECT_FALSE(Is_Enabled(ID_REFLECTIONS));
}

TEST_F(Navigation, Timed_Theme_Keeps_Its_Successor_Locked_Until_Served)
{
    Start("TimeOut=5\n[Themes/1]\nTimeOut=10\n");
    EXPECT_EQ(Colour("B"), s_Grey);
    EXPECT_NE(Colour("A"), s_Grey);
    EXPECT_NE(Colour("Lexikon"), s_Grey);

    Select("B");
    EXPECT_EQ(Selected(), "R");

    Command(ID_NEXT_THEME);
    EXPECT_EQ(Selected(), "A");
    EXPECT_TRUE(m_pFrame->Get_Timer()->IsRunning());
    for (int second = 1; second < 10; second++)
    {
        Tick();
        EXPECT_FALSE(Is_Enabled(ID_NEXT_THEME)) << second;
    }
    Command(ID_NEXT_THEME);
    EXPECT_EQ(Selected(), "A");
    Tick();
    EXPECT_FALSE(m_pFrame->Get_Timer()->IsRunning());
    EXPECT_EQ(Colour("B"), s_Black);
    EXPECT_TRUE(Is_Enabled(ID_NEXT_THEME));
    EXPECT_FALSE(Is_Enabled(ID_REFLECTIONS));

    // B, the last theme before the glossary, times out in five seconds and
    // then opens the reflection aid.
    Command(ID_NEXT_THEME);
    EXPECT_EQ(Selected(), "B");
    Tick(4);
    EXPECT_FALSE(m_pFrame->Is_Reflections_Open());
    Tick();
    EXPECT_EQ(Colour("Lexikon"), s_Black);
    EXPECT_TRUE(m_pFrame->Is_Reflections_Open());
    EXPECT_TRUE(Is_Enabled(ID_REFLECTIONS));
    wxTEST_DIALOG(Command(ID_REFLECTIONS), wxExpectAny(wxID_CANCEL));

    // Served once, a time-out stays served: back on A nothing runs.
    Select("A");
    EXPECT_FALSE(m_pFrame->Get_Timer()->IsRunning());
}

TEST_F(Navigation, Leaving_A_Timed_Theme_Early_Does_Not_Unlock_Its_Successor)
{
    Start("[Themes/1]\nTimeOut=10\n");
    Select("A");
    Tick(3);
    Command(ID_PREV_THEME);
    EXPECT_EQ(Selected(), "R");
    Tick();
    EXPECT_FALSE(m_pFrame->Get_Timer()->IsRunning());
    EXPECT_EQ(Colour("A"), s_Black);
    EXPECT_EQ(Colour("B"), s_Grey);
    EXPECT_TRUE(m_pFrame->Is_Locked(m_Items["B"]));
    EXPECT_EQ(m_pFrame->Get_Theme(m_Items["A"])->Get_TimeOut(), 10000);

    // Coming back starts the count from zero.
    Select("A");
    Tick(9);
    EXPECT_TRUE(m_pFrame->Is_Locked(m_Items["B"]));
    Tick();
    EXPECT_FALSE(m_pFrame->Is_Locked(m_Items["B"]));
}

TEST_F(Navigation, Back_And_Forward_Follow_The_History)
{
    Start();
    Command(ID_NEXT_THEME);
    Command(ID_NEXT_THEME);
    EXPECT_EQ(Selected(), "B");
    EXPECT_FALSE(Is_Enabled(ID_FORWARD));
    Command(ID_BACK);
    Command(ID_BACK);
    EXPECT_EQ(Selected(), "R");
    EXPECT_FALSE(Is_Enabled(ID_BACK));
    EXPECT_TRUE(Is_Enabled(ID_FORWARD));
    EXPECT_EQ(m_pFrame->Get_History().Get_Size(), 3);

    Command(ID_FORWARD);
    EXPECT_EQ(Selected(), "A");
    Command(ID_BACK);
    // Opening another item from here drops A and B from the forward history.
    Select("Lexikon");
    EXPECT_EQ(m_pFrame->Get_History().Get_Size(), 2);
    EXPECT_EQ(m_pFrame->Get_History().Get_Position(), 1);
    EXPECT_FALSE(Is_Enabled(ID_FORWARD));
    Command(ID_BACK);
    EXPECT_EQ(Selected(), "R");
}

TEST(History, Grows_In_Steps_Of_Sixteen_And_Ignores_Repeats)
{
    CSim_Frame::History history;
    EXPECT_EQ(history.Get_Position(), -1);
    EXPECT_FALSE(history.Back().IsOk());
    int values[40];
    for (int i = 0; i < 15; i++)
        history.Push(wxTreeItemId(&values[i]));
    EXPECT_EQ(history.Get_Capacity(), 16);
    history.Push(wxTreeItemId(&values[14]));
    EXPECT_EQ(history.Get_Size(), 15);
    history.Push(wxTreeItemId(&values[15]));
    EXPECT_EQ(history.Get_Capacity(), 32);
    EXPECT_EQ(history.Get_Size(), 16);
    for (int i = 0; i < 16; i++)
        EXPECT_EQ(history.Get(i), wxTreeItemId(&values[i]));
    EXPECT_EQ(history.Back(), wxTreeItemId(&values[14]));
    EXPECT_EQ(history.Forward(), wxTreeItemId(&values[15]));
    EXPECT_EQ(history.Forward(), wxTreeItemId(&values[15]));
}

TEST_F(Navigation, Opening_An_Item_Shows_Its_Page_Tasks_And_Hint)
{
    Start("[Themes/1]\nHint=Beobachte die Hechte eine Minute lang.\n");
    wxAuiManager& manager = m_pFrame->Get_Manager();
    EXPECT_FALSE(manager.GetPane("tasks").IsShown());
    EXPECT_EQ(Page_Text(m_pFrame->Get_Tasks()), "Keine Aufgabe");

    wxString hint, caption;
    wxTEST_DIALOG(Select("A"), Expect_Message(wxOK, &hint, &caption));
    EXPECT_EQ(hint, "Beobachte die Hechte eine Minute lang.");
    EXPECT_EQ(caption, "Hinweis");
    EXPECT_TRUE(manager.GetPane("tasks").IsShown());
    EXPECT_EQ(Page_Text(m_pFrame->Get_Tasks()), "Beobachte die Hechte.");
    EXPECT_EQ(m_pFrame->GetStatusBar()->GetStatusText(), "A");
    CSim_Theme* a = m_pFrame->Get_Theme(m_Items["A"]);
    for (wxWindow* page : m_pFrame->Get_Pages())
        EXPECT_EQ(manager.GetPane(page).IsShown(), page == a);

    // The hint comes every time the theme is opened.
    Select("B");
    EXPECT_FALSE(manager.GetPane("tasks").IsShown());
    wxTEST_DIALOG(Command(ID_BACK), wxExpectModal<wxMessageDialog>(wxOK));
    EXPECT_EQ(Selected(), "A");

    // The glossary is no theme: no tasks.
    Select("Lexikon");
    EXPECT_EQ(Page_Text(m_pFrame->Get_Tasks()), "Keine Aufgabe");
    EXPECT_EQ(m_pFrame->Get_Theme(m_Items["Lexikon"]), nullptr);
}

TEST_F(Navigation, Glossary_Links_Select_Pages_Ignoring_Case)
{
    Start();
    wxHtmlWindow* page = m_pFrame->Get_Theme(m_Root)->Get_Content();
    CSim_Glossar* glossar = m_pFrame->Get_Themes()->Get_Glossar();
    Click_Link(page, "GLOSSAR://zelle");
    EXPECT_EQ(Selected(), "Lexikon");
    EXPECT_EQ(glossar->GetPageText(glossar->GetSelection()), "Zelle");

    Click_Link(page, "glossar://a");
    EXPECT_EQ(glossar->GetPageText(glossar->GetSelection()), "A");

    // A heading inside a page is no page label.
    Select("A");
    Click_Link(page, "glossar://Alge");
    EXPECT_EQ(Selected(), "A");
    EXPECT_EQ(glossar->GetPageText(glossar->GetSelection()), "A");
    EXPECT_TRUE(m_Launched.empty());
}

TEST_F(Navigation, Other_Links_Go_To_The_Registered_Program_Or_The_Browser)
{
    static const wxFileTypeInfo types[] = {
        wxFileTypeInfo("application/x-corvena-test", "corvena-betrachter %s", "", "Testdatei", "ctest", nullptr),
        wxFileTypeInfo(),
    };
    wxTheMimeTypesManager->AddFallbacks(types);
    Start("", "DOLOG=1\nLOGFILE=log/aktivitaet.log\n");
    wxHtmlWindow* page = m_pFrame->Get_Theme(m_Root)->Get_Content();

    // The page's "./" link was made absolute when the page was built.
    wxString rewritten = "file://" + m_Dir.File("kurs") + "/blatt.ctest";
    ASSERT_EQ(Page_Links(page), std::vector<wxString>({rewritten}));
    Click_Link(page, rewritten);
    ASSERT_EQ(m_Launched.size(), 1u);
    EXPECT_EQ(m_Launched[0].What, Link_Launch::Command);
    EXPECT_TRUE(m_Launched[0].Text.StartsWith("corvena-betrachter ")) << m_Launched[0].Text;
    EXPECT_TRUE(m_Launched[0].Text.Contains(rewritten));
    EXPECT_TRUE(m_pFrame->Get_Log().Contains("\tURL-Aufruf: " + rewritten + "\n"));

    // A plain relative link names a file beside the page.
    Click_Link(page, "unterlagen/blatt2.ctest");
    ASSERT_EQ(m_Launched.size(), 2u);
    EXPECT_TRUE(m_Launched[1].Text.Contains(m_Dir.File("kurs/unterlagen/blatt2.ctest")));
    EXPECT_TRUE(m_pFrame->Get_Log().Contains("\tURL-Aufruf: unterlagen/blatt2.ctest\n"));

    // No file type, no program, no log entry.
    wxString before = m_pFrame->Get_Log();
    Click_Link(page, "notiz.zzqqy");
    EXPECT_EQ(m_Launched.size(), 2u);
    EXPECT_EQ(m_pFrame->Get_Log(), before);

    // A web page without a file extension opens in the browser.
    Click_Link(page, "https://www.example.org/teich");
    ASSERT_EQ(m_Launched.size(), 3u);
    EXPECT_EQ(m_Launched[2].What, Link_Launch::Browser);
    EXPECT_EQ(m_Launched[2].Text, "https://www.example.org/teich");
    EXPECT_TRUE(m_pFrame->Get_Log().EndsWith("\tURL-Aufruf: https://www.example.org/teich\n"));
}

TEST_F(Navigation, Activity_Log_File_Byte_For_Byte)
{
    wxDateTime start(2, wxDateTime::Mar, 2026, 8, 0, 0);
    Clock::Set(start);
    m_Dir.Write("log/aktivitaet.log", "alter Inhalt");
    std::string course = s_Course;
    course.replace(course.find("Teichkurs"), 9, "Teichkurs f\xFCr Anf\xE4nger");
    m_Dir.Write("kurs/themen.ini", course);
    Write_Ini("THEMES=kurs/themen.ini\nDOLOG=1\nLOGFILE=log/aktivitaet.log\n");
    Make_Frame();
    // The file grows with the log, so a crash keeps what was recorded.
    EXPECT_EQ(m_Dir.Read("log/aktivitaet.log"),
              "Teichkurs f\xFCr Anf\xE4nger\nAufzeichung der Aktivit\xE4ten\nDatum: 2026-03-02\n"
              "Uhrzeit\tDauer\tAktivtit\xE4t\n08:00:00\t00:00:00\tAufzeichnung gestartet\n");
    wxTreeCtrl* tree = m_pFrame->Get_Tree();
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = tree->GetFirstChild(tree->GetRootItem(), cookie); item.IsOk();
         item = tree->GetNextChild(tree->GetRootItem(), cookie))
        m_Items[tree->GetItemText(item)] = item;

    Clock::Advance(wxTimeSpan::Seconds(10));
    Select("A");
    Clock::Advance(wxTimeSpan::Seconds(75));
    Select("B");
    Clock::Advance(wxTimeSpan::Seconds(5));
    Select("Lexikon");
    Clock::Advance(wxTimeSpan::Seconds(2));
    m_pFrame->Get_Themes()->Get_Glossar()->SetSelection(1);
    Clock::Advance(wxTimeSpan::Seconds(3));
    Click_Link(m_pFrame->Get_Tasks(), "https://www.example.org/");
    Clock::Advance(wxTimeSpan::Hours(25));
    Destroy_Frame();

    EXPECT_EQ(m_Dir.Read("log/aktivitaet.log"),
              "Teichkurs f\xFCr Anf\xE4nger\n"
              "Aufzeichung der Aktivit\xE4ten\n"
              "Datum: 2026-03-02\n"
              "Uhrzeit\tDauer\tAktivtit\xE4t\n"
              "08:00:00\t00:00:00\tAufzeichnung gestartet\n"
              "08:00:10\t00:00:10\tA\n"
              "08:01:25\t00:01:15\tB\n"
              "08:01:30\t00:00:05\tLexikon\n"
              "08:01:32\t00:00:02\tLexikon - H\n"
              "08:01:35\t00:00:03\tURL-Aufruf: https://www.example.org/\n"
              "09:01:35\t25:00:00\tAufzeichnung beendet\n");
}

TEST_F(Navigation, Page_Changes_Of_The_Open_Notebook_Are_Logged)
{
    m_Dir.Write("kurs/uebung.ini", "[F]\nQuestion=Wer frisst wen?\n[F/Answers]\na=1:Hecht frisst Rotfeder\n");
    Start("[Themes/1]\nExercises=uebung.ini\n", "DOLOG=1\nLOGFILE=log/aktivitaet.log\n");
    CSim_Theme* a = m_pFrame->Get_Theme(m_Items["A"]);
    ASSERT_EQ(a->GetPageCount(), 2u);
    EXPECT_EQ(a->GetPageText(1), "Selbsttest");
    EXPECT_NE(a->Get_Exercise(), nullptr);
    Select("A");
    a->SetSelection(1);
    EXPECT_TRUE(m_pFrame->Get_Log().EndsWith("\tA - Selbsttest\n")) << m_pFrame->Get_Log();
    a->SetSelection(0);
    EXPECT_TRUE(m_pFrame->Get_Log().EndsWith("\tA - Inhalt\n"));
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

TEST_F(Navigation, Without_Log_File_The_Pupil_Is_Asked_At_Start_And_At_The_End)
{
    m_Dir.Write("kurs/themen.ini", s_Course);
    // No folder can be made below a file.
    m_Dir.Write("datei", "kein Ordner");
    Write_Ini("THEMES=kurs/themen.ini\nDOLOG=1\nLOGFILE=datei/log.txt\n");
    wxString question, title, name;
    // The unwritable file is forgotten; No leads to the save dialog,
    // cancelling it to the question again, Yes to a log in memory.
    wxTEST_DIALOG(Make_Frame(),
                  Expect_Message(wxNO, &question),
                  Expect_File_Dialog([&](wxFileDialog* d) {
                      title = d->GetMessage();
                      name = d->GetFilename();
                      return wxID_CANCEL;
                  }),
                  wxExpectModal<wxMessageDialog>(wxYES));
    EXPECT_EQ(question, wxString::FromUTF8("Soll wirklich kein Aktivitätsprofil erstellt werden ?"));
    EXPECT_EQ(title, wxString::FromUTF8("Aktivitätsprofil speichern"));
    EXPECT_EQ(name, "activity.log");
    EXPECT_TRUE(m_pFrame->Get_Log_File().empty());
    EXPECT_TRUE(m_pFrame->Get_Log().Contains("\tAufzeichnung gestartet\n"));

    // At the end the pupil picks a file after all.
    wxTEST_DIALOG(Destroy_Frame(), wxExpectModal<wxFileDialog>(m_Dir.File("log/spaet")));
    std::string written = m_Dir.Read("log/spaet.log");
    EXPECT_EQ(written.substr(0, 10), "Teichkurs\n");
    EXPECT_NE(written.find("\tAufzeichnung beendet\n"), std::string::npos);
}
